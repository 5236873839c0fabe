#pragma once

#include <string>
#include <string_view>

namespace runtime::win32 {

// The runtime's texts are UTF-8; the wide Win32 calls take UTF-16.
std::wstring widen(std::string_view text);
std::string narrow(std::wstring_view text);

}  // namespace runtime::win32

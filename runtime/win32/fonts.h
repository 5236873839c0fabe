#pragma once

#include "runtime/layout.h"
#include "runtime/win32/handles.h"

namespace runtime::win32 {

// A font from the layout, by face name; the platform's font mapper picks a stand-in for a face
// that is not installed.
FontHandle createFont(const Font& font);

}  // namespace runtime::win32

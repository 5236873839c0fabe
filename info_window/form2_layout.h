#pragma once

#include <string_view>

#include "runtime/layout.h"

namespace kestravo {

// The contact line's address, on a domain reserved for examples.
inline constexpr std::string_view kContactCaption = "PER INFORMAZIONI info@veskora.example";

// The information window as its layout description stores it.
extern const runtime::FormLayout kForm2Layout;

}  // namespace kestravo

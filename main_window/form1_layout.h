#pragma once

#include "runtime/layout.h"

namespace kestravo {

// The main window as its layout description stores it.
extern const runtime::FormLayout kForm1Layout;

}  // namespace kestravo

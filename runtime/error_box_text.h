#pragma once

#include <string>

#include "runtime/runtime_error.h"

namespace runtime {

// The text of the error box that reports a run-time error, the same on every backend.
std::string errorBoxText(const RuntimeError& error);

}  // namespace runtime

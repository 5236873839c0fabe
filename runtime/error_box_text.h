#pragma once

#include <cstdio>
#include <string>

#include "runtime/runtime_error.h"

namespace runtime {

// The text of the error box that reports a run-time error, the same on every backend.
std::string errorBoxText(const RuntimeError& error);

// The same error as one line, "Run-time error 'N': description", written where no box can be
// shown. It allocates nothing, so it works when memory has run out.
void writeErrorLine(const RuntimeError& error, std::FILE* stream) noexcept;

}  // namespace runtime

#pragma once

#include "runtime/start_up.h"

namespace app {

// The program-wide settings handed to the runtime at start-up.
extern const runtime::ProgramHeader kProgramHeader;

}  // namespace app

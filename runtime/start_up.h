#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "runtime/backend.h"
#include "runtime/form.h"
#include "runtime/object.h"
#include "runtime/program.h"

namespace runtime {

// The program-wide settings the runtime reads at start-up.
struct ProgramHeader {
    std::string_view applicationName;
    std::string_view desktopEntryId;  // the desktop entry that launches it, where desktops have one
    std::span<const std::string_view> windows;  // the first is the start-up window
    std::uint16_t locale;
    bool singleThreaded;
    std::string_view helpFile;
    Ref<Form> (*createStartUpWindow)(Program& program);
};

// Runs the program on the given backend: loads and shows the start-up window, runs the event
// loop and returns the exit status.
int runProgram(const ProgramHeader& header, Backend& backend, ProgramServices services = {});

// The start-up entry, given by the backend linked in: builds the backend and runs the program.
int startUp(const ProgramHeader& header, int argc, char** argv);

}  // namespace runtime

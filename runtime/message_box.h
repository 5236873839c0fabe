#pragma once

#include <cstdint>

#include "runtime/program.h"
#include "runtime/variant.h"

namespace runtime {

// The modal message box: prompt, buttons value, title, and two optional arguments (help file
// and context, Missing). Returns the answer, 1 for OK.
std::int32_t MsgBox(Program& program, const Variant& prompt, std::int32_t buttons,
                    const Variant& title, const Variant& helpFile, const Variant& context);

}  // namespace runtime

#include "runtime/message_box.h"

#include <string>

namespace runtime {

std::int32_t MsgBox(Program& program, const Variant& prompt, std::int32_t buttons,
                    const Variant& title, const Variant& helpFile, const Variant& context) {
    // No help file is shown: the two optional arguments must be omitted.
    if (helpFile.type() != VarType::Missing || context.type() != VarType::Missing) {
        throw runtimeError(errors::kInvalidProcedureCall);
    }
    std::string promptText;
    std::string titleText;
    return program.backend().messageBox(vbaStrVarVal(promptText, prompt), buttons,
                                        vbaStrVarVal(titleText, title));
}

}  // namespace runtime

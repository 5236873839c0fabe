#include <cstdint>
#include <string>

#include "main_window/form1.h"
#include "runtime/backend.h"
#include "runtime/message_box.h"

namespace kestravo {

using runtime::Variant;

namespace {

constexpr std::string_view kPrompt = "VUOI VERAMENTE USCIRE?";
constexpr std::string_view kTitle = "USCITA";
// OK and Cancel; no icon, OK the default button, application-modal.
constexpr std::int32_t kButtons = runtime::kOkCancel;
constexpr std::int16_t kConfirmingAnswer = 1;

}  // namespace

void Form1::Command8_Click() {
    // Declared in this order so that unwinding releases the texts before the answer.
    Variant answer;
    Variant promptArgument;
    Variant titleArgument;
    Variant helpFile = Variant::missing();
    Variant context = Variant::missing();

    runtime::vbaVarDup(titleArgument, Variant(std::string(kTitle)));
    runtime::vbaVarDup(promptArgument, Variant(std::string(kPrompt)));
    Variant returned(
        runtime::MsgBox(program(), promptArgument, kButtons, titleArgument, helpFile, context));
    runtime::vbaVarMove(answer, returned);
    runtime::vbaFreeVarList(promptArgument, titleArgument, helpFile, context);

    if (runtime::vbaVarTstEq(Variant(kConfirmingAnswer), answer) != 0) {
        unloadThroughGlobal(slots_, *this);
    }
    runtime::vbaFreeVar(answer);
}

}  // namespace kestravo

#include <cstdint>
#include <string>

#include "main_window/form1.h"
#include "runtime/float_checks.h"

namespace kestravo {

using runtime::ListBox;
using runtime::Ref;
using runtime::Variant;

void Form1::Command1_Click() {
    roll(kD4);
}
void Form1::Command2_Click() {
    roll(kD6);
}
void Form1::Command3_Click() {
    roll(kD8);
}
void Form1::Command4_Click() {
    roll(kTensD10);
}
void Form1::Command5_Click() {
    roll(kUnitsD10);
}
void Form1::Command6_Click() {
    roll(kD12);
}
void Form1::Command7_Click() {
    roll(kD20);
}

void Form1::roll(const Die& die) {
    // Declared in this order so that unwinding frees the text, then the list, then the
    // generator's argument.
    Variant rndArgument;
    Ref<ListBox> listSlot;
    std::string textSlot;

    // The draw comes first: every click consumes one value, a click that fails included.
    rndArgument = Variant::missing();
    const float r = program().Rnd(rndArgument);

    // In double precision the product is exact and the sum stays on the right side of every
    // whole number; single precision would round 0.99999994 * 4 + 1 up to 5.
    double scaled = static_cast<double>(r) * static_cast<double>(die.scale);
    if (die.offset) scaled += static_cast<double>(*die.offset);
    scaled = runtime::settled(scaled);
    program().checkFloatingPoint();

    Variant rolled;
    const double whole = runtime::vbaFPInt(scaled);
    if (die.tens) {
        rolled =
            Variant(static_cast<float>(runtime::settled(whole * static_cast<double>(die.scale))));
        program().checkFloatingPoint();
    } else {
        rolled = Variant(static_cast<float>(whole));
    }
    runtime::vbaVarMove(LastRoll, rolled);
    runtime::vbaFreeVar(rndArgument);

    const bool zeroTens = die.tens && runtime::vbaVarTstEq(Variant(std::int16_t{0}), LastRoll) != 0;
    runtime::vbaObjSet(listSlot, control<ListBox>(die.list));
    const std::string_view text =
        zeroTens ? kTensZeroText : runtime::vbaStrVarVal(textSlot, LastRoll);
    program().check(listSlot->AddItem(text, Variant::missing()), runtime::kListBoxInterface);
    runtime::vbaFreeStr(textSlot);
    runtime::vbaFreeObj(listSlot);
}

}  // namespace kestravo

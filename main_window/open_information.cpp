#include "info_window/form2.h"
#include "main_window/form1.h"

namespace kestravo {

void Form1::MENU_Click() {
    Form2& information = runtime::vbaNew2(slots_.form2, program(), slots_);
    program().check(information.putVisible(true), kForm2Interface);
}

}  // namespace kestravo

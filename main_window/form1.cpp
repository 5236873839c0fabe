#include "main_window/form1.h"

#include <array>
#include <memory>

#include "main_window/form1_layout.h"

namespace kestravo {
namespace {

using Wiring = runtime::ClickWiring<Form1>;

// The controls whose Click runs a handler; the lists, Image1 and the window itself have none.
constexpr std::array kClickHandlers{
    Wiring{"Command1", &Form1::Command1_Click},   Wiring{"Command2", &Form1::Command2_Click},
    Wiring{"Command3", &Form1::Command3_Click},   Wiring{"Command4", &Form1::Command4_Click},
    Wiring{"Command5", &Form1::Command5_Click},   Wiring{"Command6", &Form1::Command6_Click},
    Wiring{"Command7", &Form1::Command7_Click},   Wiring{"Command8", &Form1::Command8_Click},
    Wiring{"Command9", &Form1::Command9_Click},   Wiring{"Command10", &Form1::Command10_Click},
    Wiring{"Command11", &Form1::Command11_Click}, Wiring{"Command12", &Form1::Command12_Click},
    Wiring{"Command13", &Form1::Command13_Click}, Wiring{"Command14", &Form1::Command14_Click},
    Wiring{"Command15", &Form1::Command15_Click}, Wiring{"Command16", &Form1::Command16_Click},
    Wiring{"MENU", &Form1::MENU_Click},
};

}  // namespace

Form1::Form1(runtime::Program& program, ProcessSlots& slots)
    : Form(program, kForm1Layout), slots_(slots) {}

runtime::Ref<runtime::Form> Form1::createStartUpWindow(runtime::Program& program) {
    return std::make_shared<Form1>(program, program.processState<ProcessSlots>());
}

Form1::ClickHandler Form1::clickHandler(std::string_view control) {
    return runtime::wiredHandler(*this, kClickHandlers, control);
}

}  // namespace kestravo

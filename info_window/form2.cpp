#include "info_window/form2.h"

#include <array>

#include "info_window/form2_layout.h"

namespace kestravo {
namespace {

constexpr std::array kClickHandlers{runtime::ClickWiring<Form2>{"Label3", &Form2::Label3_Click}};

}  // namespace

Form2::Form2(runtime::Program& program, ProcessSlots& slots)
    : Form(program, kForm2Layout), slots_(slots) {}

Form2::ClickHandler Form2::clickHandler(std::string_view control) {
    return runtime::wiredHandler(*this, kClickHandlers, control);
}

// Unloads this very instance, the one whose label was clicked.
void Form2::Label3_Click() {
    unloadThroughGlobal(slots_, *this);
}

}  // namespace kestravo

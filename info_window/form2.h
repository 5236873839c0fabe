#pragma once

#include <string_view>

#include "main_window/process_slots.h"
#include "runtime/form.h"
#include "runtime/program.h"
#include "runtime/runtime_error.h"

namespace kestravo {

inline constexpr runtime::InterfaceId kForm2Interface{"Form2"};

// The information window: maker, contact line and the label that closes it.
class Form2 final : public runtime::Form {
  public:
    Form2(runtime::Program& program, ProcessSlots& slots);

    void Label3_Click();

  private:
    ClickHandler clickHandler(std::string_view control) override;

    ProcessSlots& slots_;
};

}  // namespace kestravo

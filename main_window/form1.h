#pragma once

#include <span>
#include <string_view>

#include "main_window/dice.h"
#include "main_window/process_slots.h"
#include "runtime/form.h"
#include "runtime/program.h"
#include "runtime/variant.h"

namespace kestravo {

// The main window: seven dice with their result lists, the clear buttons, the exit button
// and the menu entry that opens the information window.
class Form1 final : public runtime::Form {
  public:
    Form1(runtime::Program& program, ProcessSlots& slots);

    // The start-up window of a program run.
    static runtime::Ref<runtime::Form> createStartUpWindow(runtime::Program& program);

    const runtime::Variant& lastRoll() const { return LastRoll; }

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void Command14_Click();
    void Command15_Click();
    void Command16_Click();
    void MENU_Click();

  private:
    ClickHandler clickHandler(std::string_view control) override;

    void roll(const Die& die);
    void clearLists(std::span<const std::string_view> lists);

    ProcessSlots& slots_;
    runtime::Variant LastRoll;  // the roll of the die clicked last
};

}  // namespace kestravo

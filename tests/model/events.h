#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace model {

enum class Window : std::uint8_t { Form1, Form2 };

// One thing a person does. Self-contained, so that a sequence replays the same way after
// events are removed from it.
struct Event {
    enum class Kind : std::uint8_t {
        Click,           // a control, the menu entry or the window background
        CloseFromFrame,  // the window's close box
    };
    Kind kind = Kind::Click;
    Window window = Window::Form1;
    std::string control;  // the control's name; the window's name for its background
    // A die: the 24-bit integer m of the generator's value r = m / 2^24.
    std::uint32_t draw = 0;
    // "ESCI": the message box's answer; none when the box is closed without a button.
    bool answered = false;
    std::int32_t answer = 0;

    friend bool operator==(const Event&, const Event&) = default;
};

inline constexpr std::uint32_t kDrawRange = 1U << 24U;

std::string_view windowName(Window window);
// The die that a control rolls: its index 0..6 in button order, or -1.
int dieIndex(std::string_view control);
// The list a "REFRESH" button empties (0..6), 7 for "REFRESH ALL", or -1.
int clearIndex(std::string_view control);

// Readable text of one event, e.g. "Form1 Command4 (tens D10) r=0/2^24".
std::string describe(const Event& event);
std::string describe(const std::vector<Event>& events);

}  // namespace model

#include "tests/model/events.h"

#include <array>
#include <sstream>

namespace model {
namespace {

constexpr std::array<std::string_view, 7> kDiceButtons{
    "Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7"};
constexpr std::array<std::string_view, 7> kDiceNames{"D4",        "D6",  "D8", "tens D10",
                                                     "units D10", "D12", "D20"};
constexpr std::array<std::string_view, 8> kClearButtons{"Command9",  "Command10", "Command11",
                                                        "Command12", "Command13", "Command14",
                                                        "Command15", "Command16"};

template <std::size_t N>
int indexIn(const std::array<std::string_view, N>& names, std::string_view control) {
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == control) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

std::string_view windowName(Window window) {
    return window == Window::Form1 ? "Form1" : "Form2";
}

int dieIndex(std::string_view control) {
    return indexIn(kDiceButtons, control);
}

int clearIndex(std::string_view control) {
    return indexIn(kClearButtons, control);
}

std::string describe(const Event& event) {
    std::ostringstream text;
    text << windowName(event.window) << ' ';
    if (event.kind == Event::Kind::CloseFromFrame) {
        text << "closed from its frame";
        return text.str();
    }
    text << event.control;
    if (const int die = dieIndex(event.control); die >= 0 && event.window == Window::Form1) {
        text << " (" << kDiceNames[static_cast<std::size_t>(die)] << ") r=" << event.draw
             << "/2^24";
    } else if (const int clear = clearIndex(event.control); clear == 7) {
        text << " (REFRESH ALL)";
    } else if (clear >= 0) {
        text << " (REFRESH List" << clear + 1 << ")";
    } else if (event.control == "Command8") {
        text << " (ESCI) answer ";
        if (!event.answered) {
            text << "none: box closed";
        } else if (event.answer == 1) {
            text << "OK";
        } else if (event.answer == 2) {
            text << "Cancel";
        } else {
            text << event.answer;
        }
    } else if (event.control == "MENU") {
        text << " (\?\?\?\?)";
    } else if (event.control == "Label3") {
        text << " (CHIUDI QUESTA FINESTRA)";
    }
    return text.str();
}

std::string describe(const std::vector<Event>& events) {
    std::string text;
    for (std::size_t i = 0; i < events.size(); ++i) {
        text += "  " + std::to_string(i + 1) + ". " + describe(events[i]) + "\n";
    }
    return text;
}

}  // namespace model

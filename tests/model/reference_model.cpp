#include "tests/model/reference_model.h"

#include <cstdint>

namespace model {
namespace {

struct DieRule {
    std::uint64_t faces;
    bool countsFromOne;
    bool tens;
};

constexpr std::array<DieRule, 7> kDice{{
    {4, true, false},
    {6, true, false},
    {8, true, false},
    {10, false, true},
    {10, false, false},
    {12, true, false},
    {20, true, false},
}};

std::uint64_t dieValue(int die, std::uint32_t m) {
    const DieRule& rule = kDice.at(static_cast<std::size_t>(die));
    const std::uint64_t whole = (rule.faces * m) >> 24U;
    if (rule.tens) return whole * 10;
    return rule.countsFromOne ? whole + 1 : whole;
}

}  // namespace

std::string expectedDieText(int die, std::uint32_t m) {
    const std::uint64_t value = dieValue(die, m);
    if (kDice.at(static_cast<std::size_t>(die)).tens && value == 0) return "00";
    return std::to_string(value);
}

float expectedDieValue(int die, std::uint32_t m) {
    return static_cast<float>(dieValue(die, m));
}

bool ReferenceModel::canSend(const Event& event) const {
    if (state_.ended) return false;
    return event.window == Window::Form1 ? state_.form1Loaded : state_.form2Loaded;
}

void ReferenceModel::apply(const Event& event) {
    if (event.kind == Event::Kind::CloseFromFrame) {
        // No handler runs: the window just unloads, and no Global object is made.
        if (event.window == Window::Form1) {
            unloadForm1();
        } else {
            unloadForm2();
        }
        return;
    }
    if (event.window == Window::Form2) {
        if (event.control == "Label3") {
            state_.globalSlotFilled = true;
            unloadForm2();
        }
        return;  // labels 1 and 2 and the background have no handler
    }
    if (const int die = dieIndex(event.control); die >= 0) {
        ++state_.draws;
        state_.lastRoll = expectedDieValue(die, event.draw);
        state_.lists.at(static_cast<std::size_t>(die)).push_back(expectedDieText(die, event.draw));
    } else if (const int clear = clearIndex(event.control); clear == 7) {
        for (auto& list : state_.lists) list.clear();
    } else if (clear >= 0) {
        state_.lists.at(static_cast<std::size_t>(clear)).clear();
    } else if (event.control == "Command8") {
        if (event.answered && event.answer == 1) {
            state_.globalSlotFilled = true;
            unloadForm1();
        }
    } else if (event.control == "MENU") {
        state_.form2SlotFilled = true;
        if (!state_.form2Loaded) {
            state_.form2Loaded = true;
            ++state_.form2WindowsBuilt;
        }
    }
    // The lists, Image1 and the background have no handler.
}

void ReferenceModel::unloadForm1() {
    state_.form1Loaded = false;
    for (auto& list : state_.lists) list.clear();  // the histories go with the window
    endIfNoWindowIsLoaded();
}

void ReferenceModel::unloadForm2() {
    state_.form2Loaded = false;
    endIfNoWindowIsLoaded();
}

void ReferenceModel::endIfNoWindowIsLoaded() {
    if (state_.form1Loaded || state_.form2Loaded) return;
    state_.ended = true;
    state_.exitCode = 0;
}

}  // namespace model

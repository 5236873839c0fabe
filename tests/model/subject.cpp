#include "tests/model/subject.h"

#include <array>
#include <charconv>
#include <sstream>

namespace model {
namespace {

std::string join(const std::vector<std::string>& items) {
    std::string text = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i != 0) text += ", ";
        text += '"' + items[i] + '"';
    }
    return text + "]";
}

// Tells the first item where the two lists part, so long lists stay readable.
std::string listDifference(const std::vector<std::string>& expected,
                           const std::vector<std::string>& observed) {
    std::size_t same = 0;
    while (same < expected.size() && same < observed.size() && expected[same] == observed[same]) {
        ++same;
    }
    const auto tail = [same](const std::vector<std::string>& items) {
        return join(std::vector<std::string>(
            items.begin() + static_cast<std::ptrdiff_t>(std::min(same, items.size())),
            items.end()));
    };
    std::ostringstream text;
    text << "expected " << expected.size() << " items, got " << observed.size() << "; the first "
         << same << " agree, then expected " << tail(expected) << ", got " << tail(observed);
    return text.str();
}

// Once the slot was filled, it must hold that same object at every later look.
void remembered(std::weak_ptr<const void>& first, bool& seen,
                const std::shared_ptr<const void>& observed, const char* what,
                std::ostringstream& text) {
    if (!seen) {
        if (!observed) return;
        first = observed;
        seen = true;
        return;
    }
    const std::shared_ptr<const void> kept = first.lock();
    if (!kept || kept != observed) {
        text << what << ": the slot no longer holds the object it was first filled with\n";
    }
}

}  // namespace

void observeLastRollAndSlots(Observation& seen, const kestravo::Form1& form1,
                             runtime::Program& program) {
    const runtime::Variant& lastRoll = form1.lastRoll();
    if (lastRoll.type() == runtime::VarType::Empty) {
        seen.lastRoll = "Empty";
    } else if (lastRoll.type() == runtime::VarType::Single) {
        seen.lastRoll = lastRollText(lastRoll.single());
    } else {
        seen.lastRoll = "a Variant of another type";
    }
    const auto& processSlots = program.processState<kestravo::ProcessSlots>();
    seen.form2Instance = processSlots.form2;
    seen.globalObject = processSlots.global;
}

std::string lastRollText(const std::optional<float>& value) {
    if (!value) return "Empty";
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), *value);
    return "Single " + std::string(buffer.data(), result.ptr);
}

std::optional<std::string> Comparison::differences(const ModelState& expected,
                                                   const Observation& observed) {
    std::ostringstream text;
    for (std::size_t i = 0; i < expected.lists.size(); ++i) {
        if (expected.lists[i] != observed.lists[i]) {
            text << "List" << i + 1 << ": " << listDifference(expected.lists[i], observed.lists[i])
                 << "\n";
        }
    }
    const auto check = [&text](bool same, const char* what, const auto& want, const auto& got) {
        if (!same) text << what << ": expected " << want << ", got " << got << "\n";
    };
    // LastRoll lives with the Form1 instance; it is only read while the window is there.
    if (expected.form1Loaded) {
        const std::string wanted = lastRollText(expected.lastRoll);
        check(wanted == observed.lastRoll, "LastRoll", wanted, observed.lastRoll);
    }
    check(expected.form1Loaded == observed.form1Loaded, "Form1 loaded", expected.form1Loaded,
          observed.form1Loaded);
    check(expected.form2Loaded == observed.form2Loaded, "Form2 loaded", expected.form2Loaded,
          observed.form2Loaded);
    check(expected.form2Loaded == observed.form2Visible, "Form2 on screen", expected.form2Loaded,
          observed.form2Visible);
    check(expected.form2SlotFilled == (observed.form2Instance != nullptr), "Form2 slot filled",
          expected.form2SlotFilled, observed.form2Instance != nullptr);
    check(expected.globalSlotFilled == (observed.globalObject != nullptr), "Global slot filled",
          expected.globalSlotFilled, observed.globalObject != nullptr);
    remembered(form2Instance_, form2Seen_, observed.form2Instance, "Form2 instance", text);
    remembered(globalObject_, globalSeen_, observed.globalObject, "Global object", text);
    check(expected.ended == observed.ended, "program ended", expected.ended, observed.ended);
    if (expected.ended && observed.ended) {
        check(expected.exitCode == observed.exitCode, "exit code", expected.exitCode,
              observed.exitCode);
    }
    check(expected.draws == observed.draws, "generator values drawn", expected.draws,
          observed.draws);
    if (observed.form2WindowsBuilt) {
        check(expected.form2WindowsBuilt == *observed.form2WindowsBuilt, "Form2 windows built",
              expected.form2WindowsBuilt, *observed.form2WindowsBuilt);
    }
    check(observed.errorBoxes == 0, "error boxes", 0, observed.errorBoxes);
    check(observed.exitBoxesNotAsked == 0, "exit boxes that asked nothing", 0,
          observed.exitBoxesNotAsked);
    const std::string found = text.str();
    if (found.empty()) return std::nullopt;
    return found;
}

}  // namespace model

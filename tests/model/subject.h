#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "main_window/form1.h"
#include "runtime/program.h"
#include "tests/model/events.h"
#include "tests/model/reference_model.h"

namespace model {

// What the harness reads back from a running program after each event.
struct Observation {
    std::array<std::vector<std::string>, 7> lists;  // empty when Form1 is not loaded
    std::string lastRoll;                           // "Empty" or "Single <value>"
    bool form1Loaded = false;
    bool form2Loaded = false;
    bool form2Visible = false;
    std::shared_ptr<const void> form2Instance;  // the Form2 slot's object; none when empty
    std::shared_ptr<const void> globalObject;   // the Global slot's object; none when empty
    bool ended = false;
    int exitCode = 0;
    std::size_t draws = 0;
    std::optional<int> form2WindowsBuilt;  // where the platform lets it be counted
    std::size_t errorBoxes = 0;
    std::size_t exitBoxesNotAsked = 0;  // exit boxes that returned without an answer
};

// One program run that takes the person's events.
class Subject {
  public:
    virtual ~Subject() = default;
    // The event's window is loaded. A die's value is scripted into the generator first.
    virtual void send(const Event& event) = 0;
    virtual Observation observe() const = 0;
};

using SubjectFactory = std::function<std::unique_ptr<Subject>()>;

std::string lastRollText(const std::optional<float>& value);

// Reads what every platform reads alike: LastRoll and the two process slots.
void observeLastRollAndSlots(Observation& seen, const kestravo::Form1& form1,
                             runtime::Program& program);

// Compares one run's program with the model; remembers the slots' objects once filled, so
// that a slot whose object changes is caught. The weak references keep a replaced object's
// memory from being reused at the same address. Empty result: they agree.
class Comparison {
  public:
    std::optional<std::string> differences(const ModelState& expected, const Observation& observed);

  private:
    std::weak_ptr<const void> form2Instance_;
    std::weak_ptr<const void> globalObject_;
    bool form2Seen_ = false;
    bool globalSeen_ = false;
};

}  // namespace model

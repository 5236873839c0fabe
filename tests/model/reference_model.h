#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "tests/model/events.h"

namespace model {

// What a person sees of one program run, and the little they can't see but the program
// must keep: which slots are filled and how many values the generator gave.
struct ModelState {
    std::array<std::vector<std::string>, 7> lists;  // List1..List7; gone with Form1
    std::optional<float> lastRoll;                  // none: Empty
    bool form1Loaded = true;
    bool form2Loaded = false;
    bool form2SlotFilled = false;
    bool globalSlotFilled = false;
    bool ended = false;
    int exitCode = 0;
    std::size_t draws = 0;
    int form2WindowsBuilt = 0;
};

// The expected text of die `die` (0..6 in button order) for r = m / 2^24, worked out in
// integers: floor(N * m / 2^24) is exact there.
std::string expectedDieText(int die, std::uint32_t m);
// The number LastRoll holds after that roll.
float expectedDieValue(int die, std::uint32_t m);

// The behaviour of the two windows, told as plainly as possible.
class ReferenceModel {
  public:
    const ModelState& state() const { return state_; }
    ModelState& mutableState() { return state_; }

    // A person can only act on a loaded window of a running program.
    bool canSend(const Event& event) const;
    void apply(const Event& event);

  private:
    void unloadForm1();
    void unloadForm2();
    void endIfNoWindowIsLoaded();

    ModelState state_;
};

}  // namespace model

#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "tests/model/events.h"
#include "tests/model/reference_model.h"
#include "tests/model/subject.h"

namespace model {

// A small, fixed generator of the harness's own, so that a seed means the same sequence on
// every machine.
class SplitMix {
  public:
    explicit SplitMix(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    // Uniform in [0, bound).
    std::uint32_t below(std::uint32_t bound);

  private:
    std::uint64_t state_;
};

// Picks what a person might do next, given what is on screen.
class EventSource {
  public:
    explicit EventSource(std::uint64_t seed) : random_(seed) {}
    // A run begins: each run gets its own mix, so some runs let lists grow long.
    void newRun();
    Event next(const ModelState& state);

  private:
    Event form1Event();
    Event form2Event();
    std::uint32_t draw();
    std::int32_t otherAnswer();

    SplitMix random_;
    std::uint32_t clearWeight_ = 4;
    std::uint32_t exitWeight_ = 2;
};

struct Failure {
    std::size_t index = 0;     // the event after which they differed
    std::size_t runStart = 0;  // the first event of that program run
    std::string what;
};

// Sends the events that can be sent (others are skipped, as a person couldn't make them),
// starting a new program run whenever one ends; compares after every event.
std::optional<Failure> replay(const std::vector<Event>& events, const SubjectFactory& subjects);

struct DriveResult {
    std::size_t eventsSent = 0;
    std::size_t runs = 0;
    std::vector<Event> events;  // all of them, for shrinking
    std::optional<Failure> failure;
};

// Sends `count` random events from the seed, comparing after each one.
DriveResult drive(std::uint64_t seed, std::size_t count, const SubjectFactory& subjects);

// The kinds of event a sequence holds ("Form1 Command8 OK", "Form2 frame", "r=0" ...), and
// every kind a person can make, so that a driver that stops sending one is noticed.
std::set<std::string> eventKinds(const std::vector<Event>& events);
std::set<std::string> everyEventKind();

using FailureTest = std::function<std::optional<Failure>(const std::vector<Event>&)>;

// The failing run cut down: the shortest failing prefix of its own run, then single events
// removed while it still fails.
std::vector<Event> shrink(const std::vector<Event>& events, const FailureTest& fails);

// The failure told for a person: seed, where the runs parted, what differed, and the
// shortest failing sequence found by replaying on fresh subjects.
std::string failureReport(std::uint64_t seed, const DriveResult& result,
                          const SubjectFactory& subjects);

}  // namespace model

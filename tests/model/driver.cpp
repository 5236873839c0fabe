#include "tests/model/driver.h"

#include <array>
#include <limits>
#include <memory>
#include <utility>

namespace model {
namespace {

constexpr std::array<std::uint32_t, 6> kFaces{4, 6, 8, 10, 12, 20};
constexpr std::array<std::int32_t, 9> kOtherAnswers{0,
                                                    -1,
                                                    3,
                                                    6,
                                                    7,
                                                    32767,
                                                    65537,
                                                    std::numeric_limits<std::int32_t>::min(),
                                                    std::numeric_limits<std::int32_t>::max()};

struct Weighted {
    std::uint32_t weight;
    std::function<Event()> make;
};

Event click(Window window, std::string control) {
    Event event;
    event.window = window;
    event.control = std::move(control);
    return event;
}

Event frameClose(Window window) {
    Event event;
    event.kind = Event::Kind::CloseFromFrame;
    event.window = window;
    return event;
}

// One program run at a time, compared with a fresh model.
class Runner {
  public:
    explicit Runner(const SubjectFactory& subjects) : subjects_(subjects) {}

    // Starts a new run when none is going or the last one ended.
    std::optional<std::string> startIfNeeded(std::size_t index) {
        if (subject_ && !model_.state().ended) return std::nullopt;
        comparison_ = Comparison();
        subject_.reset();
        subject_ = subjects_();
        model_ = ReferenceModel();
        runStart_ = index;
        ++runs_;
        if (auto differs = comparison_.differences(model_.state(), subject_->observe())) {
            return "at the start of a run:\n" + *differs;
        }
        return std::nullopt;
    }

    std::optional<std::string> send(const Event& event) {
        subject_->send(event);
        model_.apply(event);
        return comparison_.differences(model_.state(), subject_->observe());
    }

    const ReferenceModel& model() const { return model_; }
    std::size_t runStart() const { return runStart_; }
    std::size_t runs() const { return runs_; }

  private:
    const SubjectFactory& subjects_;
    std::unique_ptr<Subject> subject_;
    ReferenceModel model_;
    Comparison comparison_;
    std::size_t runStart_ = 0;
    std::size_t runs_ = 0;
};

}  // namespace

std::uint64_t SplitMix::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31U);
}

std::uint32_t SplitMix::below(std::uint32_t bound) {
    return static_cast<std::uint32_t>(next() % bound);
}

void EventSource::newRun() {
    constexpr std::array<std::uint32_t, 3> kClearWeights{0, 4, 12};
    constexpr std::array<std::uint32_t, 2> kExitWeights{2, 20};
    clearWeight_ = kClearWeights[random_.below(kClearWeights.size())];
    exitWeight_ = kExitWeights[random_.below(kExitWeights.size())];
}

Event EventSource::next(const ModelState& state) {
    if (state.form1Loaded && (!state.form2Loaded || random_.below(5) != 0)) return form1Event();
    return form2Event();
}

std::uint32_t EventSource::draw() {
    const std::uint32_t kind = random_.below(20);
    if (kind == 0) return 0;
    if (kind == 1) return kDrawRange - 1;
    if (kind < 6) {
        // At or just below a whole multiple of 1/N, where single precision would go wrong.
        const std::uint64_t faces = kFaces[random_.below(kFaces.size())];
        const std::uint64_t k = 1 + random_.below(static_cast<std::uint32_t>(faces - 1));
        const std::uint64_t atMultiple = (k * kDrawRange + faces - 1) / faces;
        return static_cast<std::uint32_t>(atMultiple - random_.below(2));
    }
    return random_.below(kDrawRange);
}

std::int32_t EventSource::otherAnswer() {
    return kOtherAnswers[random_.below(kOtherAnswers.size())];
}

Event EventSource::form1Event() {
    const std::vector<Weighted> choices{
        {280,
         [this] {
             Event event = click(Window::Form1, "Command" + std::to_string(1 + random_.below(7)));
             event.draw = draw();
             return event;
         }},
        {7 * clearWeight_,
         [this] { return click(Window::Form1, "Command" + std::to_string(9 + random_.below(7))); }},
        {clearWeight_ / 2, [] { return click(Window::Form1, "Command16"); }},
        {exitWeight_,
         [this] {
             Event event = click(Window::Form1, "Command8");
             switch (random_.below(4)) {
                 case 0:
                     event.answered = true;
                     event.answer = 1;  // OK
                     break;
                 case 1:
                     event.answered = true;
                     event.answer = 2;  // Cancel
                     break;
                 case 2:
                     break;  // closed without a button
                 default:
                     event.answered = true;
                     event.answer = otherAnswer();
             }
             return event;
         }},
        {12, [] { return click(Window::Form1, "MENU"); }},
        {6, [this] { return click(Window::Form1, "List" + std::to_string(1 + random_.below(7))); }},
        {3, [] { return click(Window::Form1, "Image1"); }},
        {3, [] { return click(Window::Form1, "Form1"); }},
        {exitWeight_ / 2, [] { return frameClose(Window::Form1); }},
    };
    std::uint32_t total = 0;
    for (const auto& choice : choices) total += choice.weight;
    std::uint32_t pick = random_.below(total);
    for (const auto& choice : choices) {
        if (pick < choice.weight) return choice.make();
        pick -= choice.weight;
    }
    return choices.front().make();
}

Event EventSource::form2Event() {
    switch (random_.below(14)) {
        case 0:
        case 1:
        case 2:
            return click(Window::Form2, "Label1");
        case 3:
        case 4:
        case 5:
            return click(Window::Form2, "Label2");
        case 6:
        case 7:
            return click(Window::Form2, "Form2");
        case 8:
        case 9:
            return frameClose(Window::Form2);
        default:
            return click(Window::Form2, "Label3");
    }
}

std::optional<Failure> replay(const std::vector<Event>& events, const SubjectFactory& subjects) {
    Runner runner(subjects);
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (auto differs = runner.startIfNeeded(i)) return Failure{i, i, *differs};
        if (!runner.model().canSend(events[i])) continue;
        if (auto differs = runner.send(events[i])) {
            return Failure{i, runner.runStart(), *differs};
        }
    }
    return std::nullopt;
}

DriveResult drive(std::uint64_t seed, std::size_t count, const SubjectFactory& subjects) {
    DriveResult result;
    EventSource source(seed);
    Runner runner(subjects);
    std::size_t runsSeen = 0;
    while (result.events.size() < count) {
        const std::size_t index = result.events.size();
        if (auto differs = runner.startIfNeeded(index)) {
            result.failure = Failure{index, index, *differs};
            break;
        }
        if (runner.runs() != runsSeen) {
            runsSeen = runner.runs();
            source.newRun();
        }
        result.events.push_back(source.next(runner.model().state()));
        ++result.eventsSent;
        if (auto differs = runner.send(result.events.back())) {
            result.failure = Failure{index, runner.runStart(), *differs};
            break;
        }
    }
    result.runs = runner.runs();
    return result;
}

std::set<std::string> eventKinds(const std::vector<Event>& events) {
    std::set<std::string> kinds;
    for (const Event& event : events) {
        std::string kind(windowName(event.window));
        kind += event.kind == Event::Kind::CloseFromFrame ? " frame" : " " + event.control;
        if (event.control == "Command8") {
            kind += !event.answered     ? " closed"
                    : event.answer == 1 ? " OK"
                    : event.answer == 2 ? " Cancel"
                                        : " other";
        }
        if (dieIndex(event.control) >= 0 && event.draw == 0) kinds.insert("r=0");
        if (dieIndex(event.control) >= 0 && event.draw == kDrawRange - 1) kinds.insert("r=1-2^-24");
        kinds.insert(kind);
    }
    return kinds;
}

std::set<std::string> everyEventKind() {
    std::set<std::string> kinds{"r=0",
                                "r=1-2^-24",
                                "Form1 frame",
                                "Form2 frame",
                                "Form1 MENU",
                                "Form1 Image1",
                                "Form1 Form1",
                                "Form2 Label1",
                                "Form2 Label2",
                                "Form2 Label3",
                                "Form2 Form2",
                                "Form1 Command8 OK",
                                "Form1 Command8 Cancel",
                                "Form1 Command8 closed",
                                "Form1 Command8 other"};
    for (int i = 1; i <= 16; ++i) {
        if (i != 8) kinds.insert("Form1 Command" + std::to_string(i));
    }
    for (int i = 1; i <= 7; ++i) kinds.insert("Form1 List" + std::to_string(i));
    return kinds;
}

std::vector<Event> shrink(const std::vector<Event>& events, const FailureTest& fails) {
    const auto cut = [](const std::vector<Event>& sequence, const Failure& failure) {
        return std::vector<Event>(
            sequence.begin() + static_cast<std::ptrdiff_t>(failure.runStart),
            sequence.begin() + static_cast<std::ptrdiff_t>(failure.index + 1));
    };
    std::optional<Failure> failure = fails(events);
    if (!failure) return events;
    std::vector<Event> shortest = cut(events, *failure);
    // Each try replays the sequence once; this bound keeps a long failing run affordable.
    constexpr std::size_t kMaxTries = 4000;
    std::size_t tries = 0;
    for (std::size_t i = shortest.size(); i-- > 0 && tries < kMaxTries; ++tries) {
        std::vector<Event> candidate = shortest;
        candidate.erase(candidate.begin() + static_cast<std::ptrdiff_t>(i));
        if (const auto still = fails(candidate)) {
            shortest = cut(candidate, *still);
            i = std::min(i, shortest.size());
        }
    }
    return shortest;
}

std::string failureReport(std::uint64_t seed, const DriveResult& result,
                          const SubjectFactory& subjects) {
    if (!result.failure) return {};
    const auto fails = [&subjects](const std::vector<Event>& events) {
        return replay(events, subjects);
    };
    const std::vector<Event> shortest = shrink(result.events, fails);
    const auto again = fails(shortest);
    return "seed " + std::to_string(seed) + ": program and model differ after event " +
           std::to_string(result.failure->index + 1) + ":\n" + result.failure->what +
           "shortest failing sequence (" + std::to_string(shortest.size()) + " events):\n" +
           describe(shortest) + (again ? "which gives:\n" + again->what : std::string());
}

}  // namespace model

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>

#include "tests/model/driver.h"
#include "tests/model/fake_subject.h"
#include "tests/model/model_seed.h"

namespace {

using model::Event;

TEST(ModelBased, OneHundredThousandEventsAgreeWithTheModel) {
    const std::uint64_t seed = model::seed();
    std::cout << "model seed " << seed << " (set " << model::kSeedVariable << " to replay)\n";
    constexpr std::size_t kEvents = 100000;
    const model::DriveResult result = model::drive(seed, kEvents, model::fakeSubjects());
    if (result.failure) {
        const auto fails = [](const std::vector<Event>& events) {
            return model::replay(events, model::fakeSubjects());
        };
        const std::vector<Event> shortest = model::shrink(result.events, fails);
        const auto again = fails(shortest);
        FAIL() << "seed " << seed << ": program and model differ after event "
               << result.failure->index + 1 << ":\n"
               << result.failure->what << "shortest failing sequence (" << shortest.size()
               << " events):\n"
               << model::describe(shortest) << (again ? again->what : std::string());
    }
    EXPECT_EQ(result.eventsSent, kEvents);
    std::cout << result.runs << " program runs\n";

    const std::set<std::string> expected = model::everyEventKind();
    const std::set<std::string> sent = model::eventKinds(result.events);
    for (const std::string& kind : expected) EXPECT_EQ(sent.count(kind), 1U) << kind;
}

}  // namespace

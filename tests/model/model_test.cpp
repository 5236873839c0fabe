#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <set>
#include <string>

#include "tests/model/driver.h"
#include "tests/model/fake_subject.h"
#include "tests/model/model_seed.h"

namespace {

TEST(ModelBased, OneHundredThousandEventsAgreeWithTheModel) {
    const std::uint64_t seed = model::seed();
    std::cout << "model seed " << seed << " (set " << model::kSeedVariable << " to replay)\n";
    constexpr std::size_t kEvents = 100000;
    const model::DriveResult result = model::drive(seed, kEvents, model::fakeSubjects());
    if (result.failure) FAIL() << model::failureReport(seed, result, model::fakeSubjects());
    EXPECT_EQ(result.eventsSent, kEvents);
    std::cout << result.runs << " program runs\n";

    const std::set<std::string> expected = model::everyEventKind();
    const std::set<std::string> sent = model::eventKinds(result.events);
    for (const std::string& kind : expected) EXPECT_EQ(sent.count(kind), 1U) << kind;
}

}  // namespace

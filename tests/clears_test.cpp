#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>

#include "tests/support/form1_controls.h"
#include "tests/support/program_fixture.h"

namespace {

using testing_support::Call;
using testing_support::ProgramFixture;

using testing_support::kDiceButtons;
using testing_support::kResultLists;

struct ClearCase {
    const char* button;
    std::vector<std::string> clears;  // in order
};

const ClearCase kClearCases[] = {
    {"Command9", {"List1"}},
    {"Command10", {"List2"}},
    {"Command11", {"List3"}},
    {"Command12", {"List4"}},
    {"Command13", {"List5"}},
    {"Command14", {"List6"}},
    {"Command15", {"List7"}},
    {"Command16", {"List1", "List2", "List3", "List4", "List5", "List6", "List7"}},
};

class ClearTable : public ProgramFixture, public ::testing::WithParamInterface<ClearCase> {
  protected:
    // Two rolls in every list: 0 and then 0.5 on each die.
    void fillEveryList() {
        for (const float r : {0.0f, 0.5f}) {
            for (const char* die : kDiceButtons) {
                draw(r);
                click(die);
            }
        }
    }
};

TEST_P(ClearTable, EmptiesItsListsInOrderAndNothingElse) {
    const ClearCase& clear = GetParam();
    fillEveryList();
    const runtime::Variant lastRoll = form1->lastRoll();
    const std::size_t drawsBefore = draws;
    backend.forgetCalls();
    click(clear.button);

    std::vector<std::string> expectedCalls;
    for (const auto& name : clear.clears) expectedCalls.push_back("Clear " + name);
    EXPECT_EQ(backend.calls(), expectedCalls);
    const std::set<std::string> cleared(clear.clears.begin(), clear.clears.end());
    for (std::size_t i = 0; i < kResultLists.size(); ++i) {
        const auto items = list(kResultLists[i]);
        if (cleared.count(kResultLists[i]) != 0) {
            EXPECT_TRUE(items.empty()) << kResultLists[i];
        } else {
            EXPECT_EQ(items.size(), 2U) << kResultLists[i];
        }
    }
    if (cleared.count("List4") == 0) {
        EXPECT_EQ(list("List4"), (std::vector<std::string>{"00", "50"}));
    }
    EXPECT_EQ(form1->lastRoll(), lastRoll);
    EXPECT_EQ(draws, drawsBefore);
}

INSTANTIATE_TEST_SUITE_P(Buttons, ClearTable, ::testing::ValuesIn(kClearCases));

TEST_F(ProgramFixture, ClearingEmptyListsStillCallsClearEveryTime) {
    click("Command16");
    click("Command15");
    EXPECT_EQ(backend.calls().size(), 8U);
    EXPECT_EQ(backend.calls().back(), "Clear List7");
    for (const char* name : kResultLists) EXPECT_TRUE(list(name).empty());
    EXPECT_TRUE(backend.errorsShown().empty());
}

TEST_F(ProgramFixture, AFailedClearInRefreshAllStopsThereAndEndsTheProgram) {
    for (const char* die : kDiceButtons) click(die);
    backend.failNext(Call::Clear, "List4", runtime::kFail);
    click("Command16");
    ASSERT_EQ(backend.errorsShown().size(), 1U);
    const auto& state = backend.listsAtError();
    for (const char* name : {"List1", "List2", "List3"}) {
        EXPECT_TRUE(state.at(std::string("Form1.") + name).empty()) << name;
    }
    for (const char* name : {"List4", "List5", "List6", "List7"}) {
        EXPECT_EQ(state.at(std::string("Form1.") + name).size(), 1U) << name;
    }
    EXPECT_EQ(backend.calls().back(), "Quit 1");
    EXPECT_EQ(std::count(backend.calls().begin(), backend.calls().end(), "Clear List5"), 0);
    EXPECT_FALSE(backend.isLoaded("Form1"));
}

TEST_F(ProgramFixture, TheRollAfterAClearIsTheNextValueOfTheSequence) {
    for (const float r : {0.0f, 0.5f, 0.975f}) draw(r);
    click("Command7");
    click("Command7");
    click("Command15");
    click("Command7");
    EXPECT_EQ(list("List7"), std::vector<std::string>{"20"});
}

}  // namespace

#include <gtest/gtest.h>

#include <array>
#include <cfenv>
#include <cmath>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "runtime/generator.h"
#include "tests/support/form1_controls.h"
#include "tests/support/program_fixture.h"

namespace {

using runtime::VarType;
using testing_support::Call;
using testing_support::FakeBackend;
using testing_support::ProgramFixture;

using testing_support::kDiceButtons;
using testing_support::kResultLists;

struct RollCase {
    float r;
    std::array<const char*, 7> texts;  // D4, D6, D8, tens D10, units D10, D12, D20
};

const float kLargestBelowOne = 1.0f - std::ldexp(1.0f, -24);

const RollCase kRollCases[] = {
    {0.0f, {"1", "1", "1", "00", "0", "1", "1"}},
    {kLargestBelowOne, {"4", "6", "8", "90", "9", "12", "20"}},
    {0.5f, {"3", "4", "5", "50", "5", "7", "11"}},
    {0.25f, {"2", "2", "3", "20", "2", "4", "6"}},
    {std::nextafter(0.5f, 0.0f), {"2", "3", "4", "40", "4", "6", "10"}},
    {std::nextafter(0.25f, 0.0f), {"1", "2", "2", "20", "2", "3", "5"}},
    {0.1f, {"1", "1", "1", "10", "1", "2", "3"}},
    {0.7f, {"3", "5", "6", "60", "6", "9", "14"}},
    {0.9f, {"4", "6", "8", "80", "8", "11", "18"}},
};

class RollTable : public ProgramFixture, public ::testing::WithParamInterface<RollCase> {};

TEST_P(RollTable, EachDieAppendsItsTextAndKeepsTheNumberInLastRoll) {
    const RollCase& roll = GetParam();
    for (std::size_t die = 0; die < kDiceButtons.size(); ++die) {
        draw(roll.r);
        click(kDiceButtons[die]);
        EXPECT_EQ(list(kResultLists[die]), std::vector<std::string>{roll.texts[die]})
            << kDiceButtons[die];
        ASSERT_EQ(form1->lastRoll().type(), VarType::Single);
        EXPECT_EQ(form1->lastRoll().single(), std::stof(roll.texts[die])) << kDiceButtons[die];
    }
    EXPECT_EQ(draws, kDiceButtons.size());
    EXPECT_TRUE(backend.errorsShown().empty());
}

INSTANTIATE_TEST_SUITE_P(GeneratorValues, RollTable, ::testing::ValuesIn(kRollCases));

// A die's faces as its list shows them: count values from first, step apart; the tens die's
// zero reads "00".
struct Faces {
    const char* die;
    int count;
    int first;
    int step;

    std::string text(int face) const {
        const int value = first + face * step;
        return value == 0 && step == 10 ? "00" : std::to_string(value);
    }
};

// In button order.
constexpr std::array<Faces, 7> kFaces{{
    {"D4", 4, 1, 1},
    {"D6", 6, 1, 1},
    {"D8", 8, 1, 1},
    {"tens D10", 10, 0, 10},
    {"units D10", 10, 0, 1},
    {"D12", 12, 1, 1},
    {"D20", 20, 1, 1},
}};

// The real generator from a fixed seed, through each die's own arithmetic: every face comes up
// about equally often. A uniform die exceeds the bound, 2 * (faces - 1) + 30, with a
// probability below one in a million, so only a skewed generator or roll fails it.
TEST(DiceOnTheRealGenerator, EveryFaceComesUpAboutEquallyOften) {
    constexpr int kRollsPerFace = 5000;
    FakeBackend backend;
    runtime::Program program(backend, "KESTRAVO",
                             {std::make_unique<runtime::Xoshiro128Generator>(2004), nullptr});
    const auto form1 = testing_support::showMainWindow(program);
    for (std::size_t die = 0; die < kDiceButtons.size(); ++die) {
        const Faces& faces = kFaces[die];
        for (int roll = 0; roll < faces.count * kRollsPerFace; ++roll) {
            backend.click("Form1", kDiceButtons[die]);
        }
        std::map<std::string, int> counts;
        for (const std::string& text : backend.items("Form1", kResultLists[die])) ++counts[text];
        double chiSquare = 0;
        int onFaces = 0;
        std::ostringstream seen;
        for (int face = 0; face < faces.count; ++face) {
            const int observed = counts[faces.text(face)];
            const double off = observed - kRollsPerFace;
            chiSquare += off * off / kRollsPerFace;
            onFaces += observed;
            seen << ' ' << faces.text(face) << ':' << observed;
        }
        EXPECT_EQ(onFaces, faces.count * kRollsPerFace) << faces.die << " rolled other texts";
        EXPECT_LT(chiSquare, 2.0 * (faces.count - 1) + 30)
            << faces.die << " is not uniform; counts" << seen.str();
    }
    EXPECT_TRUE(backend.errorsShown().empty());
}

TEST_F(ProgramFixture, StartsWithEmptyListsAndAnEmptyLastRoll) {
    for (const char* name : kResultLists) EXPECT_TRUE(list(name).empty()) << name;
    EXPECT_EQ(form1->lastRoll().type(), VarType::Empty);
    EXPECT_FALSE(slots().form2);
    EXPECT_EQ(draws, 0U);
}

TEST_F(ProgramFixture, EachListKeepsItsOwnDiesRollsInClickOrder) {
    for (const float r : {0.0f, 0.9f, 0.0f}) draw(r);
    click("Command1");
    click("Command7");
    click("Command1");
    EXPECT_EQ(list("List1"), (std::vector<std::string>{"1", "1"}));
    EXPECT_EQ(list("List7"), (std::vector<std::string>{"18"}));
    EXPECT_EQ(form1->lastRoll().single(), 1.0f);
}

TEST_F(ProgramFixture, TensAndUnitsAreNeverSummed) {
    draw(0.35f);
    draw(0.71f);
    click("Command4");
    click("Command5");
    EXPECT_EQ(list("List4"), std::vector<std::string>{"30"});
    EXPECT_EQ(list("List5"), std::vector<std::string>{"7"});
    EXPECT_EQ(form1->lastRoll().single(), 7.0f);
}

TEST_F(ProgramFixture, TensZeroShowsAsDoubleZeroButLastRollHoldsTheNumber) {
    click("Command4");
    click("Command4");
    EXPECT_EQ(list("List4"), (std::vector<std::string>{"00", "00"}));
    ASSERT_EQ(form1->lastRoll().type(), VarType::Single);
    EXPECT_EQ(form1->lastRoll().single(), 0.0f);
}

TEST_F(ProgramFixture, ClicksOutsideTheButtonsRunNothing) {
    draw(0.5f);
    click("Command2");
    for (const char* control : {"List1", "List2", "Image1", "Form1"}) click(control);
    EXPECT_EQ(draws, 1U);
    EXPECT_EQ(list("List2"), std::vector<std::string>{"4"});
    EXPECT_EQ(form1->lastRoll().single(), 4.0f);
}

TEST_F(ProgramFixture, AFailedAddItemEndsTheProgramWithTheRollOnlyInLastRoll) {
    backend.failNext(Call::AddItem, "List6", runtime::kOutOfMemory);
    draw(0.5f);
    click("Command6");
    ASSERT_EQ(backend.errorsShown().size(), 1U);
    EXPECT_EQ(backend.errorsShown()[0].number(), runtime::errors::kOutOfMemory);
    EXPECT_TRUE(backend.listsAtError().at("Form1.List6").empty());
    EXPECT_EQ(form1->lastRoll().single(), 7.0f);
    EXPECT_EQ(backend.quitCode(), runtime::kRunTimeErrorExitCode);
    EXPECT_FALSE(backend.isLoaded("Form1"));
}

TEST_F(ProgramFixture, AnErrorBoxThatCannotBeShownBecomesOneLineAndStillEndsEverything) {
    click("MENU");
    ASSERT_TRUE(backend.isLoaded("Form2"));
    backend.refuseErrorBox();
    backend.failNext(Call::AddItem, "List1", runtime::kOutOfMemory);
    draw(0.5f);
    testing::internal::CaptureStderr();
    click("Command1");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Run-time error '7': Out of memory\n");
    EXPECT_EQ(backend.errorsShown().size(), 1U);
    EXPECT_EQ(backend.quitCode(), runtime::kRunTimeErrorExitCode);
    EXPECT_FALSE(backend.isLoaded("Form1"));
    EXPECT_FALSE(backend.isLoaded("Form2"));
}

TEST_F(ProgramFixture, AFlagFoundSetStopsTheRollBeforeLastRollOrTheList) {
    draw(0.5f);
    click("Command3");
    failFlagTest(2);
    draw(0.9f);
    click("Command7");
    ASSERT_EQ(backend.errorsShown().size(), 1U);
    EXPECT_EQ(backend.errorsShown()[0].number(), runtime::errors::kOverflow);
    EXPECT_EQ(form1->lastRoll().single(), 5.0f);
    EXPECT_TRUE(backend.listsAtError().at("Form1.List7").empty());
    EXPECT_EQ(draws, 2U);
    EXPECT_EQ(backend.quitCode(), runtime::kRunTimeErrorExitCode);
}

TEST_F(ProgramFixture, TheTensDiesSecondFlagTestAlsoGuardsLastRollAndTheList) {
    draw(0.5f);
    click("Command4");
    failFlagTest(4);  // the first click made tests 1 and 2; this is the second of the next
    draw(0.9f);
    click("Command4");
    ASSERT_EQ(backend.errorsShown().size(), 1U);
    EXPECT_EQ(form1->lastRoll().single(), 50.0f);
    EXPECT_EQ(backend.listsAtError().at("Form1.List4"), std::vector<std::string>{"50"});
}

TEST_F(ProgramFixture, FlagsThePlatformLeftBetweenEventsDoNotFailARoll) {
    std::feraiseexcept(FE_INVALID | FE_OVERFLOW | FE_DIVBYZERO);
    click("Command1");
    EXPECT_TRUE(backend.errorsShown().empty());
    EXPECT_EQ(list("List1"), std::vector<std::string>{"1"});
}

TEST_F(ProgramFixture, FlagsLeftByAListCallAreClearedBeforeTheNextRoll) {
    backend.raiseFlagsInCalls(true);
    click("Command1");
    click("Command1");
    EXPECT_TRUE(backend.errorsShown().empty());
    EXPECT_EQ(list("List1").size(), 2U);
}

}  // namespace

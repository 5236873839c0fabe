#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/program_fixture.h"

namespace {

using testing_support::Call;
using testing_support::ProgramFixture;

constexpr std::array<const char*, 7> kDice{"Command1", "Command2", "Command3", "Command4",
                                           "Command5", "Command6", "Command7"};
constexpr std::array<const char*, 7> kDieNames{"D4",       "D6",  "D8", "TensD10",
                                               "UnitsD10", "D12", "D20"};
// Every list holds one roll of r = 0.5 before the failure; the D20's 11 is in LastRoll.
const std::array<std::string, 7> kBefore{"3", "4", "5", "50", "5", "7", "11"};
constexpr float kLastRollBefore = 11.0f;
// The rolls of r = 0.25 that the failing clicks draw.
const std::array<std::string, 7> kAtQuarter{"2", "2", "3", "20", "2", "4", "6"};

std::string listName(std::size_t index) {
    return "List" + std::to_string(index + 1);
}

class FaultTable;

struct FaultCase {
    std::string name;
    std::function<void(FaultTable&)> act;  // injects the fault and does what the user does
    std::vector<std::string> callsUntilError = {};
    std::int32_t errorNumber;
    std::size_t listsEmptied = 0;        // lists 1..n already empty at the error
    std::optional<float> lastRoll = {};  // none: as before the click
    std::size_t draws = 0;               // values drawn by the failing click
    bool form2SlotFilled = false;
    bool globalSlotFilled = false;
};

void PrintTo(const FaultCase& fault, std::ostream* out) {
    *out << fault.name;
}

class FaultTable : public ProgramFixture, public ::testing::WithParamInterface<FaultCase> {
  public:
    void rollAtQuarter(std::size_t die) {
        draw(0.25f);
        click(kDice[die]);
    }
    void failFlagTestOfNextClick(std::size_t number) { failFlagTest(flagTests + number); }
    using ProgramFixture::backend;
    using ProgramFixture::click;
    using ProgramFixture::draw;
};

std::vector<FaultCase> faultCases() {
    std::vector<FaultCase> cases;
    for (std::size_t die = 0; die < kDice.size(); ++die) {
        cases.push_back({.name = std::string("AddItemOf") + kDieNames[die],
                         .act =
                             [die](FaultTable& table) {
                                 table.backend.failNext(Call::AddItem, listName(die),
                                                        runtime::kOutOfMemory);
                                 table.rollAtQuarter(die);
                             },
                         .callsUntilError = {"AddItem " + listName(die) + " " + kAtQuarter[die]},
                         .errorNumber = runtime::errors::kOutOfMemory,
                         .lastRoll = std::stof(kAtQuarter[die]),
                         .draws = 1});
    }
    cases.push_back({.name = "AddItemOfTheTensZero",
                     .act =
                         [](FaultTable& table) {
                             table.backend.failNext(Call::AddItem, "List4", runtime::kFail);
                             table.draw(0.0f);
                             table.click("Command4");
                         },
                     .callsUntilError = {"AddItem List4 00"},
                     .errorNumber = runtime::kFail,
                     .lastRoll = 0.0f,
                     .draws = 1});
    for (std::size_t list = 0; list < 7; ++list) {
        cases.push_back({.name = "ClearBy" + std::string("Command") + std::to_string(list + 9),
                         .act =
                             [list](FaultTable& table) {
                                 table.backend.failNext(Call::Clear, listName(list),
                                                        runtime::kFail);
                                 table.click("Command" + std::to_string(list + 9));
                             },
                         .callsUntilError = {"Clear " + listName(list)},
                         .errorNumber = runtime::kFail});
    }
    for (std::size_t position = 0; position < 7; ++position) {
        FaultCase refreshAll{.name = "RefreshAllAt" + listName(position),
                             .act =
                                 [position](FaultTable& table) {
                                     table.backend.failNext(Call::Clear, listName(position),
                                                            runtime::kOutOfMemory);
                                     table.click("Command16");
                                 },
                             .errorNumber = runtime::errors::kOutOfMemory,
                             .listsEmptied = position};
        for (std::size_t list = 0; list <= position; ++list) {
            refreshAll.callsUntilError.push_back("Clear " + listName(list));
        }
        cases.push_back(refreshAll);
    }
    cases.push_back({.name = "VisiblePutOfTheInformationWindow",
                     .act =
                         [](FaultTable& table) {
                             table.backend.failNext(Call::SetVisible, "Form2",
                                                    runtime::kOutOfMemory);
                             table.click("MENU");
                         },
                     .callsUntilError = {"Visible Form2"},
                     .errorNumber = runtime::errors::kOutOfMemory,
                     .form2SlotFilled = true});
    cases.push_back({.name = "UnloadByEsciAndOk",
                     .act =
                         [](FaultTable& table) {
                             table.backend.failNext(Call::Close, "Form1", runtime::kFail);
                             table.backend.answer(runtime::kAnswerOk);
                             table.click("Command8");
                         },
                     .callsUntilError = {"MsgBox USCITA: VUOI VERAMENTE USCIRE?", "Close Form1"},
                     .errorNumber = runtime::kFail,
                     .globalSlotFilled = true});
    cases.push_back({.name = "UnloadByLabel3",
                     .act =
                         [](FaultTable& table) {
                             table.click("MENU");
                             table.backend.failNext(Call::Close, "Form2", runtime::kFail);
                             table.backend.click("Form2", "Label3");
                         },
                     .callsUntilError = {"Visible Form2", "Close Form2"},
                     .errorNumber = runtime::kFail,
                     .form2SlotFilled = true,
                     .globalSlotFilled = true});
    cases.push_back({.name = "UnloadOfTheMainWindowFromItsFrame",
                     .act =
                         [](FaultTable& table) {
                             table.backend.failNext(Call::Close, "Form1", runtime::kFail);
                             table.backend.closeFromFrame("Form1");
                         },
                     .callsUntilError = {"Close Form1"},
                     .errorNumber = runtime::kFail});
    cases.push_back({.name = "UnloadOfTheInformationWindowFromItsFrame",
                     .act =
                         [](FaultTable& table) {
                             table.click("MENU");
                             table.backend.failNext(Call::Close, "Form2", runtime::kFail);
                             table.backend.closeFromFrame("Form2");
                         },
                     .callsUntilError = {"Visible Form2", "Close Form2"},
                     .errorNumber = runtime::kFail,
                     .form2SlotFilled = true});
    for (std::size_t die = 0; die < kDice.size(); ++die) {
        cases.push_back({.name = std::string("FirstFlagTestOf") + kDieNames[die],
                         .act =
                             [die](FaultTable& table) {
                                 table.failFlagTestOfNextClick(1);
                                 table.rollAtQuarter(die);
                             },
                         .errorNumber = runtime::errors::kOverflow,
                         .draws = 1});
    }
    cases.push_back({.name = "SecondFlagTestOfTheTensD10",
                     .act =
                         [](FaultTable& table) {
                             table.failFlagTestOfNextClick(2);
                             table.rollAtQuarter(3);
                         },
                     .errorNumber = runtime::errors::kOverflow,
                     .draws = 1});
    return cases;
}

TEST_P(FaultTable, EndsInTheErrorBoxWithTheStateAtTheMomentOfFailure) {
    const FaultCase& fault = GetParam();
    for (std::size_t die = 0; die < kDice.size(); ++die) {
        draw(0.5f);
        click(kDice[die]);
        ASSERT_EQ(list(listName(die)), std::vector<std::string>{kBefore[die]});
    }
    ASSERT_EQ(form1->lastRoll().single(), kLastRollBefore);
    const std::size_t drawsBefore = draws;
    backend.forgetCalls();

    fault.act(*this);

    // The failing call is the last one made: tried once, nothing after it but the end.
    std::vector<std::string> calls = fault.callsUntilError;
    calls.push_back("ErrorBox " + std::to_string(fault.errorNumber));
    calls.push_back("Quit " + std::to_string(runtime::kRunTimeErrorExitCode));
    EXPECT_EQ(backend.calls(), calls);
    ASSERT_EQ(backend.errorsShown().size(), 1U);
    EXPECT_EQ(backend.errorsShown()[0].number(), fault.errorNumber);
    EXPECT_EQ(backend.quitCode(), runtime::kRunTimeErrorExitCode);
    EXPECT_TRUE(program->ended());
    EXPECT_EQ(program->exitCode(), runtime::kRunTimeErrorExitCode);

    // What the main window showed while the error box was up.
    const auto& shown = backend.listsAtError();
    for (std::size_t list = 0; list < kBefore.size(); ++list) {
        const auto found = shown.find("Form1." + listName(list));
        ASSERT_NE(found, shown.end()) << listName(list);
        const std::vector<std::string> expected = list < fault.listsEmptied
                                                      ? std::vector<std::string>{}
                                                      : std::vector<std::string>{kBefore[list]};
        EXPECT_EQ(found->second, expected) << listName(list);
    }
    ASSERT_EQ(form1->lastRoll().type(), runtime::VarType::Single);
    EXPECT_EQ(form1->lastRoll().single(), fault.lastRoll.value_or(kLastRollBefore));
    EXPECT_EQ(draws - drawsBefore, fault.draws);
    EXPECT_EQ(static_cast<bool>(slots().form2), fault.form2SlotFilled);
    EXPECT_EQ(static_cast<bool>(slots().global), fault.globalSlotFilled);

    // The error ends the program with every window.
    EXPECT_FALSE(backend.isLoaded("Form1"));
    EXPECT_FALSE(backend.isLoaded("Form2"));
    EXPECT_FALSE(form1->loaded());
    EXPECT_EQ(program->loadedWindowCount(), 0U);
}

INSTANTIATE_TEST_SUITE_P(EveryTestedCall, FaultTable, ::testing::ValuesIn(faultCases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace

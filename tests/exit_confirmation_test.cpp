#include <gtest/gtest.h>

#include <string>

#include "tests/support/program_fixture.h"

namespace {

using testing_support::Call;
using testing_support::ProgramFixture;

class AnswerOtherThanOk : public ProgramFixture, public ::testing::WithParamInterface<int> {};

TEST_P(AnswerOtherThanOk, LeavesEverythingAsItWasAndAsksAgainNextTime) {
    draw(0.5f);
    click("Command1");
    backend.forgetCalls();
    backend.answer(GetParam());
    click("Command8");
    click("Command8");  // no answer left: the box was closed, which answers Cancel
    EXPECT_EQ(backend.calls(), (std::vector<std::string>{"MsgBox USCITA: VUOI VERAMENTE USCIRE?",
                                                         "MsgBox USCITA: VUOI VERAMENTE USCIRE?"}));
    EXPECT_EQ(backend.messageBoxButtons(), runtime::kOkCancel);
    EXPECT_TRUE(backend.isLoaded("Form1"));
    EXPECT_EQ(list("List1"), std::vector<std::string>{"3"});
    EXPECT_EQ(form1->lastRoll().single(), 3.0f);
    EXPECT_FALSE(slots().global);
    EXPECT_FALSE(backend.quitCode());
}

INSTANTIATE_TEST_SUITE_P(Answers, AnswerOtherThanOk,
                         ::testing::Values(runtime::kAnswerCancel, 0, 7, -1));

TEST_F(ProgramFixture, OkUnloadsTheMainWindowAndEndsTheProgram) {
    backend.answer(runtime::kAnswerCancel);
    click("Command8");
    EXPECT_FALSE(slots().global);
    backend.answer(runtime::kAnswerOk);
    click("Command8");
    EXPECT_FALSE(backend.isLoaded("Form1"));
    EXPECT_FALSE(form1->loaded());
    EXPECT_TRUE(slots().global);
    EXPECT_EQ(backend.quitCode(), 0);
    EXPECT_TRUE(program->ended());
    EXPECT_TRUE(backend.errorsShown().empty());
}

TEST_F(ProgramFixture, AFailedUnloadEndsTheProgramThroughTheErrorBox) {
    backend.failNext(Call::Close, "Form1", runtime::kFail);
    backend.answer(runtime::kAnswerOk);
    click("Command8");
    ASSERT_EQ(backend.errorsShown().size(), 1U);
    EXPECT_EQ(backend.errorsShown()[0].number(), runtime::kFail);
    EXPECT_EQ(backend.quitCode(), runtime::kRunTimeErrorExitCode);
    EXPECT_FALSE(backend.isLoaded("Form1"));
}

TEST_F(ProgramFixture, ClosingFromTheFrameUnloadsWithoutAsking) {
    click("Command5");
    backend.closeFromFrame("Form1");
    EXPECT_EQ(backend.calls(),
              (std::vector<std::string>{"AddItem List5 0", "Close Form1", "Quit 0"}));
    EXPECT_FALSE(slots().global);
}

}  // namespace

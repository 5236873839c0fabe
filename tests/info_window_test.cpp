#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "info_window/form2.h"
#include "tests/support/program_fixture.h"

namespace {

using testing_support::Call;
using testing_support::ProgramFixture;

class InformationWindow : public ProgramFixture {
  protected:
    void open() { click("MENU"); }
    void closeInformation() { backend.click("Form2", "Label3"); }
};

TEST_F(InformationWindow, OpensOnceReopensFreshAndKeepsOneInstance) {
    open();
    const auto instance = slots().form2;
    ASSERT_TRUE(instance);
    EXPECT_TRUE(backend.isVisible("Form2"));
    open();
    EXPECT_EQ(slots().form2, instance);
    EXPECT_EQ(backend.windowsCreated("Form2"), 1);

    closeInformation();
    EXPECT_FALSE(backend.isLoaded("Form2"));
    EXPECT_EQ(slots().form2, instance);
    EXPECT_FALSE(program->ended());

    open();
    EXPECT_TRUE(backend.isVisible("Form2"));
    EXPECT_EQ(slots().form2, instance);
    EXPECT_EQ(backend.windowsCreated("Form2"), 2);
}

TEST_F(InformationWindow, OpeningTouchesNoListNorTheSequence) {
    draw(0.5f);
    click("Command7");
    open();
    backend.click("Form2", "Label1");
    backend.click("Form2", "Label2");
    EXPECT_TRUE(backend.isLoaded("Form2"));
    EXPECT_EQ(draws, 1U);
    EXPECT_EQ(list("List7"), std::vector<std::string>{"11"});
    EXPECT_EQ(form1->lastRoll().single(), 11.0f);
}

TEST_F(InformationWindow, TheGlobalObjectIsCreatedOnceByWhicheverClosesFirst) {
    open();
    closeInformation();
    const auto global = slots().global;
    ASSERT_TRUE(global);
    backend.answer(runtime::kAnswerOk);
    click("Command8");
    EXPECT_EQ(slots().global, global);
    EXPECT_EQ(backend.quitCode(), 0);
}

// One way of closing a window, and the window it closes.
struct Closer {
    const char* name;
    const char* window;
    std::function<void(testing_support::FakeBackend&)> close;
};

const Closer kClosers[] = {
    {"Esci", "Form1",
     [](auto& backend) {
         backend.answer(runtime::kAnswerOk);
         backend.click("Form1", "Command8");
     }},
    {"Form1Frame", "Form1", [](auto& backend) { backend.closeFromFrame("Form1"); }},
    {"Label3", "Form2", [](auto& backend) { backend.click("Form2", "Label3"); }},
    {"Form2Frame", "Form2", [](auto& backend) { backend.closeFromFrame("Form2"); }},
};

// Every order of closing the two windows, each in either of its two ways.
std::vector<std::pair<Closer, Closer>> closingOrders() {
    std::vector<std::pair<Closer, Closer>> orders;
    for (const Closer& first : kClosers) {
        for (const Closer& second : kClosers) {
            if (std::string(first.window) != second.window) orders.emplace_back(first, second);
        }
    }
    return orders;
}

class ClosingOrder : public InformationWindow,
                     public ::testing::WithParamInterface<std::pair<Closer, Closer>> {};

TEST_P(ClosingOrder, TheProgramEndsOnlyWhenBothWindowsAreClosed) {
    const auto& [first, second] = GetParam();
    open();
    first.close(backend);
    EXPECT_FALSE(backend.isLoaded(first.window));
    EXPECT_TRUE(backend.isLoaded(second.window));
    EXPECT_FALSE(program->ended());
    EXPECT_FALSE(backend.quitCode());
    second.close(backend);
    EXPECT_EQ(backend.quitCode(), 0);
    EXPECT_TRUE(backend.errorsShown().empty());
}

INSTANTIATE_TEST_SUITE_P(Closers, ClosingOrder, ::testing::ValuesIn(closingOrders()),
                         [](const auto& info) {
                             return std::string(info.param.first.name) + "Then" +
                                    info.param.second.name;
                         });

TEST_F(InformationWindow, AFailedVisiblePutEndsTheProgram) {
    backend.failNext(Call::SetVisible, "Form2", runtime::kOutOfMemory);
    open();
    ASSERT_EQ(backend.errorsShown().size(), 1U);
    EXPECT_TRUE(slots().form2);
    EXPECT_EQ(backend.quitCode(), runtime::kRunTimeErrorExitCode);
    EXPECT_FALSE(backend.isLoaded("Form1"));
    EXPECT_FALSE(backend.isLoaded("Form2"));
}

TEST_F(InformationWindow, AFailedUnloadOfTheInformationWindowEndsTheProgram) {
    open();
    backend.failNext(Call::Close, "Form2", runtime::kFail);
    closeInformation();
    ASSERT_EQ(backend.errorsShown().size(), 1U);
    EXPECT_EQ(backend.quitCode(), runtime::kRunTimeErrorExitCode);
    EXPECT_FALSE(backend.isLoaded("Form2"));
}

}  // namespace

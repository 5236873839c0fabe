#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <iostream>

#include "info_window/form2.h"
#include "main_window/process_slots.h"
#include "tests/model/driver.h"
#include "tests/model/model_seed.h"
#include "tests/model/qt_subject.h"

namespace {

using model::Event;

TEST(ModelBasedOnQt, FiveThousandEventsThroughTheRealWindowsAgreeWithTheModel) {
    const std::uint64_t seed = model::seed() + 1;
    std::cout << "Qt slice seed " << seed << " (" << model::kSeedVariable << " plus one)\n";
    constexpr std::size_t kEvents = 5000;
    const model::DriveResult result = model::drive(seed, kEvents, model::qtSubjects());
    if (result.failure) FAIL() << model::failureReport(seed, result, model::qtSubjects());
    EXPECT_EQ(result.eventsSent, kEvents);
    EXPECT_GT(result.runs, 1U);
    const std::set<std::string> sent = model::eventKinds(result.events);
    for (const std::string& kind : model::everyEventKind()) EXPECT_EQ(sent.count(kind), 1U) << kind;
}

// Many openings and closings of the information window leave no window behind and keep
// the one instance.
TEST(StressOnQt, AThousandOpenCloseCyclesOfTheInformationWindow) {
    model::QtSubject subject;
    Event menu;
    menu.control = "MENU";
    Event label3;
    label3.window = model::Window::Form2;
    label3.control = "Label3";
    Event frame;
    frame.kind = Event::Kind::CloseFromFrame;
    frame.window = model::Window::Form2;

    subject.send(menu);
    const auto instance = subject.observe().form2Instance;
    ASSERT_NE(instance, nullptr);
    subject.send(label3);
    const auto topLevels = QApplication::topLevelWidgets().size();
    for (int cycle = 0; cycle < 1000; ++cycle) {
        subject.send(menu);
        if (cycle % 3 == 0) subject.send(menu);  // a second click shows no second window
        const model::Observation open = subject.observe();
        ASSERT_TRUE(open.form2Loaded && open.form2Visible) << "cycle " << cycle;
        subject.send(cycle % 2 == 0 ? label3 : frame);
        const model::Observation closed = subject.observe();
        ASSERT_FALSE(closed.form2Loaded || closed.form2Visible) << "cycle " << cycle;
        ASSERT_EQ(closed.form2Instance, instance);
        ASSERT_TRUE(closed.form1Loaded);
        ASSERT_FALSE(closed.ended);
        ASSERT_EQ(QApplication::topLevelWidgets().size(), topLevels) << "cycle " << cycle;
    }
    EXPECT_EQ(subject.observe().errorBoxes, 0U);
}

}  // namespace

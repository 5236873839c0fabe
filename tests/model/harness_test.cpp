#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/model/driver.h"
#include "tests/model/fake_subject.h"

namespace {

using model::Event;
using model::Window;

Event click(Window window, std::string control, std::uint32_t draw = 0) {
    Event event;
    event.window = window;
    event.control = std::move(control);
    event.draw = draw;
    return event;
}

// A program whose "????" entry also empties List1, as a miswired handler would.
class MiswiredMenu final : public model::Subject {
  public:
    void send(const Event& event) override {
        inner_.send(event);
        if (event.control == "MENU") inner_.send(click(Window::Form1, "Command9"));
    }
    model::Observation observe() const override { return inner_.observe(); }

  private:
    model::FakeSubject inner_;
};

TEST(Harness, AMiswiredHandlerIsCaughtAndShrunkToTheTwoEventsThatShowIt) {
    const model::SubjectFactory miswired = [] { return std::make_unique<MiswiredMenu>(); };
    const model::DriveResult result = model::drive(7, 20000, miswired);
    ASSERT_TRUE(result.failure);
    EXPECT_NE(result.failure->what.find("List1"), std::string::npos) << result.failure->what;

    const auto shortest = model::shrink(result.events, [&](const std::vector<Event>& events) {
        return model::replay(events, miswired);
    });
    ASSERT_EQ(shortest.size(), 2U) << model::describe(shortest);
    EXPECT_EQ(shortest[0].control, "Command1");
    EXPECT_EQ(shortest[1].control, "MENU");
    EXPECT_FALSE(model::replay(shortest, model::fakeSubjects()));
}

TEST(Harness, ShrinkKeepsOnlyTheFailingRunAndDropsEventsThatDoNotMatter) {
    // Fails when the D20 roll of 99 follows a "????" in the same run; "CHIUDI QUESTA
    // FINESTRA" after ESCI and OK ends the first run.
    Event ok = click(Window::Form1, "Command8");
    ok.answered = true;
    ok.answer = 1;
    const std::vector<Event> events{
        click(Window::Form1, "MENU"),
        click(Window::Form1, "Command7"),
        ok,
        click(Window::Form2, "Label3"),
        click(Window::Form1, "Command1"),
        click(Window::Form1, "MENU"),
        click(Window::Form1, "Command2"),
        click(Window::Form2, "Label1"),
        click(Window::Form1, "Command7", 99),
        click(Window::Form1, "Command3"),
    };
    const auto fails = [](const std::vector<Event>& sequence) -> std::optional<model::Failure> {
        std::size_t runStart = 0;
        bool menu = false;
        for (std::size_t i = 0; i < sequence.size(); ++i) {
            if (sequence[i].control == "Label3") {
                runStart = i + 1;
                menu = false;
            }
            if (sequence[i].control == "MENU") menu = true;
            if (sequence[i].control == "Command7" && sequence[i].draw == 99 && menu) {
                return model::Failure{i, runStart, "D20 after ????"};
            }
        }
        return std::nullopt;
    };
    EXPECT_EQ(
        model::shrink(events, fails),
        (std::vector<Event>{click(Window::Form1, "MENU"), click(Window::Form1, "Command7", 99)}));
}

TEST(Harness, TheComparisonTellsEachKindOfDifference) {
    model::FakeSubject subject;
    subject.send(click(Window::Form1, "Command3", 1U << 23U));
    subject.send(click(Window::Form1, "MENU"));
    const model::Observation seen = subject.observe();

    model::ReferenceModel reference;
    reference.apply(click(Window::Form1, "Command3", 1U << 23U));
    reference.apply(click(Window::Form1, "MENU"));
    model::Comparison comparison;
    EXPECT_FALSE(comparison.differences(reference.state(), seen));

    model::ModelState wrong = reference.state();
    wrong.lists[2] = {"4"};  // D8 showed "5"
    wrong.lastRoll = 4.0f;
    wrong.form2Loaded = false;
    wrong.draws = 2;
    const auto told = comparison.differences(wrong, seen);
    ASSERT_TRUE(told);
    for (const char* what : {"List3", "LastRoll", "Form2 loaded", "generator values drawn"}) {
        EXPECT_NE(told->find(what), std::string::npos) << what << " in " << *told;
    }

    model::Observation another = seen;
    another.form2Instance = std::make_shared<int>(0);  // any other object
    const auto swapped = comparison.differences(reference.state(), another);
    ASSERT_TRUE(swapped);
    EXPECT_NE(swapped->find("Form2 instance"), std::string::npos) << *swapped;
}

TEST(ReferenceModel, DiceTextsAtTheEdgesOfTheGeneratorsRange) {
    constexpr std::uint32_t kLast = model::kDrawRange - 1;
    const std::vector<std::string> atZero{"1", "1", "1", "00", "0", "1", "1"};
    const std::vector<std::string> atLast{"4", "6", "8", "90", "9", "12", "20"};
    for (int die = 0; die < 7; ++die) {
        EXPECT_EQ(model::expectedDieText(die, 0), atZero[static_cast<std::size_t>(die)]);
        EXPECT_EQ(model::expectedDieText(die, kLast), atLast[static_cast<std::size_t>(die)]);
    }
    // 0.7 as a float is 11744051 / 2^24, just below 0.7: the tens die shows "60".
    EXPECT_EQ(model::expectedDieText(3, 11744051), "60");
    EXPECT_EQ(model::expectedDieValue(3, 0), 0.0f);
}

}  // namespace

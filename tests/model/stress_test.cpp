#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "tests/model/reference_model.h"
#include "tests/support/program_fixture.h"

namespace {

using testing_support::ProgramFixture;

constexpr std::array<const char*, 7> kDice{"Command1", "Command2", "Command3", "Command4",
                                           "Command5", "Command6", "Command7"};

TEST_F(ProgramFixture, AThousandOpenCloseCyclesOfTheInformationWindow) {
    click("MENU");
    const auto instance = slots().form2;
    ASSERT_TRUE(instance);
    for (int cycle = 0; cycle < 1000; ++cycle) {
        if (cycle != 0) click("MENU");
        ASSERT_TRUE(backend.isVisible("Form2")) << "cycle " << cycle;
        if (cycle % 2 == 0) {
            backend.click("Form2", "Label3");
        } else {
            backend.closeFromFrame("Form2");
        }
        ASSERT_FALSE(backend.isLoaded("Form2")) << "cycle " << cycle;
        ASSERT_EQ(slots().form2, instance);
    }
    EXPECT_EQ(backend.windowsCreated("Form2"), 1000);
    EXPECT_EQ(program->loadedWindowCount(), 1U);
    EXPECT_FALSE(program->ended());
    EXPECT_TRUE(backend.errorsShown().empty());
    // The instance is held by the slot and by this test, nothing else.
    EXPECT_EQ(instance.use_count(), 2);
}

TEST_F(ProgramFixture, TenThousandRollsAndClearsKeepEveryListRight) {
    std::array<std::vector<std::string>, 7> expected;
    std::uint32_t m = 12345;
    for (int i = 0; i < 10000; ++i) {
        const std::size_t die = static_cast<std::size_t>(i) % kDice.size();
        m = (m * 1103515245U + 12345U) % model::kDrawRange;
        draw(std::ldexp(static_cast<float>(m), -24));
        click(kDice[die]);
        expected[die].push_back(model::expectedDieText(static_cast<int>(die), m));
        if (i % 997 == 996) {
            click("Command16");
            for (auto& items : expected) items.clear();
        } else if (i % 101 == 100) {
            click("Command" + std::to_string(9 + die));
            expected[die].clear();
        }
    }
    for (std::size_t die = 0; die < kDice.size(); ++die) {
        EXPECT_EQ(list("List" + std::to_string(die + 1)), expected[die]) << kDice[die];
    }
    EXPECT_EQ(draws, 10000U);
    EXPECT_TRUE(backend.errorsShown().empty());
    EXPECT_FALSE(program->ended());
}

}  // namespace

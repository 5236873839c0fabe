#pragma once

#include <array>

namespace testing_support {

// The main window's seven dice buttons and their lists, in button order.
inline constexpr std::array<const char*, 7> kDiceButtons{
    "Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7"};
inline constexpr std::array<const char*, 7> kResultLists{"List1", "List2", "List3", "List4",
                                                         "List5", "List6", "List7"};

}  // namespace testing_support

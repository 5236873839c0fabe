#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace kestravo {

// One die button: r in [0, 1) times the scale, plus the offset, floored.
struct Die {
    std::string_view list;        // the list the roll is appended to
    float scale;                  // the number of faces
    std::optional<float> offset;  // 1.0 for the dice counted from 1; none for the D10s
    bool tens = false;            // the floor is scaled once more, and zero is shown as "00"
};

inline constexpr float kFromOne = 1.0f;

inline constexpr Die kD4{"List1", 4.0f, kFromOne};
inline constexpr Die kD6{"List2", 6.0f, kFromOne};
inline constexpr Die kD8{"List3", 8.0f, kFromOne};
inline constexpr Die kTensD10{"List4", 10.0f, std::nullopt, true};
inline constexpr Die kUnitsD10{"List5", 10.0f, std::nullopt};
inline constexpr Die kD12{"List6", 12.0f, kFromOne};
inline constexpr Die kD20{"List7", 20.0f, kFromOne};

// The tens die's item for a zero roll.
inline constexpr std::string_view kTensZeroText = "00";

// The seven result lists in clearing order.
inline constexpr std::array<std::string_view, 7> kResultLists{"List1", "List2", "List3", "List4",
                                                              "List5", "List6", "List7"};

// The one list a "REFRESH" button empties, by the list's number.
constexpr std::span<const std::string_view> resultList(std::size_t number) {
    return std::span(kResultLists).subspan(number - 1, 1);
}

}  // namespace kestravo

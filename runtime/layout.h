#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

namespace runtime {

// Codes under which a layout description stores a window's properties.
enum class WindowProperty : std::uint8_t {
    Caption = 0x01,
    ForeColor = 0x04,
    WindowState = 0x0a,
    BackColor = 0x19,
    Picture = 0x21,
    Icon = 0x23,
    LinkTopic = 0x24,
    ControlBox = 0x2e,
    ClientRect = 0x35,
    StartUpPosition = 0x46,
    Bitmap = 0x48,
};

inline constexpr std::int32_t kWindowStateMaximised = 2;
inline constexpr int kTwipsPerPixel = 15;

// Red, green and blue bytes in one value, red in the lowest byte.
struct Colour {
    std::uint32_t rgb;
    constexpr std::uint8_t red() const { return rgb & 0xFFU; }
    constexpr std::uint8_t green() const { return (rgb >> 8U) & 0xFFU; }
    constexpr std::uint8_t blue() const { return (rgb >> 16U) & 0xFFU; }
};

// A place and size in twips within the client area.
struct Twips {
    int left;
    int top;
    int width;
    int height;
};

constexpr int toPixels(int twips) {
    return twips / kTwipsPerPixel;
}

// The encoded bytes of a picture built into the program; empty when there is none.
using PictureSource = std::span<const std::byte> (*)();

struct NoValue {};

using PropertyValue =
    std::variant<NoValue, std::string_view, std::int32_t, bool, Colour, Twips, PictureSource>;

struct StoredProperty {
    WindowProperty code;
    PropertyValue value;
};

enum class ControlClass : std::uint8_t { CommandButton, ListBox, Label, Image, Menu };

struct Font {
    std::string_view face{};
    double points{};
    int weight{};  // 400 regular, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    int charset = 0;
};

struct ControlLayout {
    ControlClass kind{};
    std::string_view name{};
    std::string_view caption{};
    Twips place{};
    std::optional<int> tabIndex{};  // none: takes no keyboard focus
    std::optional<Font> font{};     // none: the platform's default font
    std::optional<Colour> foreColor{};
    std::optional<bool> opaqueBackground{};  // a label's stored flag; false draws it transparent
};

// Everything a window is built from: its stored properties and its controls, in stored order.
struct FormLayout {
    std::string_view name;
    std::span<const StoredProperty> properties;
    std::span<const ControlLayout> controls;

    template <class T>
    std::optional<T> property(WindowProperty code) const {
        for (const auto& stored : properties) {
            if (stored.code != code) continue;
            if (const T* value = std::get_if<T>(&stored.value)) return *value;
        }
        return std::nullopt;
    }

    const ControlLayout* control(std::string_view controlName) const {
        for (const auto& entry : controls) {
            if (entry.name == controlName) return &entry;
        }
        return nullptr;
    }
};

}  // namespace runtime

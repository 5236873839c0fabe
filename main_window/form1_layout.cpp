#include "main_window/form1_layout.h"

#include <array>

#include "app/embedded_pictures.h"

namespace kestravo {
namespace {

using runtime::ControlClass;
using runtime::ControlLayout;
using runtime::Font;
using runtime::StoredProperty;
using runtime::WindowProperty;

constexpr Font kButtonFont{.face = "MS Sans Serif", .points = 13.5, .weight = 700, .italic = true};
constexpr Font kLargeButtonFont{
    .face = "MS Sans Serif", .points = 18, .weight = 700, .italic = true};

constexpr std::array kProperties{
    StoredProperty{WindowProperty::Caption, std::string_view("KESTRAVO")},
    StoredProperty{WindowProperty::WindowState, runtime::kWindowStateMaximised},
    StoredProperty{WindowProperty::BackColor, runtime::Colour{0x00630003}},
    StoredProperty{WindowProperty::Picture, &app::backgroundPicture},
    StoredProperty{WindowProperty::Icon, &app::windowIcon},
    StoredProperty{WindowProperty::LinkTopic, std::string_view("Form1")},
    StoredProperty{WindowProperty::ClientRect, runtime::Twips{60, 450, 4680, 3090}},
    StoredProperty{WindowProperty::StartUpPosition, std::int32_t{2}},
    StoredProperty{WindowProperty::Bitmap, &app::windowBitmap},
};

constexpr ControlLayout button(std::string_view name, std::string_view caption,
                               runtime::Twips place, int tabIndex, const Font& font) {
    return {.kind = ControlClass::CommandButton,
            .name = name,
            .caption = caption,
            .place = place,
            .tabIndex = tabIndex,
            .font = font};
}

constexpr ControlLayout list(std::string_view name, runtime::Twips place, int tabIndex) {
    return {.kind = ControlClass::ListBox, .name = name, .place = place, .tabIndex = tabIndex};
}

// In stored order: the buttons and lists by descending tab index, then the picture control
// and the menu entry.
constexpr std::array kControls{
    button("Command16", "REFRESH ALL", {4800, 8160, 3375, 2055}, 22, kLargeButtonFont),
    button("Command15", "REFRESH", {4680, 5520, 1815, 615}, 21, kButtonFont),
    button("Command14", "REFRESH", {4680, 3480, 1815, 615}, 20, kButtonFont),
    button("Command13", "REFRESH", {4680, 1320, 1815, 615}, 19, kButtonFont),
    button("Command12", "REFRESH", {360, 7800, 1815, 615}, 18, kButtonFont),
    button("Command11", "REFRESH", {360, 5640, 1815, 615}, 17, kButtonFont),
    button("Command10", "REFRESH", {360, 3480, 1815, 615}, 16, kButtonFont),
    button("Command9", "REFRESH", {360, 1320, 1815, 615}, 15, kButtonFont),
    button("Command8", "ESCI", {4800, 6960, 3375, 1095}, 14, kLargeButtonFont),
    list("List7", {6720, 4800, 1815, 2010}, 13),
    list("List6", {6720, 2640, 1815, 2010}, 12),
    list("List5", {6720, 480, 1815, 2010}, 11),
    list("List4", {2400, 6960, 1815, 2010}, 10),
    list("List3", {2400, 4800, 1815, 2010}, 9),
    list("List2", {2400, 2640, 1815, 2010}, 8),
    list("List1", {2400, 480, 1815, 2010}, 7),
    button("Command7", "D20", {4680, 4800, 1815, 615}, 6, kButtonFont),
    button("Command6", "D12", {4680, 2640, 1815, 615}, 5, kButtonFont),
    button("Command5", "D10", {4680, 480, 1815, 615}, 4, kButtonFont),
    button("Command4", "D10", {360, 6960, 1815, 615}, 3, kButtonFont),
    button("Command3", "D8", {360, 4800, 1815, 615}, 2, kButtonFont),
    button("Command2", "D6", {360, 2640, 1815, 615}, 1, kButtonFont),
    button("Command1", "D4", {360, 480, 1815, 615}, 0, kButtonFont),
    ControlLayout{.kind = ControlClass::Image, .name = "Image1", .place = {480, 9840, 1935, 495}},
    ControlLayout{.kind = ControlClass::Menu, .name = "MENU", .caption = "????"},
};

}  // namespace

const runtime::FormLayout kForm1Layout{"Form1", kProperties, kControls};

}  // namespace kestravo

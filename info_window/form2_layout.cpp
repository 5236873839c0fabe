#include "info_window/form2_layout.h"

#include <array>

#include "app/embedded_pictures.h"

namespace kestravo {
namespace {

using runtime::Colour;
using runtime::ControlClass;
using runtime::ControlLayout;
using runtime::Font;
using runtime::StoredProperty;
using runtime::WindowProperty;

constexpr Colour kYellow{0x0000FFFF};

constexpr std::array kProperties{
    StoredProperty{WindowProperty::Caption, std::string_view("Form2")},
    StoredProperty{WindowProperty::ForeColor, kYellow},
    StoredProperty{WindowProperty::WindowState, runtime::kWindowStateMaximised},
    StoredProperty{WindowProperty::BackColor, Colour{0x00420001}},
    StoredProperty{WindowProperty::Picture, &app::backgroundPicture},
    StoredProperty{WindowProperty::Icon, runtime::NoValue{}},
    StoredProperty{WindowProperty::LinkTopic, std::string_view("Form2")},
    StoredProperty{WindowProperty::ControlBox, false},
    StoredProperty{WindowProperty::ClientRect, runtime::Twips{60, 450, 4680, 3090}},
    StoredProperty{WindowProperty::StartUpPosition, std::int32_t{3}},
};

constexpr ControlLayout label(std::string_view name, std::string_view caption, runtime::Twips place,
                              int tabIndex, std::optional<Font> font) {
    return {.kind = ControlClass::Label,
            .name = name,
            .caption = caption,
            .place = place,
            .tabIndex = tabIndex,
            .font = font,
            .foreColor = kYellow,
            .opaqueBackground = false};
}

// In stored order.
constexpr std::array kControls{
    label("Label3", "CHIUDI QUESTA FINESTRA", {8280, 4560, 6255, 975}, 2,
          Font{.face = "Bart", .points = 20.25, .weight = 400}),
    label("Label2", kContactCaption, {600, 2040, 5535, 1455}, 1, std::nullopt),
    label("Label1", "VESKORA 2004", {720, 480, 4935, 2655}, 0,
          Font{.face = "MS Sans Serif", .points = 19.5, .weight = 700}),
};

}  // namespace

const runtime::FormLayout kForm2Layout{"Form2", kProperties, kControls};

}  // namespace kestravo

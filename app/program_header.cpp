#include "app/program_header.h"

#include <array>
#include <string_view>

#include "main_window/form1.h"

namespace app {
namespace {

constexpr std::array<std::string_view, 2> kWindows{"Form1", "Form2"};
constexpr std::uint16_t kItalianItaly = 0x0410;

}  // namespace

const runtime::ProgramHeader kProgramHeader{
    .applicationName = "KESTRAVO",
    .desktopEntryId = "example.veskora.kestravo",
    .windows = kWindows,
    .locale = kItalianItaly,
    .singleThreaded = true,
    .helpFile = "",
    .createStartUpWindow = &kestravo::Form1::createStartUpWindow,
};

}  // namespace app

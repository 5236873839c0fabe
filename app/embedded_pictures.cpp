#include "embedded_pictures.h"

// The files are pulled in by the assembler, so the build needs no generated sources.
// CMake passes each file's absolute path as a string literal.
#if !defined(KESTRAVO_BACKGROUND_JPG) || !defined(KESTRAVO_FORM1_BMP) || !defined(KESTRAVO_ICON_ICO)
#error "the build must define the paths of the embedded resource files"
#endif

// Read-only data. The PE assembler has no section stack, so there we return to .text,
// where the compiler expects to be after top-level assembly.
#if defined(_WIN32)
#define KESTRAVO_ENTER_READ_ONLY ".section .rdata,\"dr\"\n"
#define KESTRAVO_LEAVE_READ_ONLY ".text\n"
#else
#define KESTRAVO_ENTER_READ_ONLY ".pushsection .rodata\n"
#define KESTRAVO_LEAVE_READ_ONLY ".popsection\n"
#endif

// The symbols get fixed assembler names (below, through asm labels), so the leading
// underscore that 32-bit Windows adds to C names never comes into play. They stay
// local to this object file. The trailing zero byte keeps the end label inside the section.
// clang-format off
#define KESTRAVO_EMBED(name, path)                       \
    __asm__(KESTRAVO_ENTER_READ_ONLY                     \
            ".balign 16\n"                               \
            #name "_begin:\n"                            \
            ".incbin \"" path "\"\n"                     \
            #name "_end:\n"                              \
            ".byte 0\n"                                  \
            KESTRAVO_LEAVE_READ_ONLY)
// clang-format on

KESTRAVO_EMBED(kestravo_background_jpg, KESTRAVO_BACKGROUND_JPG);
KESTRAVO_EMBED(kestravo_form1_bmp, KESTRAVO_FORM1_BMP);
KESTRAVO_EMBED(kestravo_icon_ico, KESTRAVO_ICON_ICO);

extern "C" {
extern const std::byte backgroundBegin[] __asm__("kestravo_background_jpg_begin");
extern const std::byte backgroundEnd[] __asm__("kestravo_background_jpg_end");
extern const std::byte bitmapBegin[] __asm__("kestravo_form1_bmp_begin");
extern const std::byte bitmapEnd[] __asm__("kestravo_form1_bmp_end");
extern const std::byte iconBegin[] __asm__("kestravo_icon_ico_begin");
extern const std::byte iconEnd[] __asm__("kestravo_icon_ico_end");
}

namespace app {

std::span<const std::byte> backgroundPicture() noexcept {
    return {backgroundBegin, backgroundEnd};
}
std::span<const std::byte> windowBitmap() noexcept {
    return {bitmapBegin, bitmapEnd};
}
std::span<const std::byte> windowIcon() noexcept {
    return {iconBegin, iconEnd};
}

}  // namespace app

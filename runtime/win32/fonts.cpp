#include "runtime/win32/fonts.h"

#include <cmath>
#include <string>

#include "runtime/win32/text.h"

namespace runtime::win32 {

FontHandle createFont(const Font& font) {
    const ScreenDc screen;
    const int dpi = screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
    // Sizes come in fractions of a point (13.5, 20.25): scale in hundredths, then round.
    const int hundredths = static_cast<int>(std::lround(font.points * 100.0));
    const int height = -MulDiv(hundredths, dpi, 72 * 100);  // negative: the em height
    std::wstring face = widen(font.face);
    if (face.size() >= LF_FACESIZE) face.resize(LF_FACESIZE - 1);
    return FontHandle(CreateFontW(height, 0, 0, 0, font.weight, font.italic, font.underline,
                                  font.strikethrough, static_cast<DWORD>(font.charset),
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
}

}  // namespace runtime::win32

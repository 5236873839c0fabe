#include "runtime/qt/fonts.h"

#include <QString>
#include <QStringList>

namespace runtime::qt {

void registerFontSubstitutes() {
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Bart", {"Liberation Serif", "DejaVu Serif"});
}

QFont toQFont(const Font& font) {
    QFont result(QString::fromUtf8(font.face.data(), static_cast<qsizetype>(font.face.size())));
    result.setPointSizeF(font.points);
    result.setWeight(font.weight >= 700 ? QFont::Bold : QFont::Normal);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikethrough);
    return result;
}

}  // namespace runtime::qt

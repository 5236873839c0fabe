#include "runtime/qt/fonts.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>
#include <array>
#include <string_view>

#include "runtime/qt/text.h"

namespace runtime::qt {
namespace {

struct Substitute {
    std::string_view face;
    std::array<const char*, 2> families;
};

constexpr std::array kSubstitutes{
    Substitute{"MS Sans Serif", {"Liberation Sans", "DejaVu Sans"}},
    Substitute{"Bart", {"Liberation Serif", "DejaVu Serif"}},
};

QStringList familiesOf(const Substitute& substitute) {
    return {QString::fromLatin1(substitute.families[0]),
            QString::fromLatin1(substitute.families[1])};
}

}  // namespace

void registerFontSubstitutes() {
    for (const Substitute& substitute : kSubstitutes) {
        QFont::insertSubstitutions(toQString(substitute.face), familiesOf(substitute));
    }
}

QString FontMaker::familyFor(std::string_view face) {
    if (const auto known = families_.find(face); known != families_.end()) return known->second;
    QString family = toQString(face);
    // Where the face is missing, naming the first installed stand-in outright gives the face
    // Qt's substitution would pick, without the failed lookup and the fallback sorts that
    // fontconfig does for it.
    for (const Substitute& substitute : kSubstitutes) {
        if (substitute.face != face || QFontDatabase::hasFamily(family)) continue;
        for (const QString& standIn : familiesOf(substitute)) {
            if (QFontDatabase::hasFamily(standIn)) {
                family = standIn;
                break;
            }
        }
    }
    families_.emplace(face, family);
    return family;
}

QFont FontMaker::toQFont(const Font& font) {
    QFont result(familyFor(font.face));
    result.setPointSizeF(font.points);
    result.setWeight(font.weight >= 700 ? QFont::Bold : QFont::Normal);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikethrough);
    return result;
}

}  // namespace runtime::qt

#pragma once

#include <QFont>
#include <QString>
#include <map>
#include <string>
#include <string_view>

#include "runtime/layout.h"

namespace runtime::qt {

// Registers installed faces to stand in for the layout's faces that Linux lacks.
void registerFontSubstitutes();

// Turns the layout's fonts into Qt fonts for one window, asking the font database about each
// face once: every lookup costs a fontconfig query, and the buttons all share one face.
class FontMaker {
  public:
    QFont toQFont(const Font& font);

  private:
    QString familyFor(std::string_view face);

    std::map<std::string, QString, std::less<>> families_;
};

}  // namespace runtime::qt

#pragma once

#include <QFont>

#include "runtime/layout.h"

namespace runtime::qt {

// Registers installed faces to stand in for the layout's faces that Linux lacks.
void registerFontSubstitutes();

QFont toQFont(const Font& font);

}  // namespace runtime::qt

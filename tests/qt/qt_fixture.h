#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QMainWindow>
#include <QRect>
#include <QString>
#include <QWidget>
#include <memory>
#include <ostream>
#include <string>

#include "main_window/form1.h"
#include "runtime/program.h"
#include "runtime/qt/backend.h"
#include "tests/support/main_window.h"

// Readable values in failure messages; found by argument-dependent lookup on the Qt types.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QRect& rect, std::ostream* out) {
    *out << "QRect(" << rect.x() << ", " << rect.y() << ", " << rect.width() << ", "
         << rect.height() << ')';
}
inline void PrintTo(const QColor& colour, std::ostream* out) {
    *out << colour.name().toStdString();
}

namespace testing_support {

// The visible top-level window with the caption, or none.
inline QMainWindow* findWindow(const QString& caption) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<QMainWindow*>(widget);
        if (window != nullptr && window->isVisible() && window->windowTitle() == caption) {
            return window;
        }
    }
    return nullptr;
}

// Runs posted deletions, so that unloaded windows are really gone.
inline void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The main window of a program run on the real Qt backend, offscreen.
class QtProgram : public ::testing::Test {
  protected:
    explicit QtProgram(runtime::ProgramServices services = {}) {
        program = std::make_unique<runtime::Program>(backend, "KESTRAVO", std::move(services));
        form1 = showMainWindow(*program);
        window = findWindow("KESTRAVO");
    }
    ~QtProgram() override {
        form1.reset();
        program.reset();
        settle();
    }

    template <class W = QWidget>
    W* child(const char* name) const {
        return window == nullptr ? nullptr : window->findChild<W*>(name);
    }

    runtime::qt::QtBackend backend;
    std::unique_ptr<runtime::Program> program;
    std::shared_ptr<kestravo::Form1> form1;
    QMainWindow* window = nullptr;
};

}  // namespace testing_support

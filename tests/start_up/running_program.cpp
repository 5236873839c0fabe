#include "tests/start_up/running_program.h"

#include <QApplication>
#include <QWindow>
#include <utility>

namespace start_up_tests {
namespace {

// Qt calls its start-up routines without an argument: the step waits here.
std::function<void()>& pendingStep() {
    static std::function<void()> step;
    return step;
}

void queuePendingStep() {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [] {
            if (auto step = std::exchange(pendingStep(), {})) step();
        },
        Qt::QueuedConnection);
}

}  // namespace

void whenTheProgramRuns(std::function<void()> step) {
    static const bool registered = [] {
        qAddPreRoutine(queuePendingStep);
        return true;
    }();
    (void)registered;
    pendingStep() = std::move(step);
}

QMainWindow* drawnMainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<QMainWindow*>(widget);
        // Found by its "D4" button: its caption is one of the things a test checks.
        if (window != nullptr && window->isVisible() && window->windowHandle() != nullptr &&
            window->windowHandle()->isExposed() &&
            window->findChild<QWidget*>("Command1") != nullptr) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace start_up_tests

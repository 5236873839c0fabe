#include "tests/start_up/when_running.h"

#include <QCoreApplication>
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

}  // namespace start_up_tests

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <string>
#include <utility>

#include "app/program_header.h"
#include "runtime/start_up.h"
#include "tests/start_up/running_program.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif

// Far more rolls than any headroom below holds: past them the list would never refuse.
constexpr long kMostClicks = 20'000'000;
constexpr int kClicksPerTurn = 1000;

rlim_t addressSpaceInUse() {
    std::ifstream statm("/proc/self/statm");
    rlim_t pages = 0;
    statm >> pages;
    return pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
}

// Ends the child with a status the test does not expect, saying why.
[[noreturn]] void fail(const char* why) {
    std::fprintf(stderr, "%s\n", why);
    std::_Exit(3);
}

// Answers the error box with OK once its text has gone to standard error for the test to read.
// A timer of its own: the box comes up inside a click, while the clicking timer is still busy.
void answerTheErrorBox() {
    auto* answerer = new QTimer(QCoreApplication::instance());
    answerer->callOnTimeout([boxes = 0]() mutable {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        if (++boxes > 1) fail("a second error box");
        std::fprintf(stderr, "error box: %s\n", qPrintable(box->text()));
        box->button(QMessageBox::Ok)->click();
    });
    answerer->start(1);
}

// From inside the program's event loop: once the main window has been drawn whole (drawing is
// not what is tested), limits the address space to the headroom above what the process holds,
// then clicks "D4" until the program ends.
void clickD4UntilTheProgramEnds(rlim_t headroom) {
    answerTheErrorBox();
    auto* clicker = new QTimer(QCoreApplication::instance());
    clicker->callOnTimeout([headroom, limited = false, clicks = 0L]() mutable {
        QPointer<QMainWindow> window = start_up_tests::drawnMainWindow();
        if (window == nullptr) return;
        auto* d4 = window->findChild<QPushButton*>("Command1");
        if (d4 == nullptr) fail("no D4 button");
        if (!std::exchange(limited, true)) {
            const rlimit limit{addressSpaceInUse() + headroom, RLIM_INFINITY};
            if (setrlimit(RLIMIT_AS, &limit) != 0) fail("setrlimit failed");
        }
        for (int i = 0; i < kClicksPerTurn && window != nullptr && window->isVisible(); ++i) {
            d4->click();
        }
        if ((clicks += kClicksPerTurn) > kMostClicks) fail("the list never refused a roll");
    });
    clicker->start(0);
}

// The real start-up with the real Qt windows, offscreen; only the clicks are the test's.
[[noreturn]] void runProgramUntilItsListRefuses(rlim_t headroom) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    start_up_tests::whenTheProgramRuns([headroom] { clickD4UntilTheProgramEnds(headroom); });
    char name[] = "kestravo";
    char* argv[] = {name, nullptr};
    std::exit(runtime::startUp(app::kProgramHeader, 1, argv));
}

struct Shortage {
    std::string name;
    rlim_t headroom;  // address space left above what the program holds once it is up
};

void PrintTo(const Shortage& shortage, std::ostream* out) {
    *out << shortage.name;
}

class OutOfMemory : public ::testing::TestWithParam<Shortage> {};

TEST_P(OutOfMemory, ARollTheProgramCannotHoldEndsItThroughTheErrorBoxWithStatusOne) {
    if (kAddressSanitizer) {
        GTEST_SKIP() << "the address sanitizer maps terabytes of shadow memory: no address-space "
                        "limit leaves it room to run";
    }
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // The box's text, or the line written in its place when the box cannot be shown; an abort
    // or a second box is another status.
    EXPECT_EXIT(runProgramUntilItsListRefuses(GetParam().headroom), testing::ExitedWithCode(1),
                "Run-time error '7':[[:space:]]+Out of memory");
}

INSTANTIATE_TEST_SUITE_P(
    Shortages, OutOfMemory,
    ::testing::Values(
        // The list's store asks for room to grow and is refused: AddItem fails.
        Shortage{"TheListStoreRefuses", rlim_t{1} << 20U},
        // Barely anything left: the list view's own small allocations fail first.
        Shortage{"NothingLeft", rlim_t{64} << 10U}),
    [](const ::testing::TestParamInfo<Shortage>& info) { return info.param.name; });

}  // namespace

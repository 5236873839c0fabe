#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFont>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <cstdlib>

#include "bench/main_window_session.h"
#include "bench/process_memory.h"

namespace {

using Clock = std::chrono::steady_clock;

// A list is emptied this often, outside the timing, so that the per-click figures are for a
// list of at most this many items.
constexpr std::int64_t kClearEvery = 1000;
constexpr std::int64_t kMillion = 1'000'000;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void clickD4(const bench::MainWindowSession& session) {
    QTest::mouseClick(&session.d4(), Qt::LeftButton);
}

// Times one roll per iteration; the list is emptied every kClearEvery rolls, untimed, so
// that it stays short.
template <class Roll>
void rollWithClears(benchmark::State& state, bench::MainWindowSession& session, Roll roll) {
    std::int64_t inList = 0;
    for (auto _ : state) {
        roll();
        if (++inList == kClearEvery) {
            state.PauseTiming();
            QCoreApplication::processEvents();
            session.refresh1().click();
            QCoreApplication::processEvents();
            inList = 0;
            state.ResumeTiming();
        }
    }
}

// One click on D4: the press and release through QApplication, the handler, the list's
// insertion and the view's bookkeeping for it. The view's deferred layout and painting run
// outside the timing, when the list is emptied.
void BM_RollClick(benchmark::State& state) {
    bench::MainWindowSession session;
    if (!session.ready()) {
        state.SkipWithError("main window not found");
        return;
    }
    rollWithClears(state, session, [&session] { clickD4(session); });
}
BENCHMARK(BM_RollClick)->Unit(benchmark::kMicrosecond);

// The roll through the button's clicked signal alone: the handler, the list's insertion and
// the view's bookkeeping, without the repaints Qt's button makes on press and release.
void BM_RollButtonClick(benchmark::State& state) {
    bench::MainWindowSession session;
    if (!session.ready()) {
        state.SkipWithError("main window not found");
        return;
    }
    rollWithClears(state, session, [&session] { session.d4().click(); });
}
BENCHMARK(BM_RollButtonClick)->Unit(benchmark::kMicrosecond);

// For comparison: the same mouse click on a bare Qt button of the same size and font that
// does nothing. What this costs is Qt's own press and release, whatever the handler does.
void BM_PlainQtButtonMouseClick(benchmark::State& state) {
    QWidget window;
    QPushButton button("D4", &window);
    button.setGeometry(24, 32, 121, 41);
    QFont font = button.font();
    font.setPointSizeF(13.5);
    font.setBold(true);
    font.setItalic(true);
    button.setFont(font);
    window.showMaximized();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        QTest::mouseClick(&button, Qt::LeftButton);
    }
}
BENCHMARK(BM_PlainQtButtonMouseClick)->Unit(benchmark::kMicrosecond);

// The same click followed by one turn of the event loop, as a running program gets between
// two clicks: the deferred layout and the repaint of the button and the list are timed too.
void BM_RollClickAndRepaint(benchmark::State& state) {
    bench::MainWindowSession session;
    if (!session.ready()) {
        state.SkipWithError("main window not found");
        return;
    }
    std::int64_t inList = 0;
    for (auto _ : state) {
        clickD4(session);
        QCoreApplication::processEvents();
        if (++inList == kClearEvery) {
            state.PauseTiming();
            session.refresh1().click();
            QCoreApplication::processEvents();
            inList = 0;
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_RollClickAndRepaint)->Unit(benchmark::kMicrosecond);

// `range(0)` rolls into one list through the D4 button's click() (its clicked signal, without
// the synchronous repaints of a mouse press and release), then one click on its REFRESH. The
// event loop turns every `range(1)` rolls, inside the timing, so the view lays itself out and
// paints as it goes. The iteration time is the rolls; the rest are counters.
void BM_RollsIntoOneListThenClear(benchmark::State& state) {
    const std::int64_t rollCount = state.range(0);
    const std::int64_t turnEvery = state.range(1);
    bench::MainWindowSession session;
    if (!session.ready()) {
        state.SkipWithError("main window not found");
        return;
    }
    for (auto _ : state) {
        QCoreApplication::processEvents();
        const std::size_t heapBefore = bench::heapInUseBytes();
        const std::size_t residentBefore = bench::residentBytes();

        const std::int64_t tenth = rollCount / 10;
        double firstTenth = 0;
        const Clock::time_point start = Clock::now();
        Clock::time_point lastTenthStart = start;
        for (std::int64_t roll = 1; roll <= rollCount; ++roll) {
            session.d4().click();
            if (roll % turnEvery == 0) QCoreApplication::processEvents();
            if (roll == tenth) firstTenth = secondsSince(start);
            if (roll == rollCount - tenth) lastTenthStart = Clock::now();
        }
        QCoreApplication::processEvents();
        const double rolls = secondsSince(start);
        const double lastTenth = secondsSince(lastTenthStart);

        const double items = static_cast<double>(session.list1Store().size());
        const double storeBytes = static_cast<double>(session.list1Store().capacityBytes());
        const double heapGrowth =
            static_cast<double>(bench::heapInUseBytes()) - static_cast<double>(heapBefore);
        const double residentGrowth =
            static_cast<double>(bench::residentBytes()) - static_cast<double>(residentBefore);

        int resets = 0;
        int removals = 0;
        const QAbstractItemModel* model = session.list1().model();
        const QMetaObject::Connection onReset =
            QObject::connect(model, &QAbstractItemModel::modelReset, [&resets] { ++resets; });
        const QMetaObject::Connection onRemoval =
            QObject::connect(model, &QAbstractItemModel::rowsRemoved, [&removals] { ++removals; });
        const Clock::time_point clearStart = Clock::now();
        session.refresh1().click();
        const double clear = secondsSince(clearStart);
        QCoreApplication::processEvents();
        const double clearAndRepaint = secondsSince(clearStart);
        QObject::disconnect(onReset);
        QObject::disconnect(onRemoval);

        state.SetIterationTime(rolls);
        state.counters["items"] = items;
        state.counters["roll_us"] = rolls / items * 1e6;
        state.counters["last_vs_first_tenth"] = lastTenth / firstTenth;
        state.counters["clear_ms"] = clear * 1e3;
        state.counters["clear_repaint_ms"] = clearAndRepaint * 1e3;
        state.counters["store_B_per_item"] = storeBytes / items;
        state.counters["heap_B_per_item"] = heapGrowth / items;
        state.counters["rss_B_per_item"] = residentGrowth / items;
        state.counters["clear_model_resets"] = resets;
        state.counters["clear_row_removals"] = removals;
        state.counters["left_after_clear"] = static_cast<double>(session.list1Store().size());
    }
}
BENCHMARK(BM_RollsIntoOneListThenClear)
    ->ArgNames({"rolls", "turn_every"})
    ->Args({kMillion, 1000})
    ->Args({2'000, 1})
    ->Args({20'000, 1})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // The real window, without a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#include <benchmark/benchmark.h>

#include <string>

#include "bench/first_paint_watch.h"

namespace {

// Both programs are watched alike: time from the fork to the first drawing into their window
// on the X server, and their resident size half a second after it.
constexpr double kSettleSeconds = 0.5;
constexpr int kRuns = 15;

void measureStartUp(benchmark::State& state, const std::string& program) {
    bench::FirstPaintWatch watch;
    if (!watch.ready()) {
        state.SkipWithError("no X display with the DAMAGE extension in DISPLAY");
        return;
    }
    for (auto _ : state) {
        const auto figures = watch.run(program, kSettleSeconds);
        if (!figures) {
            state.SkipWithError("the program painted no window in time");
            return;
        }
        state.SetIterationTime(figures->paintedSeconds);
        state.counters["mapped_ms"] = figures->mappedSeconds * 1e3;
        state.counters["rss_MiB"] = figures->residentBytes / (1024.0 * 1024.0);
    }
}

void BM_StartUpKestravo(benchmark::State& state) {
    measureStartUp(state, KESTRAVO_PROGRAM);
}
void BM_StartUpMinimalWindow(benchmark::State& state) {
    measureStartUp(state, MINIMAL_WINDOW_PROGRAM);
}

// One run per repetition, so that the median and spread are over whole process start-ups.
BENCHMARK(BM_StartUpMinimalWindow)
    ->Iterations(1)
    ->Repetitions(kRuns)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpKestravo)
    ->Iterations(1)
    ->Repetitions(kRuns)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

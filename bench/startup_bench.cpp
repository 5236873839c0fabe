#include <benchmark/benchmark.h>

#include <string>

#include "bench/first_paint_watch.h"

namespace {

// Both programs are watched alike: time from the fork to the first drawing into their window
// on the X server, and their resident size half a second after it.
constexpr double kSettleSeconds = 0.5;
constexpr int kPairs = 21;

void record(benchmark::State& state, const std::string& name,
            const bench::StartUpFigures& figures) {
    constexpr double kMiB = 1024.0 * 1024.0;
    state.counters[name + "_paint_ms"] = figures.paintedSeconds * 1e3;
    state.counters[name + "_mapped_ms"] = figures.mappedSeconds * 1e3;
    state.counters[name + "_peak_MiB"] = figures.peakResidentBytes / kMiB;
    state.counters[name + "_rss_MiB"] = figures.residentBytes / kMiB;
}

// One pair per repetition: the minimal window, then the program, so that both see the same
// moment of a shared, noisy machine and a slow spell weighs on both alike.
void BM_StartUpPair(benchmark::State& state) {
    bench::FirstPaintWatch watch;
    if (!watch.ready()) {
        state.SkipWithError("no X display with the DAMAGE extension in DISPLAY");
        return;
    }
    for (auto _ : state) {
        const auto minimal = watch.run(MINIMAL_WINDOW_PROGRAM, kSettleSeconds);
        const auto program = watch.run(KESTRAVO_PROGRAM, kSettleSeconds);
        if (!minimal || !program) {
            state.SkipWithError("a program painted no window in time");
            return;
        }
        state.SetIterationTime(program->paintedSeconds);
        record(state, "minimal", *minimal);
        record(state, "program", *program);
    }
}

BENCHMARK(BM_StartUpPair)
    ->Iterations(1)
    ->Repetitions(kPairs)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// Speed of a trade sweep: the chart's grid (epsilon 5 to 50 by 1, lengths 60
// to 100 %, the chart's parabola and the cone; 230 parabolas and 46 cones,
// the cone having one length) designed and analysed, wall time on every core
// and on one, and one design alone. The goal: the grid within 1 s wall on
// two cores.
#include <benchmark/benchmark.h>

#include <ctime>

#include "characteristics/trade_sweep.h"

namespace bellnozzle::moc {
namespace {

SweepRequest ChartGrid(int threads) {
    SweepRequest r;
    r.epsilons = ParseSweepNumbers("5:50:1", "--epsilon");
    r.lengthPercents = {60, 70, 80, 90, 100};
    r.methods = {ContourMethod::Chart, ContourMethod::Cone};
    r.threads = threads;
    return r;
}

void BM_ChartGridSweep(benchmark::State& state) {
    const SweepRequest request = ChartGrid(static_cast<int>(state.range(0)));
    long long refused = 0;
    // The process's CPU time over every thread: on a machine shared with
    // other work the wall time says little, this says what the grid costs.
    const std::clock_t started = std::clock();
    for (auto _ : state) {
        const SweepResult result = RunSweep(request);
        refused = 0;
        for (const SweepRow& row : result.rows) refused += row.Refused() ? 1 : 0;
        benchmark::DoNotOptimize(result.rows.data());
    }
    state.counters["cpu_s_all_threads"] =
        double(std::clock() - started) / CLOCKS_PER_SEC / static_cast<double>(state.iterations());
    state.counters["designs"] = static_cast<double>(SweepDesigns(request).size());
    state.counters["refused"] = static_cast<double>(refused);
}
// 0: every core.
BENCHMARK(BM_ChartGridSweep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OneSweepDesign(benchmark::State& state) {
    const SweepRequest request = ChartGrid(1);
    DesignRequest design;
    design.epsilon = 10;
    design.lengthPercent = 80;
    for (auto _ : state) benchmark::DoNotOptimize(RunSweepDesign(design, request));
}
BENCHMARK(BM_OneSweepDesign)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bellnozzle::moc

BENCHMARK_MAIN();

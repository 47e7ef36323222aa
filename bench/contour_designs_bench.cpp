// Speed of the contours designed by characteristics, for the window's initial
// entries (5 cm throat, epsilon 10, 80 %, gamma 1.4): goals of 20 ms for the
// ideal nozzle and its truncation, 0.5 s for the best parabola, and how the
// ideal nozzle's time grows with the number of characteristics.
#include <benchmark/benchmark.h>

#include "characteristics/contour_methods.h"
#include "characteristics/ideal_designs.h"

namespace bellnozzle::moc {
namespace {

DesignRequest Initial(ContourMethod method) {
    DesignRequest request;
    request.method = method;
    request.diameter = 5.0f;
    request.epsilon = 10.0f;
    request.lengthPercent = 80.0f;
    request.gamma = 1.4;
    return request;
}

void BM_DesignProfile(benchmark::State& state, ContourMethod method) {
    const DesignRequest request = Initial(method);
    for (auto _ : state) benchmark::DoNotOptimize(DesignProfile(request).profileText.size());
}
BENCHMARK_CAPTURE(BM_DesignProfile, ideal, ContourMethod::Ideal)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DesignProfile, tic, ContourMethod::Tic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DesignProfile, parabola, ContourMethod::Parabola)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DesignProfile, chart, ContourMethod::Chart)->Unit(benchmark::kMillisecond);

void BM_IdealWallByCharacteristics(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(DesignIdealWall(1.4, 10.0, int(state.range(0))).x.size());
}
BENCHMARK(BM_IdealWallByCharacteristics)->Arg(12)->Arg(24)->Arg(48)->Arg(96)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace bellnozzle::moc

BENCHMARK_MAIN();

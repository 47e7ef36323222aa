// Speed of the method of characteristics: the analysis of the initial design
// (5 cm throat, 80 % bell, epsilon 10, gamma 1.4) at the default resolution,
// which should take at most 2 ms on one core, and how the time grows with
// the number of characteristics on the initial line (the net's points grow
// about as its square).
#include <benchmark/benchmark.h>

#include "characteristics/nozzle_analysis.h"
#include "core/contour.h"
#include "core/profile_reader.h"
#include "core/wall_angle_chart.h"

namespace bellnozzle::moc {
namespace {

ProfileTable InitialDesign() {
    float thetaN = 0, thetaS = 0;
    LookupWallAngles(10.0f, 80.0f, thetaN, thetaS);
    return ParseProfileText(FormatContourProfile({2.5f, 10.0f, 80.0f, thetaN, thetaS, 20}), "initial design");
}

void BM_AnalyzeInitialDesign(benchmark::State& state) {
    const ProfileTable profile = InitialDesign();
    AnalysisOptions options;
    options.characteristics = static_cast<int>(state.range(0));
    std::size_t points = 0;
    for (auto _ : state) {
        const AnalysisResult result = AnalyzeProfile(profile, options, "initial design");
        benchmark::DoNotOptimize(result.efficiency);
        points = 0;
        for (const auto& line : result.netLines) points += line.size();
    }
    state.counters["drawn points"] = double(points);
}
BENCHMARK(BM_AnalyzeInitialDesign)
    ->Arg(kDefaultCharacteristics)
    ->Arg(20)
    ->Arg(40)
    ->Arg(80)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace bellnozzle::moc

BENCHMARK_MAIN();

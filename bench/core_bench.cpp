// Speed of the design core, beside the floor that writing a file costs on
// this folder's filesystem. Run from the folder to measure (the build folder
// by default); set BELLNOZZLE_BENCH_DIR to measure another one.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/contour.h"
#include "core/design.h"
#include "core/file_names.h"
#include "core/profile_reader.h"
#include "core/wall_angle_chart.h"

namespace bellnozzle {
namespace {

std::string BenchDir() {
    const char* dir = std::getenv("BELLNOZZLE_BENCH_DIR");
    return dir != nullptr ? dir : ".";
}

const ContourInput kInitialDesign{2.5f, 10.0f, 80.0f, 25.3911f, 10.8587f, 20};

void BM_LookupWallAngles(benchmark::State& state) {
    float thetaN = 0;
    float thetaS = 0;
    float epsilon = 10.0f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(epsilon);
        LookupWallAngles(epsilon, 80.0f, thetaN, thetaS);
        benchmark::DoNotOptimize(thetaN);
        benchmark::DoNotOptimize(thetaS);
    }
}
BENCHMARK(BM_LookupWallAngles);

void BM_ContourInMemory(benchmark::State& state) {
    for (auto _ : state) {
        const ContourGeometry g = ComputeContourGeometry(kInitialDesign);
        benchmark::DoNotOptimize(ComputeContourPoints(kInitialDesign, g));
    }
}
BENCHMARK(BM_ContourInMemory);

void BM_ProfileTextInMemory(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(FormatContourProfile(kInitialDesign));
}
BENCHMARK(BM_ProfileTextInMemory);

// The floor: one fopen/fwrite/fclose of the profile's bytes, replacing an
// existing file in the same folder as the design run writes to.
void BM_WriteFloor(benchmark::State& state) {
    const std::string text = FormatContourProfile(kInitialDesign);
    const std::string path = PathIn(BenchDir(), "bench_floor.txt");
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "w");
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_WriteFloor)->UseRealTime();

// The whole design run of the "Cálculo" button without the window: lookup,
// contour, profile file written and renamed into place.
void BM_DesignRun(benchmark::State& state) {
    const std::string path = PathIn(BenchDir(), "bench_zelto_perfil.txt");
    for (auto _ : state) benchmark::DoNotOptimize(RunDesign(5.0f, 80.0f, 10.0f, path));
    std::remove(path.c_str());
}
BENCHMARK(BM_DesignRun)->UseRealTime();

void BM_ReadProfileTable(benchmark::State& state) {
    const std::string path = PathIn(BenchDir(), "bench_read_perfil.txt");
    RunDesign(5.0f, 80.0f, 10.0f, path);
    for (auto _ : state) benchmark::DoNotOptimize(ReadProfileTable(path));
    std::remove(path.c_str());
}
BENCHMARK(BM_ReadProfileTable);

}  // namespace
}  // namespace bellnozzle

BENCHMARK_MAIN();

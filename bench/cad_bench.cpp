// The CAD exports and the rendered picture, whole (profile read, contour
// built, file written), for the window's initial design and for a profile of
// 10,000 points along the same kind of contour. Goals for the initial
// design: STEP under 0.3 s, STL under 1 s.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "cad/cad_export.h"
#include "cad/render.h"
#include "core/design.h"
#include "core/file_names.h"
#include "core/text_file.h"
#include "core/text_format.h"

namespace bellnozzle {
namespace {

std::string MakeFolder(const char* name) {
    const std::filesystem::path dir = std::filesystem::current_path() / name;
    std::filesystem::create_directories(dir);
    return dir.string();
}

const std::string& InitialDesign() {
    static const std::string dir = [] {
        const std::string folder = MakeFolder("bench_cad_initial");
        RunDesign(5.0f, 80.0f, 10.0f, PathIn(folder, kProfileFileName));
        return folder;
    }();
    return dir;
}

// 10,000 points of a 5 cm throat: the upstream arc of radius 3.75 cm, then a
// smooth bell to a 7.9 cm exit radius 16.5 cm downstream, printed with six
// digits as the design prints its points.
const std::string& FineProfile() {
    static const std::string dir = [] {
        const std::string folder = MakeFolder("bench_cad_10000");
        std::string text = "[parametros]\nRt=2.5 cm\n[perfil]\n";
        const int n = 10000;
        for (int i = 0; i < n; ++i) {
            const double x = -2.65 + (16.5344 + 2.65) * i / (n - 1);
            const double r = x < 0 ? 2.5 + 3.75 - std::sqrt(3.75 * 3.75 - x * x) : 2.5 + 0.2 * x * x / (1 + 0.552 * x);
            AppendInt(text, i + 1);
            text += '\t';
            AppendG(text, x);
            text += '\t';
            AppendG(text, r);
            text += '\n';
        }
        WriteTextFileAtomically(PathIn(folder, kProfileFileName), text);
        return folder;
    }();
    return dir;
}

void Export(benchmark::State& state, const std::string& (*folder)(), CadFormat format) {
    CadRequest request;
    request.format = format;
    CadSummary summary;
    for (auto _ : state) summary = ExportCad(folder(), request);
    state.counters["bytes"] = double(summary.bytes);
}

void Render(benchmark::State& state, const std::string& (*folder)()) {
    RenderRequest request;  // 800 x 600
    for (auto _ : state) benchmark::DoNotOptimize(RenderNozzle(folder(), request));
}

#define CAD_BENCH(format, name)                                                              \
    BENCHMARK_CAPTURE(Export, name##_initial, InitialDesign, CadFormat::format)->Unit(benchmark::kMillisecond); \
    BENCHMARK_CAPTURE(Export, name##_10000, FineProfile, CadFormat::format)->Unit(benchmark::kMillisecond)

CAD_BENCH(Step, step);
CAD_BENCH(Stl, stl);
CAD_BENCH(Dxf, dxf);
CAD_BENCH(Svg, svg);
CAD_BENCH(Csv, csv);
BENCHMARK_CAPTURE(Render, initial, InitialDesign)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Render, points_10000, FineProfile)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace bellnozzle

BENCHMARK_MAIN();

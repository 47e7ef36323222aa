// The four exports of the window's initial design (diameter 5.0, 80 %,
// epsilon 10): the text built in memory, the whole export (profile read,
// text built, file written), and beside each the floor of writing the same
// bytes to the same folder with fopen/fwrite/fclose, measured in the same run.
// Goals: each text in under 20 us, each whole export within 1.2x its floor.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "core/design.h"
#include "core/file_names.h"
#include "core/profile_reader.h"
#include "export/blockmesh_writer.h"
#include "export/gmsh_revolved_writer.h"
#include "export/gmsh_wedge_writer.h"
#include "export/pov_scene_writer.h"

namespace bellnozzle {
namespace {

// A folder beside the benchmark's working directory holding the profile of
// the initial design, made once.
const std::string& Folder() {
    static const std::string folder = [] {
        const std::filesystem::path dir = std::filesystem::current_path() / "bench_export_work";
        std::filesystem::create_directories(dir);
        RunDesign(5.0f, 80.0f, 10.0f, PathIn(dir.string(), kProfileFileName));
        return dir.string();
    }();
    return folder;
}

const ProfileTable& Profile() {
    static const ProfileTable profile = ReadProfileTable(PathIn(Folder(), kProfileFileName));
    return profile;
}

struct Export {
    const char* fileName;
    std::function<std::string(const ProfileTable&)> format;
    std::function<void(const std::string&)> write;
};

const Export kBlockMesh{kBlockMeshFileName,
                        [](const ProfileTable& p) { return FormatBlockMeshDict(p, 100, 20); },
                        [](const std::string& dir) { WriteBlockMeshDict(dir, 100, 20); }};
const Export kGmshWedge{kGmshFileName, FormatGmshWedgeGeometry, WriteGmshWedgeGeometry};
const Export kGmshRevolved{kGmshFileName, FormatGmshRevolvedGeometry, WriteGmshRevolvedGeometry};
const Export kPovScene{kPovFileName, FormatPovScene, WritePovScene};

void Text(benchmark::State& state, const Export& e) {
    const ProfileTable& profile = Profile();
    for (auto _ : state) benchmark::DoNotOptimize(e.format(profile));
    state.counters["bytes"] = double(e.format(profile).size());
}

void WholeExport(benchmark::State& state, const Export& e) {
    const std::string& dir = Folder();
    for (auto _ : state) e.write(dir);
}

// The floor: the same bytes through the plainest file write, to the same name.
void Floor(benchmark::State& state, const Export& e) {
    const std::string text = e.format(Profile());
    const std::string path = PathIn(Folder(), e.fileName);
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "w");
        if (file == nullptr) {
            state.SkipWithError("cannot open the output file");
            break;
        }
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
}

BENCHMARK_CAPTURE(Text, blockmesh, kBlockMesh);
BENCHMARK_CAPTURE(Text, gmsh_wedge, kGmshWedge);
BENCHMARK_CAPTURE(Text, gmsh_revolved, kGmshRevolved);
BENCHMARK_CAPTURE(Text, povray, kPovScene);
BENCHMARK_CAPTURE(WholeExport, blockmesh, kBlockMesh)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Floor, blockmesh, kBlockMesh)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WholeExport, gmsh_wedge, kGmshWedge)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Floor, gmsh_wedge, kGmshWedge)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WholeExport, gmsh_revolved, kGmshRevolved)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Floor, gmsh_revolved, kGmshRevolved)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WholeExport, povray, kPovScene)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Floor, povray, kPovScene)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bellnozzle

BENCHMARK_MAIN();

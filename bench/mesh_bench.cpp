// The time to a wedge mesh, script to mesh file read back (Gmsh included), of
// the window's initial design and of 70 cm throats, and how it grows with the
// cell count: structured meshes of 5:1 cells and unstructured ones of falling
// size. Also the script text alone, which is the part this program owns.
// Needs gmsh on PATH; run it from a folder on the disk you want to measure.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <string>

#include "core/design.h"
#include "core/file_names.h"
#include "core/profile_reader.h"
#include "meshing/wedge_mesh.h"
#include "process/run_program.h"

namespace bellnozzle {
namespace {

// A folder per design beside the working directory, with its profile, made once.
const std::string& DesignFolder(float diameter, float length, float epsilon) {
    static std::map<std::string, std::string> folders;
    const std::string name = "bench_mesh_work/d" + std::to_string(diameter) + "_l" + std::to_string(length) +
                             "_e" + std::to_string(epsilon);
    auto found = folders.find(name);
    if (found == folders.end()) {
        const std::filesystem::path dir = std::filesystem::current_path() / name;
        std::filesystem::create_directories(dir);
        RunDesign(diameter, length, epsilon, PathIn(dir.string(), kProfileFileName));
        found = folders.emplace(name, dir.string()).first;
    }
    return found->second;
}

void Mesh(benchmark::State& state, const WedgeMeshRequest& request) {
    if (FindProgram("gmsh").empty()) {
        state.SkipWithError("gmsh is not installed");
        return;
    }
    WedgeMeshResult result;
    for (auto _ : state) result = MakeWedgeMesh(request);
    state.counters["cells"] = double(result.summary.cells);
    state.SetComplexityN(result.summary.cells);
}

void Design(benchmark::State& state, float diameter, float length, float epsilon) {
    WedgeMeshRequest request;
    request.dir = DesignFolder(diameter, length, epsilon);
    Mesh(state, request);
}

void BM_MeshInitialDesign(benchmark::State& state) { Design(state, 5.0f, 80.0f, 10.0f); }
void BM_MeshThroat70cm(benchmark::State& state) { Design(state, 70.0f, 80.0f, 10.0f); }
void BM_MeshThroat70cmEpsilon50(benchmark::State& state) { Design(state, 70.0f, 100.0f, 50.0f); }

void BM_MeshStructured(benchmark::State& state) {
    WedgeMeshRequest request;
    request.dir = DesignFolder(5.0f, 80.0f, 10.0f);
    request.settings.cellsAxial = int(state.range(0));
    request.settings.cellsRadial = int(state.range(0) / 5);
    Mesh(state, request);
}

void BM_MeshUnstructured(benchmark::State& state) {
    WedgeMeshRequest request;
    request.dir = DesignFolder(5.0f, 80.0f, 10.0f);
    request.settings.size = 1.0 / double(state.range(0));  // cm
    Mesh(state, request);
}

void BM_ScriptText(benchmark::State& state) {
    const ProfileTable profile =
        ReadProfileTable(PathIn(DesignFolder(70.0f, 100.0f, 50.0f), kProfileFileName));
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatGmshMeshScript(profile, {}, "wedge_mesh.geo", "wedge_mesh.msh"));
    }
}

BENCHMARK(BM_MeshInitialDesign)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MeshThroat70cm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MeshThroat70cmEpsilon50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MeshStructured)->RangeMultiplier(2)->Range(50, 1600)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_MeshUnstructured)->RangeMultiplier(2)->Range(4, 32)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_ScriptText)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bellnozzle

BENCHMARK_MAIN();

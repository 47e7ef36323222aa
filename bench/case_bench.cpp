// The OpenFOAM case of the window's initial design (diameter 5.0, 80 %,
// epsilon 10, 100 x 20 cells): its texts built in memory, the whole case
// written (profile read, texts built, a fresh folder written and renamed over
// the earlier case, which is checked and removed), and beside it the floor of
// writing the same bytes into the same folders with fopen/fwrite/fclose,
// measured in the same run. Then the CI case (50 x 10) run to settled
// through its Allrun, once (about 20 s on a quiet core; skip it with
// --benchmark_filter=BM_Case, run it alone with --benchmark_filter=Cfd).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "core/design.h"
#include "core/file_names.h"
#include "core/profile_reader.h"
#include "foam_case/case_report.h"
#include "foam_case/case_run.h"
#include "foam_case/case_writer.h"
#include "process/run_program.h"

namespace bellnozzle {
namespace {

namespace fs = std::filesystem;

const fs::path& Folder() {
    static const fs::path folder = [] {
        const fs::path dir = fs::current_path() / "bench_case_work";
        fs::create_directories(dir);
        RunDesign(5.0f, 80.0f, 10.0f, PathIn(dir.string(), kProfileFileName));
        return dir;
    }();
    return folder;
}

std::string ProfilePath() { return (Folder() / kProfileFileName).string(); }

void BM_CaseTexts(benchmark::State& state) {
    const ProfileTable profile = ReadProfileTable(ProfilePath());
    for (auto _ : state) {
        const CaseOutline outline = OutlineCase(profile, {});
        benchmark::DoNotOptimize(ComposeCaseFiles(profile, outline));
    }
}
BENCHMARK(BM_CaseTexts)->Unit(benchmark::kMicrosecond);

void BM_CaseWrite(benchmark::State& state) {
    const std::string caseDir = (Folder() / "nozzle_case").string();
    for (auto _ : state) WriteCase(ProfilePath(), caseDir, {}, false);
}
BENCHMARK(BM_CaseWrite)->Unit(benchmark::kMicrosecond);

// The same files, plus the marker, written in place over the last ones.
void BM_CaseWriteFloor(benchmark::State& state) {
    const ProfileTable profile = ReadProfileTable(ProfilePath());
    std::vector<CaseFile> files = ComposeCaseFiles(profile, OutlineCase(profile, {}));
    files.push_back({"bellnozzle-case.txt", std::string(1200, 'x')});
    const fs::path dir = Folder() / "floor_case";
    for (const CaseFile& file : files) fs::create_directories((dir / file.path).parent_path());
    for (auto _ : state) {
        for (const CaseFile& file : files) {
            std::FILE* out = std::fopen((dir / file.path).c_str(), "w");
            std::fwrite(file.text.data(), 1, file.text.size(), out);
            std::fclose(out);
        }
    }
}
BENCHMARK(BM_CaseWriteFloor)->Unit(benchmark::kMicrosecond);

void BM_CfdCiCaseToSettled(benchmark::State& state) {
    if (FindProgram("rhoCentralFoam").empty()) {
        state.SkipWithError("OpenFOAM is not installed");
        return;
    }
    CaseSettings settings;
    settings.axialCells = 50;
    settings.radialCells = 10;
    const std::string caseDir = (Folder() / "ci_case").string();
    WriteCase(ProfilePath(), caseDir, settings, true);
    for (auto _ : state) {
        const CaseRunResult result = RunCaseFolder(caseDir, {});
        if (result.outcome != RunOutcome::Finished) state.SkipWithError(result.english.c_str());
    }
    state.counters["settled"] = ReadCaseReport(caseDir).settled ? 1 : 0;
}
BENCHMARK(BM_CfdCiCaseToSettled)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
}  // namespace bellnozzle

BENCHMARK_MAIN();

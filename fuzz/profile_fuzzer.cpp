// Feeds arbitrary bytes as "zelto_perfil.txt" through the profile reader, the
// design summary, the 2-D analysis and the four exporters, and as a wall made
// directly of the bytes through the analysis. Each must either refuse the
// input with a message or give its output; the sanitizers catch any touch of
// memory it does not own, and libFuzzer's time limit any loop that never ends.
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "characteristics/analysis_report.h"
#include "characteristics/nozzle_analysis.h"
#include "core/design_summary.h"
#include "core/error.h"
#include "core/file_names.h"
#include "core/profile_reader.h"
#include "export/blockmesh_writer.h"
#include "export/gmsh_revolved_writer.h"
#include "export/gmsh_wedge_writer.h"
#include "export/pov_scene_writer.h"

namespace {

using namespace bellnozzle;

constexpr int kMaxFuzzedPoints = 10000;

// One scratch folder per fuzzing process, on tmpfs where there is one.
const std::string& ScratchDir() {
    static const std::string dir = [] {
        const std::filesystem::path base =
            std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        const std::filesystem::path path = base / ("bellnozzle-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path.string();
    }();
    return dir;
}

void WriteBytes(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
    std::fclose(file);
}

// Runs one export. It must refuse exactly the profiles the reader refuses,
// with a message in both languages and no file; otherwise it writes its file.
template <typename Export>
void Check(const std::string& outputName, bool readable, Export run) {
    const std::string output = PathIn(ScratchDir(), outputName);
    std::remove(output.c_str());
    try {
        run();
    } catch (const Error& error) {
        if (readable || std::string(error.what()).empty() || error.Portuguese().empty()) std::abort();
        if (std::filesystem::exists(output)) std::abort();  // refused, yet written
        return;
    }
    if (!readable || !std::filesystem::exists(output)) std::abort();
}

// The analysis refuses in both languages, or gives finite figures and JSON
// without NaN.
void CheckAnalysis(const ProfileTable& table, const moc::AnalysisOptions& options) {
    moc::AnalysisResult r;
    try {
        r = moc::AnalyzeProfile(table, options, "fuzz");
    } catch (const Error& error) {
        if (std::string(error.what()).empty() || error.Portuguese().empty()) std::abort();
        return;
    }
    const double figures[] = {r.dischargeCoefficient, r.cfVacuum, r.cfAmbient, r.cfVacuum1d, r.efficiency,
                              r.exitMachMean, r.exitMachAxis, r.exitMachLip, r.cfAmbientSeparated};
    for (const double figure : figures) {
        if (!std::isfinite(figure)) std::abort();
    }
    for (const moc::WallStation& s : r.wall) {
        if (!std::isfinite(s.xCm) || !std::isfinite(s.mach) || !std::isfinite(s.pRatio)) std::abort();
    }
    const std::string json = moc::FormatAnalysisJson(r);
    if (json.find("nan") != std::string::npos || json.find("inf") != std::string::npos) std::abort();
}

// The gas, the pressures and the net's size from the first bytes, kept to
// nets that finish quickly.
moc::AnalysisOptions OptionsFromBytes(const std::uint8_t* data, std::size_t size) {
    moc::AnalysisOptions options;
    if (size > 2) options.gamma = 1.05 + data[2] / 255.0 * 0.65;
    if (size > 3) options.paBar = data[3] / 255.0 * 3.0;
    if (size > 4 && data[4] % 4 != 0) options.characteristics = 4 + data[4] % 40;
    if (size > 5) options.planar = data[5] % 8 == 0;
    return options;
}

// A wall no text would give: from a converging start, each pair of bytes
// is a step along x (possibly none) and a step of radius (either way), so
// the analysis meets kinks, flats, walls that turn back toward the axis and
// throats in odd places.
ProfileTable WallFromBytes(const std::uint8_t* data, std::size_t size) {
    ProfileTable table;
    table.X = {0.0f, -1.0f, -0.5f};
    table.Y = {0.0f, 1.6f, 1.15f};
    float x = 0.0f, y = 1.0f;
    for (std::size_t i = 6; i + 1 < size && table.X.size() <= 400; i += 2) {
        table.X.push_back(x);
        table.Y.push_back(y);
        x += data[i] / 128.0f;
        y = std::max(0.0f, y + static_cast<std::int8_t>(data[i + 1]) / 64.0f);
    }
    table.Count = table.Size();
    return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& dir = ScratchDir();
    WriteBytes(PathIn(dir, kProfileFileName), data, size);

    bool readable = true;
    try {
        const ProfileTable table = ReadProfileTable(PathIn(dir, kProfileFileName));
        if (table.Count < 1 || table.Count > table.Size()) std::abort();
        // A point number near the limit makes every export write megabytes;
        // the list code is the same for ten thousand points, so spend the
        // fuzzing time on other inputs.
        if (table.Size() > kMaxFuzzedPoints) return 0;
        std::string header;
        CopyProfileHeader(table, header);
        CheckAnalysis(table, OptionsFromBytes(data, size));
        // The summary reads the header's numbers too: it refuses in both
        // languages or gives only finite figures (JSON has no NaN).
        try {
            const std::string json = FormatSummaryJson(SummarizeDesign(table, {}, "fuzz"));
            if (json.find("nan") != std::string::npos || json.find("inf") != std::string::npos) std::abort();
        } catch (const Error& error) {
            if (std::string(error.what()).empty() || error.Portuguese().empty()) std::abort();
        }
    } catch (const Error& error) {
        if (std::string(error.what()).empty()) std::abort();
        readable = false;
    }

    CheckAnalysis(WallFromBytes(data, size), OptionsFromBytes(data, size));

    // The cell counts come from the first bytes, so the fuzzer explores them too.
    const std::int32_t nx = size > 0 ? static_cast<std::int8_t>(data[0]) * 1000 : 100;
    const std::int32_t ny = size > 1 ? static_cast<std::int8_t>(data[1]) : 20;
    Check(kBlockMeshFileName, readable, [&] { WriteBlockMeshDict(dir, nx, ny); });
    Check(kGmshFileName, readable, [&] { WriteGmshWedgeGeometry(dir); });
    Check(kGmshFileName, readable, [&] { WriteGmshRevolvedGeometry(dir); });
    Check(kPovFileName, readable, [&] { WritePovScene(dir); });
    return 0;
}

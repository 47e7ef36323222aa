// Feeds arbitrary bytes as "zelto_perfil.txt" through the profile reader, the
// design summary and the four exporters. Each must either refuse the file
// with a message or write its output; the sanitizers catch any touch of
// memory it does not own.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

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

    // The cell counts come from the first bytes, so the fuzzer explores them too.
    const std::int32_t nx = size > 0 ? static_cast<std::int8_t>(data[0]) * 1000 : 100;
    const std::int32_t ny = size > 1 ? static_cast<std::int8_t>(data[1]) : 20;
    Check(kBlockMeshFileName, readable, [&] { WriteBlockMeshDict(dir, nx, ny); });
    Check(kGmshFileName, readable, [&] { WriteGmshWedgeGeometry(dir); });
    Check(kGmshFileName, readable, [&] { WriteGmshRevolvedGeometry(dir); });
    Check(kPovFileName, readable, [&] { WritePovScene(dir); });
    return 0;
}

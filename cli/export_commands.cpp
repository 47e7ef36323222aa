// blockmesh, gmsh, gmsh2 and povray: the window's export buttons without the
// window. Each reads zelto_perfil.txt in the folder and writes its fixed file
// name there through the same writer the window uses.
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "core/entry_conversion.h"
#include "core/error.h"
#include "core/file_names.h"
#include "export/blockmesh_writer.h"
#include "export/gmsh_revolved_writer.h"
#include "export/gmsh_wedge_writer.h"
#include "export/pov_scene_writer.h"

namespace bellnozzle::cli {
namespace {

const char kBlockMeshUsage[] =
    "usage: bellnozzle blockmesh [--dir DIR] [--nx TEXT] [--ny TEXT]\n"
    "\n"
    "Writes DIR/blockMeshDict.txt, the OpenFOAM blockMesh dictionary of the\n"
    "5-degree wedge, from DIR/zelto_perfil.txt (written by 'bellnozzle design').\n"
    "The cell counts are read as the window reads its NX and NY entries (leading\n"
    "whole number counts, text without one gives 0, zero and negatives are\n"
    "written unchanged):\n"
    "  --nx TEXT  cells along the axis (default \"100\")\n"
    "  --ny TEXT  cells from the axis to the wall (default \"20\")\n"
    "  --dir DIR  folder to read and write in (default: the current folder)\n"
    "Place the file in an OpenFOAM case as system/blockMeshDict.\n";

const char kGmshUsage[] =
    "usage: bellnozzle gmsh [--dir DIR]\n"
    "\n"
    "Writes DIR/mesh.geo, the Gmsh script of the wedge's whole boundary (both\n"
    "wedge sides, wall, inlet and exit faces; no volume), from\n"
    "DIR/zelto_perfil.txt. Mesh it with 'gmsh -2 mesh.geo'. Replaces the file\n"
    "'bellnozzle gmsh2' writes.\n"
    "  --dir DIR  folder to read and write in (default: the current folder)\n";

const char kGmsh2Usage[] =
    "usage: bellnozzle gmsh2 [--dir DIR]\n"
    "\n"
    "Writes DIR/mesh.geo, the Gmsh script of the plus-side face swept through\n"
    "the 5-degree wedge, with the wedge as volume 25, from DIR/zelto_perfil.txt.\n"
    "Mesh it with 'gmsh -3 mesh.geo'. Replaces the file 'bellnozzle gmsh' writes.\n"
    "  --dir DIR  folder to read and write in (default: the current folder)\n";

const char kPovRayUsage[] =
    "usage: bellnozzle povray [--dir DIR]\n"
    "\n"
    "Writes DIR/nozzle1.pov, a POV-Ray 3.6 scene with the design as comments and\n"
    "the plus-side wall points (in a comment), from DIR/zelto_perfil.txt.\n"
    "  --dir DIR  folder to read and write in (default: the current folder)\n";

// Parses the options, runs the export and prints the file written; a refused
// profile or a file that cannot be written is one line on stderr, status 1.
int RunExport(const Args& args, const std::vector<std::string>& allowed, const char* usage,
              const char* fileName,
              const std::function<void(const ParsedOptions&, const std::string&)>& write) {
    ParsedOptions options;
    if (!ParseOptions(args, allowed, usage, options)) return kExitUsage;
    if (options.help) {
        std::fputs(usage, stdout);
        return kExitOk;
    }
    const std::string dir = OptionOr(options, "dir", "");
    try {
        write(options, dir);
    } catch (const Error& error) {
        return ReportRefusal(error.what());
    }
    std::printf("file=%s\n", PathIn(dir, fileName).c_str());
    return kExitOk;
}

}  // namespace

int RunBlockMeshCommand(const Args& args) {
    return RunExport(args, {"dir", "nx", "ny"}, kBlockMeshUsage, kBlockMeshFileName,
                     [](const ParsedOptions& options, const std::string& dir) {
                         const std::int32_t nx = ConvertCount(OptionOr(options, "nx", "100"));
                         const std::int32_t ny = ConvertCount(OptionOr(options, "ny", "20"));
                         WriteBlockMeshDict(dir, nx, ny);
                     });
}

int RunGmshCommand(const Args& args) {
    return RunExport(args, {"dir"}, kGmshUsage, kGmshFileName,
                     [](const ParsedOptions&, const std::string& dir) { WriteGmshWedgeGeometry(dir); });
}

int RunGmsh2Command(const Args& args) {
    return RunExport(args, {"dir"}, kGmsh2Usage, kGmshFileName,
                     [](const ParsedOptions&, const std::string& dir) { WriteGmshRevolvedGeometry(dir); });
}

int RunPovRayCommand(const Args& args) {
    return RunExport(args, {"dir"}, kPovRayUsage, kPovFileName,
                     [](const ParsedOptions&, const std::string& dir) { WritePovScene(dir); });
}

}  // namespace bellnozzle::cli

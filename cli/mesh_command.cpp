// mesh: the wedge mesh a solver can read, made by Gmsh from the profile file.
// Unlike the export commands, which read their entries as the window does,
// its options are read strictly: a mesh from a mistyped size can take Gmsh
// hours, so a value that is not wholly a number is refused.
#include <csignal>
#include <cstdio>
#include <string>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "core/entry_conversion.h"
#include "core/error.h"
#include "meshing/wedge_mesh.h"

namespace bellnozzle::cli {
namespace {

const char kMeshUsage[] =
    "usage: bellnozzle mesh [--dir DIR] [--size LENGTH] [--cells-axial N --cells-radial N]\n"
    "                       [--format msh2|msh4|su2] [--out FILE]\n"
    "\n"
    "Writes DIR/wedge_mesh.geo, the Gmsh script of the 5-degree wedge of\n"
    "DIR/zelto_perfil.txt (the plus-side face swept into one layer of cells), and\n"
    "runs gmsh on it. The boundaries are named as in blockMeshDict.txt: inlet,\n"
    "outlet, wall, axi_symm-f, axi_symm-r; the volume is fluid. The mesh is saved\n"
    "in metres. Prints the files and Gmsh's counts (nodes, cells, elements per\n"
    "group). Without gmsh installed, writes the script and says how to mesh it.\n"
    "  --size LENGTH     cell edge length in cm (default: a fifteenth of the local\n"
    "                    wall radius)\n"
    "  --cells-axial N   with --cells-radial: a structured mesh of N cells along\n"
    "  --cells-radial N  the axis and N from the axis to the wall\n"
    "  --format F        msh2 (MSH 2.2, for OpenFOAM's gmshToFoam; default),\n"
    "                    msh4 (MSH 4.1) or su2 (the default for an --out FILE.su2)\n"
    "  --out FILE        the mesh file (default DIR/wedge_mesh.msh, or .su2)\n"
    "  --dir DIR         folder to read and write in (default: the current folder)\n"
    "For OpenFOAM: gmshToFoam wedge_mesh.msh, then set the type of axi_symm-f and\n"
    "axi_symm-r to wedge in constant/polyMesh/boundary.\n";

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) { stopRequested = 1; }

// Gmsh runs in a process group of its own, so Ctrl-C reaches only this
// program, which then stops Gmsh and leaves no partial mesh.
class StopOnInterrupt {
public:
    StopOnInterrupt() {
        stopRequested = 0;
        oldInt_ = std::signal(SIGINT, RequestStop);
        oldTerm_ = std::signal(SIGTERM, RequestStop);
    }
    ~StopOnInterrupt() {
        std::signal(SIGINT, oldInt_);
        std::signal(SIGTERM, oldTerm_);
    }
    StopOnInterrupt(const StopOnInterrupt&) = delete;
    StopOnInterrupt& operator=(const StopOnInterrupt&) = delete;

private:
    void (*oldInt_)(int);
    void (*oldTerm_)(int);
};

double ReadSize(const std::string& text) {
    double size = 0.0;
    if (!ParseNumber(text, size) || !(size > 0.0)) {
        throw Error("--size must be a length above 0 (cm), not '" + text + "'",
                    "o tamanho deve ser um comprimento maior que 0 (cm), não '" + text + "'");
    }
    return size;
}

int ReadCells(const std::string& option, const std::string& text) {
    double value = 0.0;
    if (!ParseNumber(text, value) || value != double(static_cast<long long>(value)) || value < 1.0 ||
        value > kMaxCellsPerDirection) {
        throw Error("--" + option + " must be a whole number from 1 to " + std::to_string(kMaxCellsPerDirection) +
                        ", not '" + text + "'",
                    "o número de células deve ser inteiro, de 1 a " + std::to_string(kMaxCellsPerDirection) +
                        ", não '" + text + "'");
    }
    return int(value);
}

WedgeMeshRequest ReadRequest(const ParsedOptions& options) {
    WedgeMeshRequest request;
    request.dir = OptionOr(options, "dir", "");
    request.meshPath = OptionOr(options, "out", "");
    // Without --format, an --out ending in .su2 asks for SU2.
    const bool su2Name = request.meshPath.size() > 4 && request.meshPath.substr(request.meshPath.size() - 4) == ".su2";
    const std::string format = OptionOr(options, "format", su2Name ? "su2" : "msh2");
    if (!ParseMeshFormat(format, request.settings.format)) {
        throw Error("--format must be msh2, msh4 or su2, not '" + format + "'",
                    "o formato deve ser msh2, msh4 ou su2, não '" + format + "'");
    }
    if (options.values.count("size")) request.settings.size = ReadSize(options.values.at("size"));
    const bool axial = options.values.count("cells-axial") > 0;
    const bool radial = options.values.count("cells-radial") > 0;
    if (axial != radial) {
        throw Error("give --cells-axial and --cells-radial together", "informe as duas contagens de células");
    }
    if (axial) {
        request.settings.cellsAxial = ReadCells("cells-axial", options.values.at("cells-axial"));
        request.settings.cellsRadial = ReadCells("cells-radial", options.values.at("cells-radial"));
    }
    return request;
}

void PrintResult(const WedgeMeshResult& result, MeshFileFormat format) {
    std::printf("script=%s\n", result.scriptPath.c_str());
    if (!result.meshed) {
        std::fprintf(stderr, "bellnozzle: gmsh is not installed (Debian package gmsh), so only the script was "
                             "written; mesh it with: %s\n",
                     result.handCommand.c_str());
        return;
    }
    std::printf("mesh=%s\nformat=%s\nnodes=%lld\ncells=%lld\n", result.meshPath.c_str(), MeshFormatName(format),
                result.summary.nodes, result.summary.cells);
    for (const MeshGroup& group : result.summary.groups) {
        std::printf("group=%s dimension=%d elements=%lld\n", group.name.c_str(), group.dimension, group.elements);
    }
}

}  // namespace

int RunMeshCommand(const Args& args) {
    ParsedOptions options;
    if (!ParseOptions(args, {"dir", "size", "cells-axial", "cells-radial", "format", "out"}, kMeshUsage, options)) {
        return kExitUsage;
    }
    if (options.help) {
        std::fputs(kMeshUsage, stdout);
        return kExitOk;
    }
    try {
        const WedgeMeshRequest request = ReadRequest(options);
        StopOnInterrupt stop;
        MeshProgress progress;
        progress.shouldStop = [] { return stopRequested != 0; };
        const WedgeMeshResult result = MakeWedgeMesh(request, progress);
        PrintResult(result, request.settings.format);
    } catch (const Error& error) {
        return ReportRefusal(error.what());
    }
    return kExitOk;
}

}  // namespace bellnozzle::cli

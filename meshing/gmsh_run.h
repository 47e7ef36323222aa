// Running Gmsh on a script so that the mesh file is written whole or not at
// all: Gmsh exits 1 after any error it logs, yet leaves a partial mesh behind,
// so it writes to a temporary file beside the target, which replaces the
// target only when Gmsh exited 0 and logged no error.
#pragma once

#include <functional>
#include <string>

#include "export/gmsh_mesh_script_writer.h"

namespace bellnozzle {

struct MeshProgress {
    // Polled about ten times a second; true stops Gmsh, and nothing is written.
    std::function<bool()> shouldStop;
    // Called with each new line of Gmsh's log (e.g. "Info    : Meshing 2D...").
    std::function<void(const std::string& line)> onLogLine;
};

// The name Gmsh's -format option takes.
const char* GmshFormatOption(MeshFileFormat format);

// Runs gmsh (its path as FindProgram gives it) on scriptPath and writes the
// 3-D mesh to meshPath. Throws Error when Gmsh cannot be started, fails (the
// message holds its first error lines), is stopped, or the file cannot be put
// in place; meshPath is then as it was.
void RunGmsh(const std::string& gmsh, const std::string& scriptPath, const std::string& meshPath,
             MeshFileFormat format, const MeshProgress& progress);

}  // namespace bellnozzle

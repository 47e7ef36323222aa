// Making the solver-ready wedge mesh of the design in a folder: the script is
// written from the profile file, Gmsh (when installed) turns it into the mesh
// file, and the mesh is read back for its counts. The command and the window
// both go through MakeWedgeMesh.
#pragma once

#include <string>

#include "export/gmsh_mesh_script_writer.h"
#include "meshing/gmsh_run.h"
#include "meshing/mesh_summary.h"

namespace bellnozzle {

inline constexpr const char* kWedgeMeshScriptName = "wedge_mesh.geo";
inline constexpr const char* kWedgeMeshStem = "wedge_mesh";

struct WedgeMeshRequest {
    std::string dir;  // holds zelto_perfil.txt and gets the script; empty: the current folder
    MeshScriptSettings settings;
    std::string meshPath;  // empty: wedge_mesh.msh (or .su2) in dir
};

struct WedgeMeshResult {
    std::string scriptPath;
    std::string script;
    std::string meshPath;
    MeshFileFormat format = MeshFileFormat::Msh2;
    bool meshed = false;  // false: Gmsh is not installed, only the script was written
    MeshSummary summary;
    std::string handCommand;  // how to mesh the script by hand
};

// The mesh file a request names.
std::string WedgeMeshPath(const WedgeMeshRequest& request);

// Throws Error, having written nothing, when the settings or the profile are
// refused, or the mesh path names the profile, the script or a folder, or lies
// in a folder that does not exist. Throws Error when Gmsh fails or is stopped;
// the script is then written, the mesh file left as it was.
WedgeMeshResult MakeWedgeMesh(const WedgeMeshRequest& request, const MeshProgress& progress = {});

}  // namespace bellnozzle

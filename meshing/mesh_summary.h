// What a mesh file holds, read back from the file Gmsh wrote: the counts a
// user checks before handing the mesh to a solver.
#pragma once

#include <string>
#include <vector>

#include "export/gmsh_mesh_script_writer.h"

namespace bellnozzle {

struct MeshGroup {
    int dimension = 0;  // 3 for the volume, 2 for a boundary
    std::string name;
    long long elements = 0;
};

struct MeshSummary {
    long long nodes = 0;
    long long cells = 0;  // elements of dimension 3
    // In the file's order. SU2 names only its boundary markers, so there the
    // volume has no group.
    std::vector<MeshGroup> groups;

    // The group of this name, or nullptr.
    const MeshGroup* Find(const std::string& name) const;
};

// Reads an ASCII MSH 2.2, MSH 4.1 or SU2 file. Throws Error naming the file
// when it cannot be read or is not a mesh of that format.
MeshSummary ReadMeshSummary(const std::string& path, MeshFileFormat format);

}  // namespace bellnozzle

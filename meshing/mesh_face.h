// One boundary of a mesh file as a flat picture: the faces of a named group,
// each node given by its axial position and its distance from the axis. The
// window draws the plus-side face of the wedge from it.
#pragma once

#include <string>
#include <vector>

#include "export/gmsh_mesh_script_writer.h"

namespace bellnozzle {

struct MeshFace {
    struct Node {
        double x;  // along the axis
        double r;  // distance from the axis
    };
    std::vector<Node> nodes;
    std::vector<std::vector<int>> polygons;  // indices into nodes
};

// The triangles and quadrangles of the group named `group` in an ASCII MSH
// 2.2, MSH 4.1 or SU2 file. Throws Error when the file cannot be read, is cut
// short, has no such group, or names a node it does not hold.
MeshFace ReadMeshFace(const std::string& path, MeshFileFormat format, const std::string& group);

}  // namespace bellnozzle

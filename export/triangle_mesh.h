// A closed triangle mesh of the nozzle's solid and its binary STL file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "export/cad_profile.h"

namespace bellnozzle {

struct TriangleMesh {
    std::vector<std::array<double, 3>> vertices;  // mm, x along the axis
    // Vertex indices, counter-clockwise seen from outside the solid; edges
    // are shared through the indices, so the mesh is exactly as closed as its
    // index lists.
    std::vector<std::array<std::uint32_t, 3>> triangles;
};

// Volume enclosed by the mesh (sum of signed tetrahedra), mm^3.
double MeshVolume(const TriangleMesh& mesh);

// Binary STL in the chosen unit: an 80-byte header naming the unit (never
// starting with "solid", which some readers take for the text form), the
// triangle count, then each triangle's normal and corners as little-endian
// 32-bit floats.
std::string FormatBinaryStl(const TriangleMesh& mesh, LengthUnit unit);

}  // namespace bellnozzle

// Gmsh script of the two-sided wedge boundary: "mesh.geo".
#pragma once

#include <string>

#include "core/profile_reader.h"

namespace bellnozzle {

std::string FormatGmshWedgeGeometry(const ProfileTable& profile);

// Reads "zelto_perfil.txt" in dir and writes "mesh.geo" there; throws Error as
// WriteBlockMeshDict does.
void WriteGmshWedgeGeometry(const std::string& dir);

}  // namespace bellnozzle

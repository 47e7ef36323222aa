// Gmsh script of the plus-side face swept through 5 degrees: "mesh.geo".
#pragma once

#include <string>

#include "core/profile_reader.h"

namespace bellnozzle {

std::string FormatGmshRevolvedGeometry(const ProfileTable& profile);

// Reads "zelto_perfil.txt" in dir and writes "mesh.geo" there; throws Error as
// WriteBlockMeshDict does.
void WriteGmshRevolvedGeometry(const std::string& dir);

}  // namespace bellnozzle

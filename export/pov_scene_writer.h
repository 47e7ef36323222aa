// POV-Ray scene with the profile header and the plus-side wall points:
// "nozzle1.pov".
#pragma once

#include <string>

#include "core/profile_reader.h"

namespace bellnozzle {

std::string FormatPovScene(const ProfileTable& profile);

// Reads "zelto_perfil.txt" in dir and writes "nozzle1.pov" there; throws Error
// as WriteBlockMeshDict does.
void WritePovScene(const std::string& dir);

}  // namespace bellnozzle

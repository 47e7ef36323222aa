// OpenFOAM blockMesh dictionary for the 5-degree wedge: "blockMeshDict.txt".
#pragma once

#include <cstdint>
#include <string>

#include "core/profile_reader.h"

namespace bellnozzle {

// The whole text of the dictionary for this profile and these cell counts.
// Coordinates carry significantDigits significant digits ("%.Ng"); the
// exported file keeps "%g"'s six, a case for the solver needs 12 so that its
// wedge sides are planar to blockMesh's and checkMesh's tolerance.
std::string FormatBlockMeshDict(const ProfileTable& profile, std::int32_t axialCells,
                                std::int32_t radialCells, int significantDigits = 6);

// Reads "zelto_perfil.txt" in dir and writes "blockMeshDict.txt" there.
// Throws Error (nothing written, an old file kept) when the profile is refused
// or the file cannot be written. An empty dir means the current folder.
void WriteBlockMeshDict(const std::string& dir, std::int32_t axialCells,
                        std::int32_t radialCells);

}  // namespace bellnozzle

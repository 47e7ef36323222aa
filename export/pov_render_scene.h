// A POV-Ray scene that shows the nozzle: the wall with its thickness as a
// solid of revolution (a lathe through the half-section), copper-coloured
// under a blue sky, seen from above and beside the exit with the camera
// drawn back until the whole nozzle is in view.
#pragma once

#include <array>
#include <string>

#include "export/cad_profile.h"

namespace bellnozzle {

// The nozzle's colour in the picture, red, green and blue from 0 to 1.
inline constexpr std::array<double, 3> kNozzleColour{0.85, 0.42, 0.18};

// profile must be a shell. Lengths in millimetres, x along the nozzle's axis.
std::string FormatRenderScene(const CadProfile& profile, int width, int height);

}  // namespace bellnozzle

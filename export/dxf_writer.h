// The half-section of the nozzle as a 2-D DXF drawing (R12, the form every
// CAD and CAM reader takes): the wall as a POLYLINE through the profile
// points, the axis as a LINE, and for the shell the outer wall and the two
// end lines. Lengths in the chosen unit, x along the axis, y the radius.
#pragma once

#include <string>

#include "export/cad_profile.h"

namespace bellnozzle {

std::string FormatDxfDrawing(const CadProfile& profile, LengthUnit unit);

}  // namespace bellnozzle

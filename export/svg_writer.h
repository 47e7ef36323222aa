// The nozzle's section as an SVG drawing at 1:1 in the chosen unit, for
// printing a lathe or cutting template: the wall and its mirror image about
// the axis (and the outer wall and end lines for the shell), the axis as a
// dash-dot line, and the throat and exit diameters written on it. One user
// unit is one unit of length; the drawing's y is the negated radius, so the
// upper wall's points are (x, -r).
#pragma once

#include <string>

#include "export/cad_profile.h"

namespace bellnozzle {

std::string FormatSvgDrawing(const CadProfile& profile, LengthUnit unit);

}  // namespace bellnozzle

// The contour points as CSV: a header line naming the columns with their
// unit, then one point a line, x along the axis and y the wall radius, and
// for the shell the outer wall's radius at the same point.
#pragma once

#include <string>

#include "export/cad_profile.h"

namespace bellnozzle {

std::string FormatCsvPoints(const CadProfile& profile, LengthUnit unit);

}  // namespace bellnozzle

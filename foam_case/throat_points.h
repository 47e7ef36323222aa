// Extra wall points on the contour's own geometry around the throat, for the
// case's mesh. A bell's profile may hold points a fifth of a throat radius
// apart, coarser than its 0.382 Rt downstream arc; blockMesh's spline
// through them then dips below the smallest point and the mesh's throat
// comes out narrower than the profile's (0.6 % of the area for a 1 cm bell).
#pragma once

#include "core/profile_reader.h"

namespace bellnozzle {

// Near the throat the points are at most kThroatPointSpacing throat radii
// apart, the spacing growing by kThroatPointGrowth times the distance from
// the throat, within kThroatPointReach throat radii either side.
inline constexpr double kThroatPointSpacing = 0.025;
inline constexpr double kThroatPointGrowth = 0.25;
inline constexpr double kThroatPointReach = 2.0;

// The profile with points added between its own where its header describes
// the contour (the throat radius, the upstream arc R1 centred above the
// throat, the downstream arc and the wall beyond it) and both neighbouring
// points lie on that contour. Any other profile (hand-made, edited) is
// returned as it is.
ProfileTable WithThroatArcPoints(const ProfileTable& profile);

}  // namespace bellnozzle

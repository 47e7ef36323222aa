// The wall contour as the meshing script draws it: the profile's points with
// near-duplicates left out, in pieces of even point spacing.
//
// Gmsh's Spline runs through its points at equal parameter steps. Through
// points whose spacing jumps (0.1 cm along the throat arcs, a tenth of the
// bell length along the parabola, and the 0.01 cm steps where the arcs and
// the parabola meet) it overshoots and can fold back on itself, and the
// mesher then fails on large nozzles. Each piece is therefore evenly spaced,
// and points far closer together than the mesh resolves are dropped.
#pragma once

#include <vector>

#include "core/profile_reader.h"

namespace bellnozzle {

// Point numbers of the profile, inlet to exit; consecutive pieces share their
// end point. The first point of the first piece is 1, the last point of the
// last piece is profile.Count.
using WallPieces = std::vector<std::vector<int>>;

// A step more than this many times its neighbour starts a new piece.
inline constexpr double kWallStepJump = 4.0;

// The points kept: 1, Count, and every point at least minSpacing (cm) from the
// point kept before it; a point closer than that to Count gives way to Count.
std::vector<int> KeepWallPoints(const ProfileTable& profile, double minSpacing);

// The kept points cut into pieces where the step jumps by kWallStepJump.
WallPieces SplitWallIntoPieces(const ProfileTable& profile, const std::vector<int>& kept);

// The spacing below which points are dropped for a mesh whose smallest cell
// edge is about smallestCell (cm): a tenth of that (or of the smallest wall
// radius, whichever is smaller), but never less than a quarter of the
// profile's median step, so the 0.01 cm joins always go.
double WallPointSpacing(const ProfileTable& profile, double smallestCell);

}  // namespace bellnozzle

// The ideal nozzle of an area ratio and its truncation at a bell length, as
// walls in throat radii from the end of the downstream throat arc to the
// exit, and as profile files in the bell's format.
#pragma once

#include <string>

#include "characteristics/ideal_nozzle.h"

namespace bellnozzle::moc {

// Intervals of the initial line the designs march from.
inline constexpr int kDesignCharacteristics = 24;
// Right-running characteristics of the turning region, one wall point each.
inline constexpr int kDesignWallSteps = 48;

// The ideal nozzle ending at area ratio epsilon. Throws Error when the arc
// cannot turn the flow that far.
DesignedWall DesignIdealWall(double gamma, double epsilon, int characteristics = kDesignCharacteristics);

// The ideal nozzle whose wall, cut at x = length (throat radii), has the
// radius sqrt(epsilon) there; the wall ends at that cut. Throws Error when the
// length is not shorter than the ideal nozzle of epsilon itself (nothing to
// cut) or too short for the arc to reach the area ratio.
DesignedWall DesignTruncatedIdealWall(double gamma, double epsilon, double length,
                                      int characteristics = kDesignCharacteristics);

// The profile file of a designed wall: the chart's throat arcs up to A,
// A itself as N, the wall's points, and its exit point as E; the header
// carries Rt, epsilon, the length in per cent of the 15-degree cone, the wall
// angle at A (thetan) and at the exit (thetas), A as xn and yn, the exit
// radius and length. Rt in cm.
// subdivisions: file points per interval of the net's wall (the extra ones on
// the Hermite cubic of the wall's own slopes).
inline constexpr int kWallSubdivisions = 3;
std::string FormatDesignedProfile(float Rt, float epsilon, float lengthPercent, const DesignedWall& wall,
                                  int subdivisions = kWallSubdivisions);

}  // namespace bellnozzle::moc

// The 15-degree conical nozzle that the bell's length percentage is measured
// against: the bell's upstream throat arc, a downstream throat arc of the same
// radius 1.5 Rt from the throat to the point T where the wall reaches 15
// degrees, then a straight wall at 15 degrees to the exit E = (coneLength, Re).
// With that arc radius the exit lies exactly at the bell's coneLength, so a
// bell of 80 % is 80 % of this nozzle's length.
//
// It is written to the profile file in the bell's format (thetan and thetas
// 15, Lf 100, R2 the downstream arc radius, xn and yn the point T, lengf the
// cone length), so everything that reads a profile takes it unchanged. The
// single-precision rules of the bell apply.
#pragma once

#include <string>
#include <vector>

#include "core/contour.h"
#include "core/design.h"

namespace bellnozzle {

inline constexpr float kConeWallAngle = 15.0f;  // degrees

struct ConicalGeometry {
    float R1;          // both throat arcs, 1.5 Rt
    float Re;          // exit radius
    float x0;          // upstream end of the contour
    float tanTheta;    // tan 15 degrees
    float xt, yt;      // T, where the downstream arc ends and the straight wall starts
    float coneLength;  // the exit's x, the bell's coneLength
};

// The length of the reference cone of a throat radius and area ratio, the
// same number the bell's percentage is taken of.
float ReferenceConeLength(float Rt, float epsilon);

// Throws Error for a throat radius not above 0, an epsilon below 1 or not
// finite (as the bell does), and for an epsilon so close to 1 that the
// throat arc reaches the exit radius before 15 degrees: that nozzle has no
// straight wall and its exit would lie upstream of T.
ConicalGeometry ComputeConicalGeometry(float Rt, float epsilon);

// All contour points in file order: upstream arc, downstream arc, T, the
// straight wall sampled in 20 intervals, E.
std::vector<ContourPoint> ComputeConicalPoints(float Rt, const ConicalGeometry& g);

// The whole text of the profile file of the cone.
std::string FormatConicalProfile(float Rt, float epsilon);

// The conical design run of the "Cálculo" button with the "bocal cônico" box
// ticked: diameter and epsilon as the entries convert them, the length list
// plays no part. Writes the profile file whole or not at all; throws Error
// when the design is refused or the file cannot be written. The angles of
// the result are both 15.
DesignResult RunConicalNozzleDesign(float diameter, float epsilon, const std::string& profilePath);

}  // namespace bellnozzle

// The wall contour of a thrust-optimised parabolic bell: upstream throat arc,
// downstream throat arc, parabola, and the profile file that carries it.
//
// Every stored quantity is single precision; each expression is evaluated in
// double precision from the stored values and rounded when stored. The number
// of points in the file depends on exactly that, so keep it when editing.
#pragma once

#include <string>
#include <vector>

namespace bellnozzle {

struct ContourInput {
    float Rt;             // throat radius, cm
    float epsilon;        // exit area over throat area
    float lengthPercent;  // bell length, per cent of the 15-degree cone
    float thetaN;         // wall angle where the parabola starts, degrees
    float thetaS;         // wall angle at the exit, degrees
    int parabolaSteps;    // the design run uses 20
};

struct ContourGeometry {
    float R1, R2, Re, x0;
    float tanThetaN, tanThetaS;
    float coneLength, lengf;
    float xn, yn, dx, dy;
    float P, Q, S, T;
};

struct ContourPoint {
    float x, y;
};

// The profile file never holds more points than this; a design that would
// need more is refused (the reader refuses larger point numbers too).
inline constexpr int kMaxProfilePoints = 100000;

// Throws Error, naming the input, for a design that has no sound contour:
// throat radius not above 0, epsilon below 1, anything not finite, a
// non-positive parabola step count, or derived values that are not finite.
ContourGeometry ComputeContourGeometry(const ContourInput& in);

// All contour points in file order, from the upstream end to the exit E.
// Throws Error when a point is not finite or there would be too many.
std::vector<ContourPoint> ComputeContourPoints(const ContourInput& in, const ContourGeometry& g);

// The whole text of the profile file.
std::string FormatContourProfile(const ContourInput& in);

// Computes the contour and writes the profile file to path, replacing any old
// one only once the new one is complete. Throws Error when the design is
// refused (the old file is untouched) or the file cannot be written.
void WriteContourProfile(float Rt, float epsilon, float lengthPercent, float thetaN,
                         float thetaS, int parabolaSteps, const std::string& path);

}  // namespace bellnozzle

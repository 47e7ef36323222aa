// Natural or clamped cubic spline over single-precision points: second
// derivatives (BuildSpline) and value at one abscissa (splint). Points are
// numbered 1..n as in the classic routines; the spans hold points 1..n at
// indices 0..n-1.
#pragma once

#include <span>

namespace bellnozzle {

// Any end slope above this selects a natural end (zero second derivative).
inline constexpr float kNaturalSplineEnd = 9.9e29f;

void BuildSpline(std::span<const float> x, std::span<const float> y, int n,
                 float firstSlope, float lastSlope, std::span<float> d2);

void splint(std::span<const float> x, std::span<const float> y,
            std::span<const float> d2, int n, float at, float& result);

// Writes the three-line fatal message to stderr and exits with status 1.
[[noreturn]] void NumericalErrorExit(const char* message);

}  // namespace bellnozzle

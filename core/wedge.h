// The 5-degree axisymmetric wedge that every export describes.
#pragma once

namespace bellnozzle {

// Half the wedge angle, 2.5 degrees, as the single-precision radian value.
inline constexpr float WedgeHalfAngle = 0.0436332f;

struct WedgeSinCos {
    float s;  // sin(WedgeHalfAngle), computed in double, stored single
    float c;  // cos(WedgeHalfAngle)
};

WedgeSinCos ComputeWedgeSinCos();

}  // namespace bellnozzle

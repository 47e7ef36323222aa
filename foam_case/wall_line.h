// The nozzle wall as the case meshes it: the profile's points as a polyline
// in metres, with its arc length, for placing mesh nodes along the wall and
// reading the radius and slope at an axial position.
#pragma once

#include <vector>

#include "core/profile_reader.h"

namespace bellnozzle {

class WallLine {
public:
    // The profile must have passed MeasureNozzle's checks (x growing from
    // the first point to the last, radii above 0).
    explicit WallLine(const ProfileTable& profile);

    double InletX() const { return x_.front(); }
    double ExitX() const { return x_.back(); }
    double Length() const { return s_.back(); }  // along the wall
    double ThroatX() const { return throatX_; }
    double ThroatRadius() const { return throatRadius_; }

    double RadiusAt(double x) const;
    // The wall's angle to the axis (radians, negative where it converges),
    // from the chord over about a throat radius, since six-digit points make
    // the slopes of neighbouring points noisy.
    double AngleAt(double x) const;
    double ArcAt(double x) const;  // arc length from the inlet to x
    double XAtArc(double s) const;

private:
    std::vector<double> x_, y_, s_;
    double throatX_ = 0, throatRadius_ = 0;
};

}  // namespace bellnozzle

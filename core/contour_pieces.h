// What the bell and the conical contour have in common: the refusals of a
// throat or area ratio that gives no nozzle, the point collector with its
// limit, the two throat-arc loops, the sampled wall after the arcs, and the
// text of the profile file. Both contours run these same loops, so the two
// files agree point for point wherever the geometry is the same.
//
// The precision rules of contour.cpp hold here too: every stored value is a
// float, every expression is evaluated in double from the stored floats.
#pragma once

#include <string>
#include <vector>

#include "core/contour.h"

namespace bellnozzle::contour_pieces {

inline float Store(double value) { return static_cast<float>(value); }

inline constexpr double kPi = 3.141592653589793;
inline constexpr double kHalfPi = 1.5707963267948966;

[[noreturn]] void Refuse(const std::string& english, const std::string& portuguese);
[[noreturn]] void RefuseNotFinite(const char* what, double value);

// Refuses a throat radius not above 0 and an epsilon below 1, or either not
// finite.
void CheckThroatAndAreaRatio(float Rt, float epsilon);

// x0, where the upstream arc of radius R1 starts, 45 degrees before the throat.
float UpstreamArcStart(float R1);

// Degrees to radians as the contour stores the angle.
float StoredRadians(float degrees);

// The length of the 15-degree cone with a throat arc of radius R1 and the
// exit radius of epsilon, in the three stored steps the bell has always used.
float ConeLengthOf(float Rt, float R1, float epsilon);

// Collects points and refuses a contour that would run past the point limit,
// which also ends any loop whose step no longer moves its float variable.
class PointSink {
public:
    explicit PointSink(std::vector<ContourPoint>& points) : points_(points) {}
    void Add(float x, float y);

private:
    std::vector<ContourPoint>& points_;
};

// The upstream throat arc of radius R1 centred at (0, Rt + R1), from x0
// rounded to two decimals up to and including x = 0, in steps of 0.1.
void AddUpstreamArc(PointSink& sink, float Rt, float R1, float x0);

// The downstream throat arc of the given radius centred at (0, Rt + radius),
// from x = 0.01 in steps of 0.1 while short of xEnd (the end point itself is
// left to the caller).
void AddDownstreamArc(PointSink& sink, float Rt, float radius, float xEnd);

// The wall from x = xStart to x = xEnd sampled in `steps` equal intervals of
// t = x - xStart, from t = 0.01 while t <= xEnd - xStart; wallY(t) gives the
// radius in double, stored as a float. The end point is left to the caller.
template <class WallY>
void AddSampledWall(PointSink& sink, float xStart, float xEnd, int steps, WallY wallY) {
    const double D = double(xEnd) - double(xStart);
    const float dt = Store(D / steps);
    float t = 0.01f;
    while (D >= t) {
        const float x = Store(double(t) + xStart);
        const float y = Store(wallY(t));
        sink.Add(x, y);
        t = Store(double(dt) + t);
    }
}

// The fourteen header values of the profile file, in file order.
struct ProfileHeader {
    float Rt, epsilon, lengthPercent, thetaN, thetaS;
    float R1, R2, x0, xn, yn, Re, lengf;
};

// The whole text of the profile file: header, "[perfil]" and the points.
std::string FormatProfileText(const ProfileHeader& header, const std::vector<ContourPoint>& points);

}  // namespace bellnozzle::contour_pieces

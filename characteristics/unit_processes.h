// The unit processes of the method of characteristics for steady,
// irrotational, isentropic flow of a perfect gas, planar or axisymmetric:
// a new point from two known points (interior), from one point and the axis
// (axis), and from one point and a wall (wall). Each is the Euler predictor
// and the iterated modified-Euler corrector of Zucrow and Hoffman, Gas
// Dynamics, vol. 1 (Wiley 1976), chapter 12 (planar) and vol. 2, chapter 16
// (axisymmetric): slopes and source terms averaged between the known point
// and the new one until the new point stops moving.
//
// Along the left-running characteristic C+ (dr/dx = tan(theta + mu)) and the
// right-running C- (dr/dx = tan(theta - mu)), with s the arc length along
// each and delta 1 for axisymmetric flow, 0 for planar:
//   C+:  d(nu - theta) = delta sin(mu) sin(theta) / r ds
//   C-:  d(nu + theta) = delta sin(mu) sin(theta) / r ds
// (Anderson, Modern Compressible Flow, eqs. 11.25 and 11.26, rewritten per
// unit arc length so that neither has a singular coefficient off the axis).
//
// Lengths are in any one unit (the analysis uses the throat radius), angles
// in radians.
#pragma once

#include <optional>

namespace bellnozzle::moc {

struct FlowPoint {
    double x = 0, r = 0;
    double theta = 0;  // flow angle to the axis
    double nu = 0;     // Prandtl-Meyer angle
    double mach = 1;
    double mu = 1.5707963267948966;  // Mach angle
};

struct Gas {
    double gamma = 1.4;
    bool planar = false;
};

// A point from its position, flow angle and Mach number (at least 1).
FlowPoint MakeFlowPoint(double x, double r, double theta, double mach, double gamma);

// The point a fraction t of the way from p to q (positions, angles and nu
// interpolated linearly, Mach from nu).
FlowPoint Interpolate(const FlowPoint& p, const FlowPoint& q, double t, double gamma);

// The new point and whether it lies upstream of one of the two known points
// along the characteristic joining them: characteristics of one family have
// crossed there (the start of a shock in a real flow).
struct NewPoint {
    FlowPoint point;
    bool crossed = false;
};

// The point where the C+ from `below` meets the C- from `above`.
NewPoint InteriorPoint(const FlowPoint& below, const FlowPoint& above, const Gas& gas);

// The point where the C- from `above` reaches the axis (r = 0, theta = 0).
// Planar flow: the plane of symmetry.
FlowPoint AxisPoint(const FlowPoint& above, const Gas& gas);

// A wall r = Radius(x), given from xBegin to xEnd, its slope dr/dx.
class WallShape {
public:
    virtual ~WallShape() = default;
    virtual double Radius(double x) const = 0;
    virtual double Slope(double x) const = 0;
    virtual double XBegin() const = 0;
    virtual double XEnd() const = 0;
};

// The point where the C+ from `below` meets the wall, the flow along it.
// Empty when that characteristic reaches the wall's end x without meeting it.
std::optional<FlowPoint> WallPoint(const FlowPoint& below, const WallShape& wall, const Gas& gas);

// The wall point at x = xWall (the exit lip), reached by the C+ from some
// point of the segment from `wallPoint` (on the wall, upstream of xWall) to
// `below`; that start is found along with the new point.
FlowPoint WallPointAt(double xWall, const FlowPoint& wallPoint, const FlowPoint& below, const WallShape& wall,
                      const Gas& gas);

}  // namespace bellnozzle::moc

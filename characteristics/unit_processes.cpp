#include "characteristics/unit_processes.h"

#include <algorithm>
#include <cmath>

#include "characteristics/prandtl_meyer.h"

namespace bellnozzle::moc {
namespace {

// The corrector repeats until the new point moves less than this (in the
// unit of length, the throat radius in the analysis) and its angles less
// than this (radians) between passes.
constexpr double kCorrectorTolerance = 1e-9;
// Three passes of the interior process bring the analysis' figures to their
// sixth digit; the axis and wall processes, one point per line, and the lip,
// which iterates its start along the previous line as well, run to
// convergence.
constexpr int kMaxCorrectorPasses = 3;
constexpr int kMaxBoundaryPasses = 30;
// Below this radius a point counts as on the axis, where sin(theta)/r is
// taken by its limit.
constexpr double kAxisRadius = 1e-12;
// A point closer to the axis than this fraction of its neighbour's radius
// takes sin(theta)/r from the neighbour.
constexpr double kNearAxisFraction = 0.25;
// A new point counts as upstream of a known point (characteristics crossed)
// when it lies more than this fraction of the known points' distance behind.
constexpr double kCrossingSlack = 1e-3;
// The wall intersection is solved to this accuracy in x.
constexpr double kWallRootTolerance = 1e-13;
constexpr int kMaxWallRootSteps = 100;

double Delta(const Gas& gas) { return gas.planar ? 0.0 : 1.0; }

// sin(mu) sin(theta) / r, the axisymmetric source coefficient. Near the axis
// theta grows in proportion to r, so sin(theta)/r tends to dtheta/dr; there
// it is taken from the neighbour farther out, where theta/r is well
// conditioned, because a new point's own theta/r feeds its errors back
// through the corrector.
double SourceCoefficient(const FlowPoint& p, const FlowPoint& neighbour) {
    if (p.r > kNearAxisFraction * neighbour.r && p.r > kAxisRadius) return std::sin(p.mu) * std::sin(p.theta) / p.r;
    if (neighbour.r > kAxisRadius) return std::sin(p.mu) * std::sin(neighbour.theta) / neighbour.r;
    return 0.0;
}

// Signed distance from `from` to (x, r) along the direction `angle`.
double Along(const FlowPoint& from, double x, double r, double angle) {
    return (x - from.x) * std::cos(angle) + (r - from.r) * std::sin(angle);
}

void SetFlow(FlowPoint& p, double theta, double nu, double gamma) {
    p.theta = theta;
    p.nu = nu;
    p.mach = MachFromPrandtlMeyer(nu, gamma, p.mach);
    p.mu = MachAngle(p.mach);
}

bool Converged(const FlowPoint& a, const FlowPoint& b) {
    return std::fabs(a.x - b.x) < kCorrectorTolerance && std::fabs(a.r - b.r) < kCorrectorTolerance &&
           std::fabs(a.theta - b.theta) < kCorrectorTolerance && std::fabs(a.nu - b.nu) < kCorrectorTolerance;
}

// The first x in (from.x, wall end] where the straight line from `from` of
// slope `slope` meets the wall; empty when it stays below the wall to its end.
std::optional<double> MeetWall(const FlowPoint& from, double slope, const WallShape& wall) {
    const auto gap = [&](double x) { return wall.Radius(x) - (from.r + slope * (x - from.x)); };
    double lo = std::max(from.x, wall.XBegin());
    double hi = wall.XEnd();
    double gapLo = gap(lo);
    double gapHi = gap(hi);
    if (gapHi > 0.0) return std::nullopt;
    if (gapLo <= 0.0) return lo;
    // Regula falsi with the Illinois modification: the gap is smooth and
    // nearly linear over the short spans the net takes.
    int side = 0;
    for (int step = 0; step < kMaxWallRootSteps && hi - lo > kWallRootTolerance; ++step) {
        const double x = lo + (hi - lo) * gapLo / (gapLo - gapHi);
        const double g = gap(x);
        if (g > 0.0) {
            lo = x;
            gapLo = g;
            if (side == -1) gapHi *= 0.5;
            side = -1;
        } else {
            hi = x;
            gapHi = g;
            if (side == 1) gapLo *= 0.5;
            side = 1;
        }
        if (g == 0.0) return x;
    }
    return hi;
}

}  // namespace

FlowPoint MakeFlowPoint(double x, double r, double theta, double mach, double gamma) {
    FlowPoint p;
    p.x = x;
    p.r = r;
    p.theta = theta;
    p.mach = mach;
    p.nu = PrandtlMeyerAngle(mach, gamma);
    p.mu = MachAngle(mach);
    return p;
}

FlowPoint Interpolate(const FlowPoint& p, const FlowPoint& q, double t, double gamma) {
    FlowPoint out;
    out.x = p.x + t * (q.x - p.x);
    out.r = p.r + t * (q.r - p.r);
    out.mach = p.mach + t * (q.mach - p.mach);
    SetFlow(out, p.theta + t * (q.theta - p.theta), p.nu + t * (q.nu - p.nu), gamma);
    return out;
}

NewPoint InteriorPoint(const FlowPoint& below, const FlowPoint& above, const Gas& gas) {
    const double delta = Delta(gas);
    const double kBelow = SourceCoefficient(below, above);
    const double kAbove = SourceCoefficient(above, below);
    // Predictor: the known points' own slopes and coefficients.
    double anglePlus = below.theta + below.mu;
    double angleMinus = above.theta - above.mu;
    double kPlus = kBelow;
    double kMinus = kAbove;
    NewPoint out;
    FlowPoint& p = out.point;
    p.mach = 0.5 * (below.mach + above.mach);
    double dsPlus = 0, dsMinus = 0;
    for (int pass = 0; pass < kMaxCorrectorPasses; ++pass) {
        const FlowPoint previous = p;
        const double slopePlus = std::tan(anglePlus);
        const double slopeMinus = std::tan(angleMinus);
        p.x = (above.r - below.r + slopePlus * below.x - slopeMinus * above.x) / (slopePlus - slopeMinus);
        p.r = below.r + slopePlus * (p.x - below.x);
        dsPlus = Along(below, p.x, p.r, anglePlus);
        dsMinus = Along(above, p.x, p.r, angleMinus);
        const double plus = below.nu - below.theta + delta * kPlus * dsPlus;     // (nu - theta) at p
        const double minus = above.nu + above.theta + delta * kMinus * dsMinus;  // (nu + theta) at p
        SetFlow(p, 0.5 * (minus - plus), 0.5 * (minus + plus), gas.gamma);
        if (!std::isfinite(p.mach)) break;
        if (pass > 0 && Converged(previous, p)) break;
        // Corrector: slopes and coefficients averaged over each segment.
        anglePlus = 0.5 * (below.theta + p.theta) + 0.5 * (below.mu + p.mu);
        angleMinus = 0.5 * (above.theta + p.theta) - 0.5 * (above.mu + p.mu);
        const double kNew = SourceCoefficient(p, above);
        kPlus = 0.5 * (kBelow + kNew);
        kMinus = 0.5 * (kAbove + kNew);
        if (below.r <= kAxisRadius) kPlus = kNew;
    }
    // Crossed: p lies upstream of a known point along its characteristic,
    // by more than rounding and the corrector's tolerance can explain.
    const double slack = -kCrossingSlack * std::hypot(above.x - below.x, above.r - below.r);
    out.crossed = !(dsPlus > slack) || !(dsMinus > slack);
    return out;
}

FlowPoint AxisPoint(const FlowPoint& above, const Gas& gas) {
    const double delta = Delta(gas);
    const double kAbove = SourceCoefficient(above, above);
    double angleMinus = above.theta - above.mu;
    double kMinus = kAbove;
    FlowPoint p;
    p.mach = above.mach;
    for (int pass = 0; pass < kMaxBoundaryPasses; ++pass) {
        const FlowPoint previous = p;
        p.x = above.x - above.r / std::tan(angleMinus);
        p.r = 0.0;
        const double ds = Along(above, p.x, p.r, angleMinus);
        SetFlow(p, 0.0, above.nu + above.theta + delta * kMinus * ds, gas.gamma);
        if (!std::isfinite(p.mach)) break;
        if (pass > 0 && Converged(previous, p)) break;
        angleMinus = 0.5 * above.theta - 0.5 * (above.mu + p.mu);
        // On the axis sin(theta)/r tends to dtheta/dr, taken as theta/r of
        // the point above.
        kMinus = 0.5 * (kAbove + SourceCoefficient(p, above));
    }
    return p;
}

std::optional<FlowPoint> WallPoint(const FlowPoint& below, const WallShape& wall, const Gas& gas) {
    const double delta = Delta(gas);
    const double kBelow = SourceCoefficient(below, below);
    double anglePlus = below.theta + below.mu;
    double kPlus = kBelow;
    FlowPoint p = below;
    for (int pass = 0; pass < kMaxBoundaryPasses; ++pass) {
        const FlowPoint previous = p;
        const std::optional<double> x = MeetWall(below, std::tan(anglePlus), wall);
        if (!x) return std::nullopt;
        p.x = *x;
        p.r = wall.Radius(p.x);
        const double theta = std::atan(wall.Slope(p.x));
        const double ds = Along(below, p.x, p.r, anglePlus);
        SetFlow(p, theta, theta + below.nu - below.theta + delta * kPlus * ds, gas.gamma);
        if (!std::isfinite(p.mach)) break;
        if (pass > 0 && Converged(previous, p)) break;
        anglePlus = 0.5 * (below.theta + p.theta) + 0.5 * (below.mu + p.mu);
        kPlus = 0.5 * (kBelow + SourceCoefficient(p, below));
    }
    return p;
}

FlowPoint WallPointAt(double xWall, const FlowPoint& wallPoint, const FlowPoint& below, const WallShape& wall,
                      const Gas& gas) {
    const double delta = Delta(gas);
    FlowPoint p = wallPoint;
    p.x = xWall;
    p.r = wall.Radius(xWall);
    p.theta = std::atan(wall.Slope(xWall));
    FlowPoint start = wallPoint;
    for (int pass = 0; pass < kMaxBoundaryPasses; ++pass) {
        const FlowPoint previous = p;
        // The C+ into p, traced back with p's slope averaged with the start's,
        // meets the segment wallPoint-below at a fraction t.
        const double angle = 0.5 * (start.theta + p.theta) + 0.5 * (start.mu + p.mu);
        const double ex = std::cos(angle), er = std::sin(angle);
        const double sx = below.x - wallPoint.x, sr = below.r - wallPoint.r;
        const double det = sx * er - sr * ex;
        double t = ((p.x - wallPoint.x) * er - (p.r - wallPoint.r) * ex) / det;
        t = std::clamp(t, 0.0, 1.0);
        start = Interpolate(wallPoint, below, t, gas.gamma);
        const double ds = Along(start, p.x, p.r, angle);
        const double k = 0.5 * (SourceCoefficient(start, start) + SourceCoefficient(p, start));
        SetFlow(p, p.theta, p.theta + start.nu - start.theta + delta * k * ds, gas.gamma);
        if (!std::isfinite(p.mach)) break;
        if (pass > 0 && Converged(previous, p)) break;
    }
    return p;
}

}  // namespace bellnozzle::moc

#include "characteristics/ideal_nozzle.h"

#include <algorithm>
#include <cmath>

#include "characteristics/flow_integrals.h"
#include "characteristics/prandtl_meyer.h"
#include "characteristics/transonic_line.h"
#include "core/error.h"
#include "core/text_format.h"

namespace bellnozzle::moc {
namespace {

// A characteristic allowed to stop short of the axis stops before the first
// point whose Prandtl-Meyer angle passes this fraction of the largest (the
// net's steps grow without bound towards vacuum), and is given up when
// fewer points than this remain (the resampling's cubic needs four).
constexpr double kStopShortPrandtlMeyerFraction = 0.85;
constexpr std::size_t kFewestLinePoints = 6;
// The kernel's wall points lie this turn of the arc apart: halving it moves
// the arc's end by under 0.01 degree at epsilon 10 and 0.2 degree at 100.
constexpr double kKernelWallStep = 0.2 * 3.141592653589793 / 180.0;
// A kernel of more characteristics than this means the net stopped moving.
constexpr std::size_t kMaxKernelLines = 200000;

// The arc up to where it turns as steeply as a given characteristic: a
// straight line meets a circle bending towards it twice, and the wall point
// is the first meeting, which lies before that tangent point.
class DownstreamArc : public WallShape {
public:
    explicit DownstreamArc(double steepestAngle)
        : xEnd_(kDownstreamArcRadius * std::sin(std::fmin(steepestAngle, kLargestArcAngle))) {}
    double Radius(double x) const override { return DownstreamArcRadius(x); }
    double Slope(double x) const override { return DownstreamArcSlope(x); }
    double XBegin() const override { return 0.0; }
    double XEnd() const override { return xEnd_; }

private:
    double xEnd_;
};

bool Finite(const FlowPoint& p) { return std::isfinite(p.x) && std::isfinite(p.r) && std::isfinite(p.mach); }

// p/p0 aside, the area ratio A/A* of Mach M.
double AreaRatio(double mach, double gamma) {
    const double e = (gamma + 1.0) / (2.0 * (gamma - 1.0));
    return std::pow((2.0 / (gamma + 1.0)) * (1.0 + 0.5 * (gamma - 1.0) * mach * mach), e) / mach;
}

// The characteristic resampled at equal steps of its length from its wall
// point (index 0) to the axis (index n), by linear interpolation between its
// own points; the net keeps n + 1 points per characteristic however many the
// march gave it. (Equal steps of r would leave the long, nearly axial stretch
// of a fast characteristic near the axis with a few points.)
std::vector<FlowPoint> Resample(const std::vector<FlowPoint>& line, std::size_t n, double gamma) {
    std::vector<double> along(line.size(), 0.0);
    for (std::size_t i = 1; i < line.size(); ++i) {
        along[i] = along[i - 1] + std::hypot(line[i].x - line[i - 1].x, line[i].r - line[i - 1].r);
    }
    std::vector<FlowPoint> out(n + 1);
    out[0] = line.front();
    out[n] = line.back();
    std::size_t k = 1;
    for (std::size_t j = 1; j < n; ++j) {
        const double s = along.back() * double(j) / double(n);
        while (k + 1 < line.size() && along[k] < s) ++k;
        // Cubic through the four points around s (Lagrange), so that the
        // resampling does not bleed mass from line to line.
        const std::size_t first = std::min(k >= 2 ? k - 2 : 0, line.size() - 4);
        double w[4];
        for (int a = 0; a < 4; ++a) {
            w[a] = 1.0;
            for (int b = 0; b < 4; ++b) {
                if (a != b) w[a] *= (s - along[first + b]) / (along[first + a] - along[first + b]);
            }
        }
        FlowPoint p{};
        double nu = 0;
        for (int a = 0; a < 4; ++a) {
            const FlowPoint& q = line[first + a];
            p.x += w[a] * q.x;
            p.r += w[a] * q.r;
            p.theta += w[a] * q.theta;
            nu += w[a] * q.nu;
        }
        p.mach = line[k].mach;
        out[j] = Interpolate(p, p, 0.0, gamma);
        out[j].nu = nu;
        out[j].mach = MachFromPrandtlMeyer(nu, gamma, line[k].mach);
        out[j].mu = MachAngle(out[j].mach);
    }
    return out;
}

// The next right-running characteristic of the kernel, from the wall point
// a fixed turn of the arc downstream of the previous one: that point from the
// left-running characteristic reaching it from the previous characteristic
// (the inverse wall point), then down across the left-running
// characteristics of the previous one to the axis. Stepping the wall by its
// angle keeps the axis Mach number growing in small steps, where stepping by
// the characteristics would jump degrees at a time along the sharp arc.
// With nuLimit finite, the characteristic may stop short of the axis before
// a point beyond that Prandtl-Meyer angle; it then ends where the previous
// one's last left-running characteristic crosses it (the net's domain of
// dependence), and so does every later one.
bool MarchKernelLine(const std::vector<FlowPoint>& previous, const Gas& gas, double nuLimit,
                     std::vector<FlowPoint>& next) {
    const std::size_t n = previous.size() - 1;
    const double wallAngle = std::fmin(std::atan(DownstreamArcSlope(previous[0].x)) + kKernelWallStep, kLargestArcAngle);
    const DownstreamArc arc(previous[1].theta + previous[1].mu);
    double xWall = kDownstreamArcRadius * std::sin(wallAngle);
    // The left-running characteristic from the previous second point must
    // meet the arc (if it does; the arc may bend away from it) beyond the
    // new wall point, or the inverse wall point would have no foot: step
    // at most half way there.
    const std::optional<FlowPoint> natural = WallPoint(previous[1], arc, gas);
    if (natural) xWall = std::fmin(xWall, 0.5 * (previous[0].x + natural->x));
    if (!(xWall > previous[0].x)) return false;
    const auto usable = [nuLimit](const FlowPoint& p) { return Finite(p) && !(p.nu > nuLimit); };
    const bool fromAxis = previous.back().r == 0.0;
    std::vector<FlowPoint> line;
    line.reserve(n + 2);
    line.push_back(WallPointAt(xWall, previous[0], previous[1], arc, gas));
    if (!usable(line.front())) return false;
    // The left-running characteristic from the previous axis point is left
    // out: the new one lies so close that their meeting would sit on the
    // axis itself, where the axis point's own process is the sound one.
    bool stopped = false;
    for (std::size_t j = 1; j < (fromAxis ? n : n + 1); ++j) {
        const FlowPoint p = InteriorPoint(previous[j], line.back(), gas).point;
        stopped = !usable(p);
        if (stopped) break;
        line.push_back(p);
    }
    if (fromAxis && !stopped) {
        const FlowPoint axis = AxisPoint(line.back(), gas);
        if (usable(axis)) line.push_back(axis);
    }
    if (std::isinf(nuLimit) && line.back().r != 0.0) return false;
    if (line.size() < kFewestLinePoints) return false;
    next = Resample(line, n, gas.gamma);
    return true;
}

FlowPoint UniformPoint(double x, double r, double mach, double gamma) {
    return MakeFlowPoint(x, r, 0.0, mach, gamma);
}

double MassBetween(const FlowPoint& a, const FlowPoint& b, const Gas& gas) {
    return IntegrateAcross({a, b}, gas).mass;
}

}  // namespace

double DownstreamArcRadius(double x) {
    const double R2 = kDownstreamArcRadius;
    return 1.0 + R2 - std::sqrt(R2 * R2 - x * x);
}

double DownstreamArcSlope(double x) {
    const double R2 = kDownstreamArcRadius;
    return x / std::sqrt(R2 * R2 - x * x);
}

double UniformMassFlux(double mach, double gamma) {
    const double t = 1.0 / (1.0 + 0.5 * (gamma - 1.0) * mach * mach);
    return std::pow(t, 1.0 / (gamma - 1.0)) * mach * std::sqrt(t);
}

double SupersonicMachFromAreaRatio(double areaRatio, double gamma) {
    if (!(areaRatio > 1.0)) return 1.0;
    // Bisection on log M: A/A* grows monotonically above Mach 1.
    double lo = 0.0, hi = std::log(200.0);
    for (int i = 0; i < 200 && hi - lo > 1e-15; ++i) {
        const double mid = 0.5 * (lo + hi);
        (AreaRatio(std::exp(mid), gamma) < areaRatio ? lo : hi) = mid;
    }
    return std::exp(0.5 * (lo + hi));
}

IdealNozzleKernel::IdealNozzleKernel(double gamma, double maxExitMach, int characteristics) {
    gas_.gamma = gamma;
    gas_.planar = false;
    lines_.push_back(InitialValueLine(kDesignThroatCurvature, gas_, characteristics));
    massFlow_ = IntegrateAcross(lines_.front(), gas_).mass;
    dischargeCoefficient_ = massFlow_ / ChokedMassFlux(gamma);
    axisLines_ = 1;
    Extend(std::fmax(maxExitMach, 1.0));
}

void IdealNozzleKernel::Extend(double maxExitMach) {
    const double gamma = gas_.gamma;
    std::vector<FlowPoint> next;
    while (lines_.size() < 2 || MaxExitMach() < maxExitMach) {
        // Lines stopping short of the axis cannot be marched back to it.
        if (axisLines_ < lines_.size() || lines_.size() > kMaxKernelLines ||
            !MarchKernelLine(lines_.back(), gas_, HUGE_VAL, next)) {
            throw Error(Format("the throat arc cannot turn the flow to an exit Mach number of %g (gamma %g); "
                               "ask for a smaller area ratio",
                               maxExitMach, gamma),
                        Format("o arco da garganta não consegue expandir o escoamento até Mach %g na saída "
                               "(gama %g); peça uma razão de áreas menor",
                               maxExitMach, gamma));
        }
        lines_.push_back(next);
        axisLines_ = lines_.size();
    }
}

void IdealNozzleKernel::ExtendAlongArc(double wallAngle) {
    const double xWall = kDownstreamArcRadius * std::sin(std::fmin(wallAngle, kLargestArcAngle));
    const double nuLimit = kStopShortPrandtlMeyerFraction * MaxPrandtlMeyerAngle(gas_.gamma);
    std::vector<FlowPoint> next;
    while (lines_.back().front().x < xWall) {
        if (lines_.size() > kMaxKernelLines || !MarchKernelLine(lines_.back(), gas_, nuLimit, next)) {
            const double degrees = wallAngle * 180.0 / 3.141592653589793;
            throw Error(Format("the net from the throat cannot follow the arc to a wall angle of %g degrees "
                               "(gamma %g)",
                               degrees, gas_.gamma),
                        Format("a rede a partir da garganta não consegue seguir o arco até um ângulo de parede "
                               "de %g graus (gama %g)",
                               degrees, gas_.gamma));
        }
        if (next.back().r == 0.0 && axisLines_ == lines_.size()) ++axisLines_;
        lines_.push_back(next);
    }
}

std::vector<FlowPoint> IdealNozzleKernel::LastKernelCharacteristic(double exitMach) const {
    const double g = gas_.gamma;
    const double nuExit = PrandtlMeyerAngle(exitMach, g);
    // The two kernel characteristics whose axis points bracket Me, and AD
    // between them.
    std::size_t k = 0;
    while (k + 2 < axisLines_ && lines_[k + 1].back().nu < nuExit) ++k;
    const std::vector<FlowPoint>& a = lines_[k];
    const std::vector<FlowPoint>& b = lines_[k + 1];
    const double t = std::fmin(1.0, std::fmax(0.0, (nuExit - a.back().nu) / (b.back().nu - a.back().nu)));
    const std::size_t n = a.size() - 1;
    std::vector<FlowPoint> ad(n + 1);  // from D (index 0) up to A (index n)
    for (std::size_t j = 0; j <= n; ++j) ad[n - j] = Interpolate(a[j], b[j], t, g);
    ad[0] = UniformPoint(ad[0].x, 0.0, exitMach, g);
    FlowPoint& A = ad[n];
    A.r = DownstreamArcRadius(A.x);
    A.theta = std::atan(DownstreamArcSlope(A.x));
    return ad;
}

std::vector<FlowPoint> IdealNozzleKernel::CharacteristicFromArc(double wallAngle) const {
    const double g = gas_.gamma;
    const double xA = kDownstreamArcRadius * std::sin(wallAngle);
    std::size_t k = 0;
    while (k + 2 < lines_.size() && lines_[k + 1].front().x < xA) ++k;
    const std::vector<FlowPoint>& a = lines_[k];
    const std::vector<FlowPoint>& b = lines_[k + 1];
    const double t = std::fmin(1.0, std::fmax(0.0, (xA - a.front().x) / (b.front().x - a.front().x)));
    const std::size_t n = a.size() - 1;
    std::vector<FlowPoint> ad(n + 1);  // from the lowest point (index 0) up to A (index n)
    for (std::size_t j = 0; j <= n; ++j) ad[n - j] = Interpolate(a[j], b[j], t, g);
    FlowPoint& A = ad[n];
    A.r = DownstreamArcRadius(A.x);
    A.theta = std::atan(DownstreamArcSlope(A.x));
    return ad;
}

double IdealNozzleKernel::ExitMachForAreaRatio(double epsilon) const {
    // The net carries its mass flow to AD within a few tenths of a per cent;
    // the exit is sized by what AD carries, so Me is found with that mass
    // (a fixed point: AD moves little with Me).
    double exitMach = SupersonicMachFromAreaRatio(epsilon / dischargeCoefficient_, gas_.gamma);
    for (int pass = 0; pass < 4; ++pass) {
        const double carried = IntegrateAcross(LastKernelCharacteristic(exitMach), gas_).mass;
        exitMach = SupersonicMachFromAreaRatio(epsilon * ChokedMassFlux(gas_.gamma) / carried, gas_.gamma);
    }
    return exitMach;
}

DesignedWall IdealNozzleKernel::Wall(double exitMach, int exitSteps, double xStop) const {
    const double g = gas_.gamma;
    const std::vector<FlowPoint> ad = LastKernelCharacteristic(exitMach);
    const std::size_t n = ad.size() - 1;
    const FlowPoint& A = ad[n];
    const double carried = IntegrateAcross(ad, gas_).mass;

    // DE, the uniform exit flow's left-running characteristic, up to E where
    // the mass flow from the axis is the whole.
    const double exitRadius = std::sqrt(carried / UniformMassFlux(exitMach, g));
    const double cotMu = std::sqrt(exitMach * exitMach - 1.0);
    const int steps = exitSteps;

    DesignedWall wall;
    wall.exitMach = exitMach;
    wall.dischargeCoefficient = carried / ChokedMassFlux(g);
    wall.throatDischarge = dischargeCoefficient_;
    wall.x.push_back(A.x);
    wall.r.push_back(A.r);
    wall.theta.push_back(A.theta);

    // The turning region, one right-running characteristic m at a time (from
    // its foot on DE up towards the wall), each point from the left-running
    // characteristic through the previous one's point of the same index.
    std::vector<FlowPoint> previous = ad, current(n + 1);
    for (int m = 1; m <= steps; ++m) {
        const double rFoot = exitRadius * double(m) / steps;
        current[0] = UniformPoint(ad[0].x + rFoot * cotMu, rFoot, exitMach, g);
        if (m == steps) {
            wall.x.push_back(current[0].x);
            wall.r.push_back(current[0].r);
            wall.theta.push_back(0.0);
            break;
        }
        const double target = carried - UniformMassFlux(exitMach, g) * rFoot * rFoot;
        double carried = 0.0;
        bool found = false;
        for (std::size_t i = 1; i <= n; ++i) {
            current[i] = InteriorPoint(previous[i], current[i - 1], gas_).point;
            if (found) continue;  // the rest lies outside the nozzle; kept for the next characteristic
            if (!Finite(current[i])) break;
            const double segment = MassBetween(current[i - 1], current[i], gas_);
            if (carried + segment >= target || i == n) {
                const double s = segment > 0 ? std::fmin(1.0, (target - carried) / segment) : 1.0;
                const FlowPoint w = Interpolate(current[i - 1], current[i], s, g);
                wall.x.push_back(w.x);
                // The radius of a streamline leaving the arc never falls; the
                // net's rounding near the flat exit may by a millionth.
                wall.r.push_back(std::fmax(w.r, wall.r.back()));
                wall.theta.push_back(w.theta);
                found = true;
            }
            carried += segment;
        }
        if (wall.x.back() > xStop) break;
        std::swap(previous, current);
    }
    return wall;
}

}  // namespace bellnozzle::moc

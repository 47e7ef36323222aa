#include "characteristics/thrust_optimized_contour.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "characteristics/flow_integrals.h"
#include "characteristics/prandtl_meyer.h"
#include "core/error.h"
#include "core/text_format.h"

namespace bellnozzle::moc {
namespace {

// DE is traced in steps that shrink its flow angle by this fraction (the
// radius grows about as 1 / sin^2 theta, so each step widens it by about
// twice that), and given up after this many.
constexpr double kSurfaceAngleStep = 0.004;
constexpr int kSurfaceSteps = 20000;
// The lip is solved until its radius and x are this close (relative); a
// family of contours whose lip cannot come this close to the radius asked
// for (DE breaking off on the way) has no member there.
constexpr double kLipTolerance = 1e-7;
constexpr double kLipMatch = 1e-5;
// The search for the kernel characteristic brackets the length by moving
// the arc end's wall angle (1 - this) of the way to the largest one the
// kernel may reach at each step, at most this many times.
constexpr double kBracketShrink = 0.8;
constexpr int kLargestBracketSteps = 60;
// D stays this fraction of AD0 off the axis, where Rao's second constant
// vanishes and DE degenerates into the ideal nozzle's.
constexpr double kSmallestFraction = 1e-6;

// Speed over a0 and density over rho0 at Mach M.
double SpeedRatio(double mach, double gamma) {
    return mach / std::sqrt(1.0 + 0.5 * (gamma - 1.0) * mach * mach);
}
double DensityRatio(double mach, double gamma) {
    return std::pow(1.0 + 0.5 * (gamma - 1.0) * mach * mach, -1.0 / (gamma - 1.0));
}

// Rao's two constants of the flow on DE.
double SpeedConstant(double theta, double mach, double gamma) {
    const double mu = MachAngle(mach);
    return SpeedRatio(mach, gamma) * std::cos(theta - mu) / std::cos(mu);
}
double MomentumConstant(double r, double theta, double mach, double gamma) {
    const double v = SpeedRatio(mach, gamma), s = std::sin(theta);
    return r * DensityRatio(mach, gamma) * v * v * s * s * std::tan(MachAngle(mach));
}

// The Mach number at flow angle theta on DE with speed constant c1, by the
// secant method from the previous point's Mach number.
std::optional<double> MachOnSurface(double theta, double c1, double gamma, double guess) {
    double m0 = guess, m1 = guess * 1.001;
    double f0 = SpeedConstant(theta, m0, gamma) - c1, f1 = SpeedConstant(theta, m1, gamma) - c1;
    for (int i = 0; i < 40; ++i) {
        if (std::fabs(f1) < 1e-14 * c1) return m1;
        if (f1 == f0) break;
        const double m2 = std::fmax(1.0 + 1e-9, m1 - f1 * (m1 - m0) / (f1 - f0));
        m0 = m1;
        f0 = f1;
        m1 = m2;
        f1 = SpeedConstant(theta, m1, gamma) - c1;
    }
    return std::fabs(f1) < 1e-10 * c1 ? std::optional<double>(m1) : std::nullopt;
}

// DE from D to the lip, and the mass flow across it from D to each point.
struct ControlSurface {
    std::vector<FlowPoint> points;  // D (index 0) to E
    std::vector<double> mass;
};

std::optional<ControlSurface> TraceControlSurface(const FlowPoint& D, double massToCarry, const Gas& gas) {
    const double g = gas.gamma;
    const double c1 = SpeedConstant(D.theta, D.mach, g);
    const double c2 = MomentumConstant(D.r, D.theta, D.mach, g);
    ControlSurface out;
    out.points.push_back(D);
    out.mass.push_back(0.0);
    for (int k = 1; k < kSurfaceSteps; ++k) {
        const FlowPoint& last = out.points.back();
        const double theta = last.theta * (1.0 - kSurfaceAngleStep);
        const std::optional<double> mach = MachOnSurface(theta, c1, g, last.mach);
        if (!mach) return std::nullopt;
        const double r = c2 / MomentumConstant(1.0, theta, *mach, g);
        if (!(r > last.r)) return std::nullopt;
        // A left-running characteristic: dr/dx = tan(theta + mu), averaged.
        const double slope = std::tan(0.5 * (theta + MachAngle(*mach) + last.theta + last.mu));
        const FlowPoint next = MakeFlowPoint(last.x + (r - last.r) / slope, r, theta, *mach, g);
        const double carried = out.mass.back() + IntegrateAcross({last, next}, gas).mass;
        if (carried >= massToCarry) {
            const double s = (massToCarry - out.mass.back()) / (carried - out.mass.back());
            out.points.push_back(Interpolate(last, next, s, g));
            out.mass.push_back(massToCarry);
            return out;
        }
        out.points.push_back(next);
        out.mass.push_back(carried);
    }
    return std::nullopt;
}

// AD0 from D, a fraction t of the way from its lowest point to A, up to A,
// resampled at `intervals` equal steps of the kernel's own index so that the
// turning region gets as many characteristics however high D lies.
std::vector<FlowPoint> UpperPart(const std::vector<FlowPoint>& ad, double t, int intervals, double gamma) {
    const std::size_t n = ad.size() - 1;
    std::vector<FlowPoint> line;
    for (int j = 0; j <= intervals; ++j) {
        const double at = (t + (1.0 - t) * double(j) / intervals) * double(n);
        const std::size_t i = std::min(std::size_t(at), n - 1);
        line.push_back(Interpolate(ad[i], ad[i + 1], at - double(i), gamma));
    }
    line.back() = ad.back();
    return line;
}

struct Design {
    std::vector<FlowPoint> bd;  // AD from D up to A
    ControlSurface de;
};

class ContourFamily {
public:
    ContourFamily(double gamma, double epsilon, int characteristics)
        // Marched at first as far as the ideal nozzle of epsilon needs; the
        // search extends it towards the shorter contours.
        : characteristics_(characteristics),
          kernel_(gamma, SupersonicMachFromAreaRatio(epsilon / 0.99, gamma) * 1.03 + 0.05, characteristics) {
        gas_.gamma = gamma;
    }

    IdealNozzleKernel& Kernel() { return kernel_; }
    const Gas& GasOf() const { return gas_; }

    // The design from the arc point of wall angle arcAngle with D at
    // fraction t of its characteristic.
    std::optional<Design> At(double arcAngle, double t) const {
        const std::vector<FlowPoint> ad = kernel_.CharacteristicFromArc(arcAngle);
        Design design;
        design.bd = UpperPart(ad, t, characteristics_, gas_.gamma);
        const double mass = IntegrateAcross(design.bd, gas_).mass;
        auto de = TraceControlSurface(design.bd.front(), mass, gas_);
        if (!de) return std::nullopt;
        design.de = std::move(*de);
        return design;
    }

    // D's fraction along the characteristic from arc angle arcAngle whose
    // lip lies at radius rLip (the lip's radius falls as D rises from the
    // axis), by bisection; nullopt when even D at its lowest gives a
    // smaller lip.
    std::optional<Design> WithLipRadius(double arcAngle, double rLip) const {
        double lo = kSmallestFraction, hi = 1.0 - 1e-6;
        std::optional<Design> best = At(arcAngle, lo);
        if (!best || best->de.points.back().r < rLip) return std::nullopt;
        for (int i = 0; i < 60; ++i) {
            const double mid = 0.5 * (lo + hi);
            std::optional<Design> design = At(arcAngle, mid);
            if (design && design->de.points.back().r >= rLip) {
                lo = mid;
                best = std::move(design);
            } else {
                hi = mid;
            }
            if (std::fabs(best->de.points.back().r - rLip) < kLipTolerance * rLip) break;
        }
        if (!(std::fabs(best->de.points.back().r - rLip) < kLipMatch * rLip)) return std::nullopt;
        return best;
    }

private:
    int characteristics_;
    IdealNozzleKernel kernel_;
    Gas gas_;
};

// The streamline from A to E through the region between AD and DE, found on
// right-running characteristics from feet on DE as the ideal nozzle's.
DesignedWall WallThrough(const Design& design, const Gas& gas, int steps) {
    const double g = gas.gamma;
    const ControlSurface& de = design.de;
    const FlowPoint& A = design.bd.back();
    const FlowPoint& E = de.points.back();
    const double total = de.mass.back();
    DesignedWall wall;
    wall.x.push_back(A.x);
    wall.r.push_back(A.r);
    wall.theta.push_back(A.theta);
    std::vector<FlowPoint> previous = design.bd, current(design.bd.size());
    const std::size_t n = previous.size() - 1;
    std::size_t k = 1;
    for (int m = 1; m < steps; ++m) {
        // The foot at an equal step of r along DE.
        const double rFoot = de.points.front().r + (E.r - de.points.front().r) * double(m) / steps;
        while (k + 1 < de.points.size() && de.points[k].r < rFoot) ++k;
        const FlowPoint &p = de.points[k - 1], &q = de.points[k];
        const double s = (rFoot - p.r) / (q.r - p.r);
        current[0] = Interpolate(p, q, s, g);
        const double target = total - (de.mass[k - 1] + s * (de.mass[k] - de.mass[k - 1]));
        double carried = 0.0;
        bool found = false;
        for (std::size_t i = 1; i <= n; ++i) {
            current[i] = InteriorPoint(previous[i], current[i - 1], gas).point;
            if (found) continue;
            if (!(std::isfinite(current[i].x) && std::isfinite(current[i].r))) break;
            const double segment = IntegrateAcross({current[i - 1], current[i]}, gas).mass;
            if (carried + segment >= target || i == n) {
                const double f = segment > 0 ? std::fmin(1.0, (target - carried) / segment) : 1.0;
                const FlowPoint w = Interpolate(current[i - 1], current[i], f, g);
                if (w.x > wall.x.back() && w.x < E.x) {
                    wall.x.push_back(w.x);
                    wall.r.push_back(std::fmin(std::fmax(w.r, wall.r.back()), E.r));
                    wall.theta.push_back(w.theta);
                }
                found = true;
            }
            carried += segment;
        }
        std::swap(previous, current);
    }
    wall.x.push_back(E.x);
    wall.r.push_back(E.r);
    wall.theta.push_back(E.theta);
    return wall;
}

template <class... Values>
[[noreturn]] void Refuse(const char* english, const char* portuguese, Values... values) {
    throw Error(Format(english, values...), Format(portuguese, values...));
}

}  // namespace

DesignedWall DesignThrustOptimizedWall(double gamma, double epsilon, double length, int characteristics) {
    ContourFamily family(gamma, epsilon, characteristics);
    const double rLip = std::sqrt(epsilon);
    const double idealMach = family.Kernel().ExitMachForAreaRatio(epsilon);
    const DesignedWall ideal = family.Kernel().Wall(idealMach, kDesignWallSteps);
    if (!(length < ideal.x.back())) {
        Refuse("a thrust-optimised contour of %g throat radii at epsilon %g needs a length below the ideal "
               "nozzle's own %g throat radii; choose a shorter length or --method ideal",
               "um contorno de empuxo ótimo de %g raios da garganta em epsilon %g precisa de um comprimento "
               "menor que o do bocal ideal, %g raios da garganta; escolha um comprimento menor ou o bocal ideal",
               length, epsilon, ideal.x.back());
    }
    // shortest: the shortest contour of this area ratio the search reached.
    // Rao's control surface cannot leave a point D of the kernel whose flow
    // angle is too large for its Mach number (his radius r(theta) has its
    // least value there), so the family of contours from this throat arc
    // ends at a shortest length that grows with the area ratio and gamma.
    const auto tooShort = [&](double shortest) {
        if (!(shortest > length)) {
            Refuse("Rao's construction finds no thrust-optimised contour of %g throat radii at epsilon %g from "
                   "this throat arc; choose another length or area ratio, or --method parabola",
                   "a construção de Rao não encontra contorno de empuxo ótimo de %g raios da garganta em epsilon "
                   "%g a partir deste arco da garganta; escolha outro comprimento ou razão de áreas, ou a "
                   "parábola ótima",
                   length, epsilon);
        }
        Refuse("a thrust-optimised contour of %g throat radii at epsilon %g is shorter than those this tool "
               "can start from the throat arc (the shortest is about %.4g throat radii); choose a longer length "
               "or --method parabola",
               "um contorno de empuxo ótimo de %g raios da garganta em epsilon %g é mais curto que os que esta "
               "ferramenta consegue iniciar no arco da garganta (o mais curto tem cerca de %.4g raios da "
               "garganta); escolha um comprimento maior ou a parábola ótima",
               length, epsilon, shortest);
    };
    // The lip's x on the kernel characteristic from the arc point of wall
    // angle arcAngle, D placed for the lip radius; shorter contours start
    // further along the arc. NaN where the kernel cannot be marched that far.
    std::optional<Design> design;
    double shortest = ideal.x.back();
    const auto gap = [&](double arcAngle) {
        try {
            family.Kernel().ExtendAlongArc(arcAngle);
        } catch (const Error&) {
            return double(NAN);
        }
        design = family.WithLipRadius(arcAngle, rLip);
        if (!design) return double(NAN);
        shortest = std::fmin(shortest, design->de.points.back().x);
        return design->de.points.back().x - length;
    };
    // Bracket the length, stepping towards the largest angle the kernel
    // reaches (which is found on the way), from the ideal nozzle's arc end.
    double lo = family.Kernel().LastKernelCharacteristic(idealMach).back().theta;
    double gapLo = ideal.x.back() - length;
    double hi = NAN, gapHi = NAN, cap = kLargestArcAngle;
    for (int step = 0; step < kLargestBracketSteps && std::isnan(hi); ++step) {
        const double angle = cap - (cap - lo) * kBracketShrink;
        const double g = gap(angle);
        if (std::isnan(g)) {
            cap = angle;
        } else if (g > 0.0) {
            lo = angle;
            gapLo = g;
        } else {
            hi = angle;
            gapHi = g;
        }
    }
    if (std::isnan(hi)) tooShort(shortest);
    // Regula falsi (Illinois) on the kernel characteristic.
    int side = 0;
    bool converged = false;
    for (int step = 0; step < 80 && !converged; ++step) {
        const double angle = lo + (hi - lo) * gapLo / (gapLo - gapHi);
        const double g = gap(angle);
        if (std::isnan(g)) tooShort(shortest);
        converged = std::fabs(g) < kLipTolerance * length;
        if (converged) break;
        if (g > 0.0) {
            lo = angle;
            gapLo = g;
            if (side == -1) gapHi *= 0.5;
            side = -1;
        } else {
            hi = angle;
            gapHi = g;
            if (side == 1) gapLo *= 0.5;
            side = 1;
        }
    }
    if (!converged) tooShort(shortest);
    DesignedWall wall = WallThrough(*design, family.GasOf(), kDesignWallSteps);
    wall.exitMach = design->de.points.back().mach;
    wall.dischargeCoefficient = family.Kernel().DischargeCoefficient();
    wall.throatDischarge = family.Kernel().DischargeCoefficient();
    return wall;
}

}  // namespace bellnozzle::moc

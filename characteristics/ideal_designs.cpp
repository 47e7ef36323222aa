#include "characteristics/ideal_designs.h"

#include <cmath>

#include "core/conical_contour.h"
#include "core/contour_pieces.h"
#include "core/error.h"
#include "core/text_format.h"

namespace bellnozzle::moc {
namespace {

using contour_pieces::Store;

constexpr double kDegrees = 180.0 / 3.141592653589793;
// The truncation's exit Mach number is solved until the cut radius is this
// close (relative) to the requested one.
constexpr double kCutRadiusTolerance = 1e-7;

struct Cut {
    double r, theta;
};

// The wall's radius and angle at x, linear between its points; nullopt-like
// NaN past its end.
Cut CutAt(const DesignedWall& wall, double x) {
    if (x > wall.x.back()) return {NAN, NAN};
    std::size_t i = 1;
    while (i + 1 < wall.x.size() && wall.x[i] < x) ++i;
    const double t = (x - wall.x[i - 1]) / (wall.x[i] - wall.x[i - 1]);
    return {wall.r[i - 1] + t * (wall.r[i] - wall.r[i - 1]),
            wall.theta[i - 1] + t * (wall.theta[i] - wall.theta[i - 1])};
}

IdealNozzleKernel KernelFor(double gamma, double epsilon, int characteristics) {
    // Me for the 1-D area ratio over the discharge is within a per cent of
    // the net's; the margin lets the fixed point of ExitMachForAreaRatio move.
    const double guess = SupersonicMachFromAreaRatio(epsilon / 0.99, gamma);
    return IdealNozzleKernel(gamma, guess * 1.03 + 0.05, characteristics);
}

template <class... Values>
[[noreturn]] void RefuseCut(const char* english, const char* portuguese, Values... values) {
    throw Error(Format(english, values...), Format(portuguese, values...));
}

}  // namespace

DesignedWall DesignIdealWall(double gamma, double epsilon, int characteristics) {
    const IdealNozzleKernel kernel = KernelFor(gamma, epsilon, characteristics);
    return kernel.Wall(kernel.ExitMachForAreaRatio(epsilon), kDesignWallSteps);
}

DesignedWall DesignTruncatedIdealWall(double gamma, double epsilon, double length, int characteristics) {
    IdealNozzleKernel kernel = KernelFor(gamma, epsilon, characteristics);
    const double target = std::sqrt(epsilon);
    double lo = kernel.ExitMachForAreaRatio(epsilon);
    const DesignedWall ideal = kernel.Wall(lo, kDesignWallSteps);
    if (!(length < ideal.x.back())) {
        RefuseCut("a truncated ideal nozzle of %g throat radii at epsilon %g needs a length below the ideal "
                  "nozzle's own %g throat radii; choose a shorter length or --method ideal",
                  "um bocal ideal truncado de %g raios da garganta em epsilon %g precisa de um comprimento "
                  "menor que o do bocal ideal, %g raios da garganta; escolha um comprimento menor ou o bocal "
                  "ideal",
                  length, epsilon, ideal.x.back());
    }
    if (!(length > ideal.x.front())) {
        RefuseCut("a truncated ideal nozzle of %g throat radii at epsilon %g would end on the throat arc "
                  "(the ideal nozzle is %g throat radii long); choose a longer length",
                  "um bocal ideal truncado de %g raios da garganta em epsilon %g terminaria no arco da garganta "
                  "(o bocal ideal tem %g raios da garganta); escolha um comprimento maior",
                  length, epsilon, ideal.x.back());
    }
    // The cut radius grows with the ideal nozzle's exit Mach number: bracket
    // the one whose cut lands on sqrt(epsilon), then regula falsi (Illinois).
    const auto gap = [&](double mach, DesignedWall& wall) {
        if (mach > kernel.MaxExitMach()) {
            try {
                kernel.Extend(mach * 1.02);
            } catch (const Error&) {
                RefuseCut("a truncated ideal nozzle of %g throat radii cannot reach epsilon %g: the ideal nozzles "
                          "the throat arc can start are not that wide so soon (the one of epsilon %g is %g "
                          "throat radii long); choose a longer length",
                          "um bocal ideal truncado de %g raios da garganta não alcança epsilon %g: os bocais "
                          "ideais que o arco da garganta inicia não abrem tanto tão cedo (o de epsilon %g tem %g "
                          "raios da garganta); escolha um comprimento maior",
                          length, epsilon, epsilon, ideal.x.back());
            }
        }
        wall = kernel.Wall(mach, kDesignWallSteps, length);
        const Cut cut = CutAt(wall, length);
        return std::isnan(cut.r) ? -target : cut.r - target;
    };
    DesignedWall wall;
    double gapLo = CutAt(ideal, length).r - target;
    double hi = lo;
    double gapHi = gapLo;
    for (int grow = 0; grow < 60 && gapHi < 0.0; ++grow) {
        lo = hi;
        gapLo = gapHi;
        hi = hi * 1.15;
        gapHi = gap(hi, wall);
    }
    if (gapHi < 0.0) {
        RefuseCut("a truncated ideal nozzle of %g throat radii cannot reach epsilon %g (the ideal nozzle is %g "
                  "throat radii long); choose a longer length",
                  "um bocal ideal truncado de %g raios da garganta não alcança epsilon %g (o bocal ideal tem %g "
                  "raios da garganta); escolha um comprimento maior",
                  length, epsilon, ideal.x.back());
    }
    int side = 0;
    double mach = hi;
    for (int step = 0; step < 80; ++step) {
        mach = lo + (hi - lo) * gapLo / (gapLo - gapHi);
        const double g = gap(mach, wall);
        if (std::fabs(g) < kCutRadiusTolerance * target) break;
        if (g < 0.0) {
            lo = mach;
            gapLo = g;
            if (side == -1) gapHi *= 0.5;
            side = -1;
        } else {
            hi = mach;
            gapHi = g;
            if (side == 1) gapLo *= 0.5;
            side = 1;
        }
    }
    // Cut the wall at the length: its points before, the cut itself last.
    DesignedWall cut;
    cut.exitMach = wall.exitMach;
    cut.dischargeCoefficient = wall.dischargeCoefficient;
    cut.throatDischarge = wall.throatDischarge;
    for (std::size_t i = 0; i < wall.x.size() && wall.x[i] < length; ++i) {
        cut.x.push_back(wall.x[i]);
        cut.r.push_back(wall.r[i]);
        cut.theta.push_back(wall.theta[i]);
    }
    const Cut end = CutAt(wall, length);
    cut.x.push_back(length);
    cut.r.push_back(end.r);
    cut.theta.push_back(end.theta);
    return cut;
}

std::string FormatDesignedProfile(float Rt, float epsilon, float lengthPercent, const DesignedWall& wall,
                                  int subdivisions) {
    using namespace contour_pieces;
    const double rt = Rt;
    const float R1 = Store(1.5 * rt);
    const float R2 = Store(kDownstreamArcRadius * rt);
    const float x0 = UpstreamArcStart(R1);
    const float xn = Store(wall.x.front() * rt);
    const float yn = Store(wall.r.front() * rt);
    const float lengf = Store(wall.x.back() * rt);
    const float Re = Store(std::sqrt(double(epsilon)) * rt);
    std::vector<ContourPoint> points;
    PointSink sink(points);
    AddUpstreamArc(sink, Rt, R1, x0);
    AddDownstreamArc(sink, Rt, R2, xn);
    sink.Add(xn, yn);
    // Between the net's wall points, subdivisions - 1 more on the cubic
    // with the wall's own slopes at both ends (Hermite), so that a reader's
    // spline through the file follows the designed wall closely.
    const auto add = [&](double x, double r) {
        const float fx = Store(x * rt);
        // Six digits cannot always tell two neighbours of a tiny throat
        // apart; the later one is left out rather than repeat an x.
        if (fx > points.back().x && fx < lengf) sink.Add(fx, Store(r * rt));
    };
    for (std::size_t i = 1; i < wall.x.size(); ++i) {
        const double h = wall.x[i] - wall.x[i - 1];
        const double m0 = std::tan(wall.theta[i - 1]) * h, m1 = std::tan(wall.theta[i]) * h;
        for (int k = 1; k < subdivisions; ++k) {
            const double t = double(k) / subdivisions;
            const double h00 = (1 + 2 * t) * (1 - t) * (1 - t), h10 = t * (1 - t) * (1 - t);
            const double h01 = t * t * (3 - 2 * t), h11 = t * t * (t - 1);
            const double r = h00 * wall.r[i - 1] + h10 * m0 + h01 * wall.r[i] + h11 * m1;
            add(wall.x[i - 1] + t * h, std::fmin(std::fmax(r, wall.r[i - 1]), wall.r[i]));
        }
        if (i + 1 < wall.x.size()) add(wall.x[i], wall.r[i]);
    }
    sink.Add(lengf, Store(wall.r.back() * rt));
    return FormatProfileText({Rt, epsilon, lengthPercent, Store(wall.theta.front() * kDegrees),
                              Store(wall.theta.back() * kDegrees), R1, R2, x0, xn, yn, Re, lengf},
                             points);
}

}  // namespace bellnozzle::moc

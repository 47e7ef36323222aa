#include "characteristics/separation.h"

#include <cmath>
#include <functional>

namespace bellnozzle::moc {
namespace {


// The first x where below(sample) turns true, interpolated linearly between
// that station and the one before it in the margin margin(sample) that
// crosses zero there; the index of the station after it.
struct Crossing {
    double x, r;
    std::size_t next;
};

std::optional<Crossing> FirstCrossing(const std::vector<WallSample>& wall,
                                      const std::function<double(const WallSample&)>& margin) {
    for (std::size_t i = 0; i < wall.size(); ++i) {
        const double m = margin(wall[i]);
        if (!(m < 0)) continue;
        if (i == 0) return Crossing{wall[0].x, wall[0].r, 0};
        const double m0 = margin(wall[i - 1]);
        const double t = m0 / (m0 - m);
        return Crossing{wall[i - 1].x + t * (wall[i].x - wall[i - 1].x),
                        wall[i - 1].r + t * (wall[i].r - wall[i - 1].r), i};
    }
    return std::nullopt;
}

// Area of the annulus (planar: strip) between radii a and b, over At.
double AreaBetween(double a, double b, bool planar) {
    return planar ? (b - a) : (b * b - a * a);
}

}  // namespace

double SchmuckerSeparationRatio(double wallMach) { return std::pow(1.88 * wallMach - 1.0, -0.64); }

Separation FindSeparation(const std::vector<WallSample>& wall, double paOverP0, double cfVacuum,
                          double wallForceScale, bool planar) {
    Separation out;
    const double exitArea = planar ? wall.back().r : wall.back().r * wall.back().r;
    out.cfAmbientSeparated = cfVacuum - paOverP0 * exitArea;
    if (!(paOverP0 > 0) || wall.size() < 2) return out;

    const auto schmucker = [&](const WallSample& s) {
        return s.pRatio - paOverP0 * SchmuckerSeparationRatio(s.mach);
    };
    const auto summerfield = [&](const WallSample& s) {
        return s.pRatio - kSummerfieldSeparationRatio * paOverP0;
    };
    if (const auto c = FirstCrossing(wall, summerfield)) out.xSummerfield = c->x;
    const auto c = FirstCrossing(wall, schmucker);
    if (!c) return out;
    out.x = c->x;

    // The wall-pressure force beyond separation, trapezoidal in p over the
    // annuli, from the interpolated separation point on.
    double force = 0;
    double r0 = c->r;
    double p0 = c->next == 0 ? wall[0].pRatio
                             : wall[c->next - 1].pRatio + (wall[c->next].pRatio - wall[c->next - 1].pRatio) *
                                                              (c->x - wall[c->next - 1].x) /
                                                              (wall[c->next].x - wall[c->next - 1].x);
    for (std::size_t i = c->next; i < wall.size(); ++i) {
        force += 0.5 * (p0 + wall[i].pRatio) * AreaBetween(r0, wall[i].r, planar);
        r0 = wall[i].r;
        p0 = wall[i].pRatio;
    }
    const double separationArea = planar ? c->r : c->r * c->r;
    out.cfAmbientSeparated = cfVacuum - wallForceScale * force - paOverP0 * separationArea;
    return out;
}

}  // namespace bellnozzle::moc

#include "foam_case/throat_points.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "characteristics/wall_contour.h"

namespace bellnozzle {
namespace {

// A profile point lies on the contour when this close (throat radii), as
// the analysis judges it: the file's six digits leave about 1e-6.
constexpr double kOnContourTolerance = 1e-4;

}  // namespace

ProfileTable WithThroatArcPoints(const ProfileTable& profile) {
    const std::optional<moc::HeaderContour> contour = moc::ReadHeaderContour(profile);
    if (!contour) return profile;
    const double rt = contour->throatRadiusCm, r1 = contour->upstreamRadius;
    const moc::WallShape& downstream = *contour->downstream;
    // The radius (throat radii) at t throat radii from the throat; upstream
    // the circle of radius R1 centred above the throat.
    auto radius = [&](double t) {
        if (t >= 0) return downstream.Radius(std::min(t, downstream.XEnd()));
        return 1.0 + r1 - std::sqrt(std::max(0.0, r1 * r1 - t * t));
    };
    auto onContour = [&](int k) {
        const double t = profile.X[k] / rt;
        const bool within = t >= 0 ? t <= downstream.XEnd() + kOnContourTolerance : -t < r1;
        return within && std::fabs(radius(t) - profile.Y[k] / rt) < kOnContourTolerance;
    };

    ProfileTable out;
    out.Header = profile.Header;
    out.X.push_back(0);
    out.Y.push_back(0);
    auto add = [&](double x, double y) {
        out.X.push_back(static_cast<float>(x));
        out.Y.push_back(static_cast<float>(y));
    };
    for (int k = 1; k <= profile.Count; ++k) {
        if (k > 1 && onContour(k - 1) && onContour(k)) {
            const double a = profile.X[k - 1] / rt, b = profile.X[k] / rt;
            const double nearest = a <= 0 && b >= 0 ? 0.0 : std::min(std::fabs(a), std::fabs(b));
            if (b > a && nearest < kThroatPointReach) {
                const double spacing = kThroatPointSpacing + kThroatPointGrowth * nearest;
                const int pieces = static_cast<int>(std::ceil((b - a) / spacing - 1e-9));
                for (int j = 1; j < pieces; ++j) {
                    const double t = a + (b - a) * j / pieces;
                    add(t * rt, radius(t) * rt);
                }
            }
        }
        add(profile.X[k], profile.Y[k]);
    }
    out.Count = static_cast<int>(out.X.size()) - 1;
    return out;
}

}  // namespace bellnozzle

#include "foam_case/wall_line.h"

#include <algorithm>
#include <cmath>

namespace bellnozzle {
namespace {

// Linear interpolation of ys over the growing xs (clamped at the ends).
double Interpolate(const std::vector<double>& xs, const std::vector<double>& ys, double x) {
    if (x <= xs.front()) return ys.front();
    if (x >= xs.back()) return ys.back();
    const auto upper = std::upper_bound(xs.begin(), xs.end(), x);
    const std::size_t i = static_cast<std::size_t>(upper - xs.begin());
    const double span = xs[i] - xs[i - 1];
    const double t = span > 0 ? (x - xs[i - 1]) / span : 0;
    return ys[i - 1] + t * (ys[i] - ys[i - 1]);
}

}  // namespace

WallLine::WallLine(const ProfileTable& profile) {
    constexpr double kMetresPerCm = 0.01;
    for (int k = 1; k <= profile.Count; ++k) {
        const double x = profile.X[k] * kMetresPerCm, y = profile.Y[k] * kMetresPerCm;
        // Repeated or backward points (a hand-edited file) add nothing to a
        // polyline along the axis.
        if (!x_.empty() && x <= x_.back()) continue;
        s_.push_back(x_.empty() ? 0 : s_.back() + std::hypot(x - x_.back(), y - y_.back()));
        x_.push_back(x);
        y_.push_back(y);
    }
    const auto throat = std::min_element(y_.begin(), y_.end());
    throatRadius_ = *throat;
    throatX_ = x_[static_cast<std::size_t>(throat - y_.begin())];
}

double WallLine::RadiusAt(double x) const { return Interpolate(x_, y_, x); }

double WallLine::AngleAt(double x) const {
    const double half = 0.5 * throatRadius_;
    const double a = std::max(x - half, InletX()), b = std::min(x + half, ExitX());
    return b > a ? std::atan((RadiusAt(b) - RadiusAt(a)) / (b - a)) : 0;
}

double WallLine::ArcAt(double x) const { return Interpolate(x_, s_, x); }

double WallLine::XAtArc(double s) const { return Interpolate(s_, x_, s); }

}  // namespace bellnozzle

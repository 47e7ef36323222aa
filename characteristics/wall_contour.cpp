#include "characteristics/wall_contour.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <vector>

#include "core/error.h"
#include "core/text_format.h"

namespace bellnozzle::moc {
namespace {

constexpr double kDegree = 3.141592653589793 / 180.0;
// A point lies on the header's geometry when it is this close, in throat
// radii: the file's six digits and the single-precision design leave about
// 1e-6; an edited point moves far more.
constexpr double kHeaderMatchTolerance = 1e-4;
// A radius that falls by more than the file's rounding downstream of the
// throat turns the wall back toward the axis (throat radii).
constexpr double kTurnBackTolerance = 1e-5;
// The throat is refined to the vertex of the parabola through its three
// lowest points unless that dips more than this fraction below them.
constexpr double kThroatVertexDip = 0.01;
// The exit area ratio must exceed 1 by at least this.
constexpr double kMinAreaRatioExcess = 1e-4;
// The transonic series holds for throats no sharper than this and its
// discharge coefficient varies little beyond the upper end (throat radii).
constexpr double kMinCurvatureRadius = 0.25;
constexpr double kMaxCurvatureRadius = 50.0;

[[noreturn]] void Refuse(const std::string& path, const std::string& english, const std::string& portuguese) {
    throw Error("profile \"" + path + "\" cannot be analysed: " + english,
                "o perfil \"" + path + "\" não pode ser analisado: " + portuguese);
}

struct Point {
    double x, y;
};

// "key=value unit" lines of the header, values parsed whatever the locale.
std::map<std::string, double> HeaderValues(const ProfileTable& profile) {
    std::map<std::string, double> values;
    for (const std::string& line : profile.Header) {
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        double value = 0;
        const char* begin = line.data() + eq + 1;
        const auto [end, ec] = std::from_chars(begin, line.data() + line.size(), value);
        if (ec == std::errc() && end != begin && std::isfinite(value)) values[line.substr(0, eq)] = value;
    }
    return values;
}

// The downstream throat arc of radius r2, then a parabola or a straight wall,
// as the profile header gives them; in throat radii from the throat.
class HeaderWall : public WallShape {
public:
    double Radius(double x) const override {
        if (x <= xn_) return 1.0 + r2_ - std::sqrt(std::max(0.0, r2_ * r2_ - x * x));
        const double t = x - xn_;
        if (straight_) return yn_ + tn_ * t;
        return std::sqrt(S_ * t + T_) + P_ * t + Q_ + yn_;
    }
    double Slope(double x) const override {
        if (x <= xn_) return x / std::sqrt(std::max(1e-300, r2_ * r2_ - x * x));
        if (straight_) return tn_;
        return S_ / (2.0 * std::sqrt(S_ * (x - xn_) + T_)) + P_;
    }
    double XBegin() const override { return 0.0; }
    double XEnd() const override { return xe_; }

    // Builds the wall from the header values (cm and degrees); empty when
    // they are missing or give no sound contour.
    static std::optional<HeaderWall> From(const std::map<std::string, double>& h) {
        for (const char* key : {"Rt", "thetan", "thetas", "R2", "xn", "yn", "Re", "lengf"}) {
            if (!h.count(key)) return std::nullopt;
        }
        HeaderWall w;
        const double rt = h.at("Rt");
        if (!(rt > 0)) return std::nullopt;
        w.r2_ = h.at("R2") / rt;
        w.xn_ = h.at("xn") / rt;
        w.yn_ = h.at("yn") / rt;
        w.xe_ = h.at("lengf") / rt;
        const double ye = h.at("Re") / rt;
        w.tn_ = std::tan(h.at("thetan") * kDegree);
        const double ts = std::tan(h.at("thetas") * kDegree);
        const double dx = w.xe_ - w.xn_, dy = ye - w.yn_;
        if (!(w.r2_ > 0) || !(w.xn_ >= 0) || !(w.xn_ < w.r2_) || !(dx > 0) || !(dy > 0)) return std::nullopt;
        const double denominator = 2.0 * dy - dx * w.tn_ - dx * ts;
        // Equal angles (the cone) make the parabola a straight line.
        w.straight_ = std::fabs(denominator) < 1e-9 * dy;
        if (!w.straight_) {
            w.P_ = (dy * w.tn_ + dy * ts - 2.0 * dx * ts * w.tn_) / denominator;
            const double chord = dy - w.P_ * dx;
            w.S_ = chord * chord * (w.tn_ - w.P_) / (dx * w.tn_ - dy);
            w.Q_ = -w.S_ / (2.0 * (w.tn_ - w.P_));
            w.T_ = w.Q_ * w.Q_;
            if (!(w.Q_ < 0) || !(w.S_ * dx + w.T_ >= 0) || !std::isfinite(w.P_ + w.S_)) return std::nullopt;
        }
        return w;
    }

private:
    double r2_ = 0, xn_ = 0, yn_ = 1, xe_ = 0, tn_ = 0;
    bool straight_ = true;
    double P_ = 0, Q_ = 0, S_ = 0, T_ = 0;
};

// A cubic spline through the points, clamped to zero slope at the throat
// (the first knot) and natural at the lip.
class SplineWall : public WallShape {
public:
    explicit SplineWall(std::vector<Point> knots) : k_(std::move(knots)), d2_(k_.size(), 0.0) {
        const std::size_t n = k_.size();
        std::vector<double> u(n, 0.0);
        // Tridiagonal sweep of the classic spline equations, first slope 0.
        d2_[0] = -0.5;
        u[0] = 3.0 / (k_[1].x - k_[0].x) * ((k_[1].y - k_[0].y) / (k_[1].x - k_[0].x));
        for (std::size_t i = 1; i + 1 < n; ++i) {
            const double sig = (k_[i].x - k_[i - 1].x) / (k_[i + 1].x - k_[i - 1].x);
            const double p = sig * d2_[i - 1] + 2.0;
            d2_[i] = (sig - 1.0) / p;
            const double du = (k_[i + 1].y - k_[i].y) / (k_[i + 1].x - k_[i].x) -
                              (k_[i].y - k_[i - 1].y) / (k_[i].x - k_[i - 1].x);
            u[i] = (6.0 * du / (k_[i + 1].x - k_[i - 1].x) - sig * u[i - 1]) / p;
        }
        d2_[n - 1] = 0.0;
        for (std::size_t i = n - 1; i-- > 0;) d2_[i] = d2_[i] * d2_[i + 1] + u[i];
    }
    double Radius(double x) const override {
        const Span s = Find(x);
        return s.a * k_[s.lo].y + s.b * k_[s.lo + 1].y +
               ((s.a * s.a * s.a - s.a) * d2_[s.lo] + (s.b * s.b * s.b - s.b) * d2_[s.lo + 1]) * s.h * s.h / 6.0;
    }
    double Slope(double x) const override {
        const Span s = Find(x);
        return (k_[s.lo + 1].y - k_[s.lo].y) / s.h -
               (3.0 * s.a * s.a - 1.0) / 6.0 * s.h * d2_[s.lo] + (3.0 * s.b * s.b - 1.0) / 6.0 * s.h * d2_[s.lo + 1];
    }
    double XBegin() const override { return k_.front().x; }
    double XEnd() const override { return k_.back().x; }

private:
    struct Span {
        std::size_t lo;
        double h, a, b;
    };
    Span Find(double x) const {
        const auto it = std::upper_bound(k_.begin() + 1, k_.end() - 1, x, [](double v, const Point& p) { return v < p.x; });
        const std::size_t lo = static_cast<std::size_t>(it - k_.begin()) - 1;
        const double h = k_[lo + 1].x - k_[lo].x;
        const double a = (k_[lo + 1].x - x) / h;
        return {lo, h, a, 1.0 - a};
    }
    std::vector<Point> k_;
    std::vector<double> d2_;
};

std::vector<Point> CheckedPoints(const ProfileTable& profile, const std::string& path) {
    std::vector<Point> points;
    for (int i = 1; i <= profile.Size(); ++i) points.push_back({profile.X[i], profile.Y[i]});
    if (points.size() < 3) {
        Refuse(path, "it has fewer than three points", "ele tem menos de três pontos");
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (!(points[i].y > 0)) {
            Refuse(path, Format("point %zu lies on or below the axis (y = %g)", i + 1, points[i].y),
                   Format("o ponto %zu está sobre o eixo ou abaixo dele (y = %g)", i + 1, points[i].y));
        }
        if (i > 0 && !(points[i].x > points[i - 1].x)) {
            Refuse(path, Format("x does not grow from point %zu to point %zu", i, i + 1),
                   Format("x não cresce do ponto %zu ao ponto %zu", i, i + 1));
        }
    }
    return points;
}

// The throat: the vertex of the parabola through the smallest radius and its
// two neighbours.
Point FindThroat(const std::vector<Point>& p, std::size_t i) {
    const Point a = p[i - 1], b = p[i], c = p[i + 1];
    const double d1 = (b.y - a.y) / (b.x - a.x), d2 = (c.y - b.y) / (c.x - b.x);
    const double curvature = (d2 - d1) / (c.x - a.x);  // y''/2
    if (!(curvature > 0)) return b;
    const double xv = std::clamp(0.5 * (a.x + b.x) - d1 / (2.0 * curvature), a.x, c.x);
    const Point vertex{xv, b.y + d1 * (xv - b.x) + curvature * (xv - a.x) * (xv - b.x)};
    // A smooth throat's vertex lies within a hair of its lowest point; a kink
    // (a hand-made wall) can send the parabola far below: keep the point.
    return b.y - vertex.y <= kThroatVertexDip * b.y ? vertex : b;
}

// The upstream wall's radius of curvature at the throat from the last point
// at or before the throat and the two before it (throat radii).
double UpstreamCurvatureRadius(const std::vector<Point>& p, Point throat) {
    std::size_t last = 0;
    while (last + 1 < p.size() && p[last + 1].x <= throat.x) ++last;
    const std::size_t first = std::min(last >= 2 ? last - 2 : 0, p.size() - 3);
    const Point a = p[first], b = p[first + 1], c = p[first + 2];
    const double d1 = (b.y - a.y) / (b.x - a.x), d2 = (c.y - b.y) / (c.x - b.x);
    const double secondDerivative = 2.0 * (d2 - d1) / (c.x - a.x);
    const double radius = secondDerivative > 0 ? 1.0 / secondDerivative / throat.y : kMaxCurvatureRadius;
    return std::clamp(radius, kMinCurvatureRadius, kMaxCurvatureRadius);
}

bool PointsOnWall(const std::vector<Point>& p, std::size_t throat, const WallShape& wall, double rt) {
    for (std::size_t i = throat + 1; i < p.size(); ++i) {
        const double x = p[i].x / rt;
        if (x > wall.XEnd() + kHeaderMatchTolerance) return false;
        if (std::fabs(wall.Radius(std::min(x, wall.XEnd())) - p[i].y / rt) > kHeaderMatchTolerance) return false;
    }
    return std::fabs(p.back().x / rt - wall.XEnd()) < kHeaderMatchTolerance;
}

}  // namespace

std::optional<HeaderContour> ReadHeaderContour(const ProfileTable& profile) {
    const std::map<std::string, double> header = HeaderValues(profile);
    const std::optional<HeaderWall> wall = HeaderWall::From(header);
    if (!wall || !header.count("R1") || !(header.at("R1") > 0)) return std::nullopt;
    const double rt = header.at("Rt");
    return HeaderContour{rt, header.at("R1") / rt, std::make_shared<HeaderWall>(*wall)};
}

NozzleWall ReadNozzleWall(const ProfileTable& profile, const std::string& path, bool splineOnly) {
    const std::vector<Point> p = CheckedPoints(profile, path);
    const auto smallest = std::min_element(p.begin(), p.end(), [](Point a, Point b) { return a.y < b.y; });
    const std::size_t i = static_cast<std::size_t>(smallest - p.begin());
    if (i == 0 || i + 1 == p.size()) {
        Refuse(path, "it has no throat (the smallest radius is at an end of the wall)",
               "ele não tem garganta (o menor raio está numa ponta da parede)");
    }
    const Point throat = FindThroat(p, i);
    for (std::size_t k = i + 1; k < p.size(); ++k) {
        if (p[k].y < p[k - 1].y - kTurnBackTolerance * throat.y) {
            Refuse(path, Format("the wall turns back toward the axis at point %zu, downstream of the throat", k + 1),
                   Format("a parede volta em direção ao eixo no ponto %zu, depois da garganta", k + 1));
        }
    }
    const double areaRatioRadius = p.back().y / throat.y;
    if (!(areaRatioRadius * areaRatioRadius > 1.0 + kMinAreaRatioExcess)) {
        Refuse(path, Format("its exit is no wider than its throat (area ratio %g)", areaRatioRadius * areaRatioRadius),
               Format("a saída não é mais larga que a garganta (razão de áreas %g)",
                      areaRatioRadius * areaRatioRadius));
    }

    NozzleWall wall;
    const std::map<std::string, double> header = HeaderValues(profile);
    if (!splineOnly) {
        if (const std::optional<HeaderWall> h = HeaderWall::From(header)) {
            const double rt = header.at("Rt");
            // The header's throat lies at x = 0. The points' own estimate of
            // it (a parabola through the lowest three) may miss it by up to
            // a sampling step where the file's fixed steps are coarse against
            // a small throat (a 1 mm throat is sampled every 2 throat radii),
            // so it need only lie within the steps around the lowest point;
            // the points downstream must then lie on the header's wall.
            const double steps = 0.5 * (p[i + 1].x - p[i - 1].x);
            const double throatWindow = std::max(kHeaderMatchTolerance * rt * 100, steps);
            if (std::fabs(throat.x) < throatWindow && PointsOnWall(p, i, *h, rt)) {
                wall.shape = std::make_shared<HeaderWall>(*h);
                wall.source = WallSource::HeaderGeometry;
                wall.throatXCm = 0.0;
                wall.throatRadiusCm = rt;
                const double r1 = header.count("R1") ? header.at("R1") / rt : 0.0;
                wall.curvatureRadius = r1 > 0 ? std::clamp(r1, kMinCurvatureRadius, kMaxCurvatureRadius)
                                              : UpstreamCurvatureRadius(p, throat);
            }
        }
    }
    if (!wall.shape) {
        std::vector<Point> knots{{0.0, 1.0}};
        for (std::size_t k = i; k < p.size(); ++k) {
            const double x = (p[k].x - throat.x) / throat.y;
            // A point at (or within rounding of) the throat itself is the
            // first knot already.
            if (x > 1e-6) knots.push_back({x, p[k].y / throat.y});
        }
        // Points all within rounding of the throat leave no wall to follow.
        if (knots.size() < 2) {
            Refuse(path, "its wall ends at the throat", "a parede termina na garganta");
        }
        wall.shape = std::make_shared<SplineWall>(std::move(knots));
        wall.source = WallSource::Spline;
        wall.throatXCm = throat.x;
        wall.throatRadiusCm = throat.y;
        wall.curvatureRadius = UpstreamCurvatureRadius(p, throat);
    }
    wall.exitXCm = wall.throatXCm + wall.shape->XEnd() * wall.throatRadiusCm;
    wall.exitRadiusCm = wall.shape->Radius(wall.shape->XEnd()) * wall.throatRadiusCm;
    return wall;
}

}  // namespace bellnozzle::moc

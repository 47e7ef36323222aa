#include "export/pov_render_scene.h"

#include <cmath>
#include <vector>

#include "core/text_format.h"
#include "export/length_text.h"

namespace bellnozzle {
namespace {

constexpr double kViewAngleDegrees = 40.0;  // horizontal field of view
// Seen from above and beside the exit, so the bell's inside shows.
constexpr double kViewDirection[3] = {0.55, 0.5, -1.0};

// POV-Ray's lathe tests every segment for every ray: 20,000 segments take
// minutes. Points closer than this fraction of the nozzle's size to the line
// through their neighbours are dropped, far below a pixel of any picture.
constexpr double kSimplifyTolerance = 5e-5;

// Douglas-Peucker: the points that keep every dropped one within tolerance
// of the kept line. The ends always stay.
std::vector<CadPoint> Simplify(const std::vector<CadPoint>& points, double tolerance) {
    std::vector<bool> keep(points.size(), false);
    keep.front() = keep.back() = true;
    std::vector<std::pair<std::size_t, std::size_t>> spans{{0, points.size() - 1}};
    while (!spans.empty()) {
        const auto [a, b] = spans.back();
        spans.pop_back();
        const double dx = points[b].x - points[a].x;
        const double dr = points[b].r - points[a].r;
        const double length = std::hypot(dx, dr);
        double farthest = 0.0;
        std::size_t at = a;
        for (std::size_t i = a + 1; i < b; ++i) {
            const double d = std::abs(dx * (points[i].r - points[a].r) - dr * (points[i].x - points[a].x)) / length;
            if (d > farthest) {
                farthest = d;
                at = i;
            }
        }
        if (farthest > tolerance) {
            keep[at] = true;
            spans.push_back({a, at});
            spans.push_back({at, b});
        }
    }
    std::vector<CadPoint> kept;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (keep[i]) kept.push_back(points[i]);
    }
    return kept;
}

void Vector(std::string& out, double x, double y, double z) {
    out += '<';
    AppendLength(out, x);
    out += ", ";
    AppendLength(out, y);
    out += ", ";
    AppendLength(out, z);
    out += '>';
}

void Camera(std::string& out, const CadProfile& profile, int width, int height) {
    const double centre = 0.5 * (profile.InletX() + profile.ExitX());
    const double halfLength = 0.5 * (profile.ExitX() - profile.InletX());
    const double radius = profile.MaxRadius();
    const double sphere = std::hypot(halfLength, radius);
    const double halfWidth = kViewAngleDegrees * M_PI / 360.0;
    const double halfHeight = std::atan(std::tan(halfWidth) * height / width);
    const double distance = 1.15 * sphere / std::sin(std::min(halfWidth, halfHeight));
    const double norm = std::hypot(kViewDirection[0], kViewDirection[1], kViewDirection[2]);
    out += "camera {\n  perspective\n  location ";
    Vector(out, centre + distance * kViewDirection[0] / norm, distance * kViewDirection[1] / norm,
           distance * kViewDirection[2] / norm);
    out += "\n  right x*";
    AppendInt(out, width);
    out += '/';
    AppendInt(out, height);
    out += "\n  angle ";
    AppendLength(out, kViewAngleDegrees);
    out += "\n  look_at ";
    Vector(out, centre, 0.0, 0.0);
    out += "\n}\n\n";
    // A key light over the camera's shoulder and a weaker one from the
    // other side, so the inside of the bell is not black.
    out += "light_source { ";
    Vector(out, centre + 2.0 * distance * 0.2, 2.0 * distance, -2.0 * distance);
    out += " color rgb <1, 1, 1> }\n";
    out += "light_source { ";
    Vector(out, centre + 2.0 * distance, 0.5 * distance, 0.5 * distance);
    out += " color rgb <0.45, 0.45, 0.45> shadowless }\n\n";
}

}  // namespace

std::string FormatRenderScene(const CadProfile& profile, int width, int height) {
    std::string out =
        "// bellnozzle: o bocal como sólido de revolução da parede com sua espessura (mm)\n"
        "#version 3.7;\n\n"
        "global_settings { assumed_gamma 1.0 }\n\n"
        "sky_sphere {\n"
        "  pigment {\n"
        "    gradient y\n"
        "    color_map {\n"
        "      [0.0 rgb <0.6, 0.7, 1.0>]\n"
        "      [0.7 rgb <0.0, 0.1, 0.8>]\n"
        "    }\n"
        "  }\n"
        "}\n\n";
    Camera(out, profile, width, height);
    // The lathe turns <radius, height> points about its y axis; turned by
    // -90 degrees about z, its height runs along x as the nozzle's axis does.
    // The half-section is closed: wall, exit face, outer wall back, inlet face.
    const double size = profile.ExitX() - profile.InletX() + profile.MaxRadius();
    const std::vector<CadPoint> wall = Simplify(profile.wall, kSimplifyTolerance * size);
    const std::vector<CadPoint> outer = Simplify(profile.outer, kSimplifyTolerance * size);
    out += "lathe {\n  linear_spline ";
    AppendInt(out, static_cast<long long>(wall.size() + outer.size() + 1));
    const auto point = [&out](const CadPoint& p) {
        out += ",\n  <";
        AppendLength(out, p.r);
        out += ", ";
        AppendLength(out, p.x);
        out += '>';
    };
    for (const CadPoint& p : wall) point(p);
    for (auto p = outer.rbegin(); p != outer.rend(); ++p) point(*p);
    point(wall.front());
    out += "\n  pigment { color rgb ";
    Vector(out, kNozzleColour[0], kNozzleColour[1], kNozzleColour[2]);
    out += " }\n  finish { ambient 0.25 diffuse 0.7 specular 0.25 roughness 0.03 }\n";
    out += "  rotate -90*z\n}\n";
    return out;
}

}  // namespace bellnozzle

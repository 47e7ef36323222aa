#include "export/pov_render_scene.h"

#include <cmath>

#include "core/text_format.h"
#include "export/length_text.h"

namespace bellnozzle {
namespace {

constexpr double kViewAngleDegrees = 40.0;  // horizontal field of view
// Seen from above and beside the exit, so the bell's inside shows.
constexpr double kViewDirection[3] = {0.55, 0.5, -1.0};

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
    const std::size_t n = profile.wall.size();
    out += "lathe {\n  linear_spline ";
    AppendInt(out, static_cast<long long>(2 * n + 1));
    const auto point = [&out](const CadPoint& p) {
        out += ",\n  <";
        AppendLength(out, p.r);
        out += ", ";
        AppendLength(out, p.x);
        out += '>';
    };
    for (const CadPoint& p : profile.wall) point(p);
    for (std::size_t i = n; i-- > 0;) point(profile.outer[i]);
    point(profile.wall.front());
    out += "\n  pigment { color rgb ";
    Vector(out, kNozzleColour[0], kNozzleColour[1], kNozzleColour[2]);
    out += " }\n  finish { ambient 0.25 diffuse 0.7 specular 0.25 roughness 0.03 }\n";
    out += "  rotate -90*z\n}\n";
    return out;
}

}  // namespace bellnozzle

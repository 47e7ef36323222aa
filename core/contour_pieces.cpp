#include "core/contour_pieces.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/c_locale.h"
#include "core/error.h"
#include "core/text_format.h"

namespace bellnozzle::contour_pieces {
namespace {

constexpr double kArcStep = 0.1;
constexpr float kLoopStart = 0.01f;

// The upstream arc starts at x0 printed with "%.2f" and read back with atof,
// which is the nearest double to the two-decimal text. Both steps run in the
// "C" locale: under a decimal-comma locale atof would stop at the comma.
double RoundToHundredths(float x0) {
    const ScopedCLocale cLocale;
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", double(x0));
    return std::strtod(text, nullptr);
}

}  // namespace

void Refuse(const std::string& english, const std::string& portuguese) {
    throw Error("design refused: " + english, "projeto recusado: " + portuguese);
}

void RefuseNotFinite(const char* what, double value) {
    Refuse(Format("the contour comes out not finite (%s = %g); check the diameter, length and epsilon",
                  what, value),
           Format("o contorno resulta não finito (%s = %g); verifique diâmetro, comprimento e epsilon",
                  what, value));
}

void CheckThroatAndAreaRatio(float Rt, float epsilon) {
    if (!std::isfinite(Rt) || !(Rt > 0.0f)) {
        Refuse(Format("the throat diameter must be a finite number above 0 cm (throat radius Rt = %g)",
                      double(Rt)),
               Format("o diâmetro da garganta deve ser um número finito maior que 0 cm (raio Rt = %g)",
                      double(Rt)));
    }
    if (!std::isfinite(epsilon) || !(epsilon >= 1.0f)) {
        Refuse(Format("epsilon (the area ratio) must be a finite number of at least 1 (got %g)",
                      double(epsilon)),
               Format("epsilon (razão de áreas) deve ser um número finito maior ou igual a 1 (valor %g)",
                      double(epsilon)));
    }
}

float UpstreamArcStart(float R1) { return Store(-std::sqrt(2.0) * R1 * 0.5); }

float StoredRadians(float degrees) { return Store(double(degrees) * kPi * (1.0 / 180.0)); }

float ConeLengthOf(float Rt, float R1, float epsilon) {
    const double a = 0.2617994f;  // 15 degrees, as a float
    float c = Store((std::sqrt(double(epsilon)) - 1.0) * Rt);
    c = Store((1.0 / std::cos(a) - 1.0) * R1 + c);
    return Store(c / std::tan(a));
}

void PointSink::Add(float x, float y) {
    if (!std::isfinite(x)) RefuseNotFinite("x", x);
    if (!std::isfinite(y)) RefuseNotFinite("y", y);
    if (points_.size() >= static_cast<std::size_t>(kMaxProfilePoints)) {
        Refuse(Format("the contour would have more than %d points; choose a smaller throat", kMaxProfilePoints),
               Format("o contorno teria mais de %d pontos; escolha uma garganta menor", kMaxProfilePoints));
    }
    points_.push_back({x, y});
}

void AddUpstreamArc(PointSink& sink, float Rt, float R1, float x0) {
    float x = Store(RoundToHundredths(x0));
    while (x <= 0.0f) {
        const float y = Store((double(Rt) + R1) - std::sqrt(double(R1) * R1 - double(x) * x));
        sink.Add(x, y);
        x = Store(double(x) + kArcStep);
    }
}

void AddDownstreamArc(PointSink& sink, float Rt, float radius, float xEnd) {
    float x = kLoopStart;
    while (x < xEnd) {
        const float r = Store(std::sqrt(double(radius) * radius - double(x) * x));
        const float y = Store((double(Rt) + radius) - r);
        sink.Add(x, y);
        x = Store(double(x) + kArcStep);
    }
}

std::string FormatProfileText(const ProfileHeader& h, const std::vector<ContourPoint>& points) {
    std::string out;
    out.reserve(600 + points.size() * 28);
    out += "[parametros]\n";
    AppendFormat(out, "Rt=%g cm\n", double(h.Rt));
    AppendFormat(out, "epsilon=%g\n", double(h.epsilon));
    AppendFormat(out, "Lf=%g %%\n", double(h.lengthPercent));
    AppendFormat(out, "thetan=%g graus\n", double(h.thetaN));
    AppendFormat(out, "thetas=%g graus\n", double(h.thetaS));
    out += "[resultados]\n";
    AppendFormat(out, "R1=%g cm\n", double(h.R1));
    AppendFormat(out, "R2=%g cm\n", double(h.R2));
    AppendFormat(out, "x0=%g cm\n", double(h.x0));
    AppendFormat(out, "xn=%g cm\n", double(h.xn));
    AppendFormat(out, "yn=%g cm\n", double(h.yn));
    AppendFormat(out, "Re=%g cm\n", double(h.Re));
    AppendFormat(out, "lengf=%g cm\n", double(h.lengf));
    out += "[perfil]\n";
    // Each point line is "%d\t%g\t%g\n" with the point number, x and y.
    int k = 1;
    for (const ContourPoint& p : points) {
        AppendInt(out, k);
        out += '\t';
        AppendG(out, p.x);
        out += '\t';
        AppendG(out, p.y);
        out += '\n';
        ++k;
    }
    return out;
}

}  // namespace bellnozzle::contour_pieces

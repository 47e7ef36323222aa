// Contour geometry and the profile file "zelto_perfil.txt".
//
// Precision rules, which decide how many points the file holds: every value
// that is stored (the geometry fields, r, the loop variables x, y and t) is a
// float; every expression is evaluated in double from the stored floats and
// rounded once when stored. 0.382, pi, pi/2, 1/180, the arc step 0.1 and the
// factor 0.01 of the bell length are doubles; the loop start 0.01 and the
// 15-degree angle 0.2617994 are floats.
#include "core/contour.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/c_locale.h"
#include "core/error.h"
#include "core/text_file.h"
#include "core/text_format.h"

namespace bellnozzle {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kArcStep = 0.1;
constexpr float kLoopStart = 0.01f;
constexpr float kConeHalfAngle = 0.2617994f;  // 15 degrees

float Store(double value) { return static_cast<float>(value); }

// The upstream arc starts at x0 printed with "%.2f" and read back with atof,
// which is the nearest double to the two-decimal text. Both steps run in the
// "C" locale: under a decimal-comma locale atof would stop at the comma.
double RoundToHundredths(float x0) {
    const ScopedCLocale cLocale;
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", double(x0));
    return std::strtod(text, nullptr);
}

[[noreturn]] void Refuse(const std::string& english, const std::string& portuguese) {
    throw Error("design refused: " + english, "projeto recusado: " + portuguese);
}

void CheckInput(const ContourInput& in) {
    if (!std::isfinite(in.Rt) || !(in.Rt > 0.0f)) {
        Refuse(Format("the throat diameter must be a finite number above 0 cm (throat radius Rt = %g)",
                      double(in.Rt)),
               Format("o diâmetro da garganta deve ser um número finito maior que 0 cm (raio Rt = %g)",
                      double(in.Rt)));
    }
    if (!std::isfinite(in.epsilon) || !(in.epsilon >= 1.0f)) {
        Refuse(Format("epsilon (the area ratio) must be a finite number of at least 1 (got %g)",
                      double(in.epsilon)),
               Format("epsilon (razão de áreas) deve ser um número finito maior ou igual a 1 (valor %g)",
                      double(in.epsilon)));
    }
    if (!std::isfinite(in.lengthPercent)) {
        Refuse(Format("the bell length must be a finite percentage (got %g)", double(in.lengthPercent)),
               Format("o comprimento deve ser uma porcentagem finita (valor %g)", double(in.lengthPercent)));
    }
    if (!std::isfinite(in.thetaN) || !std::isfinite(in.thetaS)) {
        Refuse(Format("the wall angles must be finite (theta_n = %g, theta_s = %g): epsilon lies too far "
                      "outside the design chart (5 to 50)",
                      double(in.thetaN), double(in.thetaS)),
               Format("os ângulos de parede devem ser finitos (theta_n = %g, theta_s = %g): epsilon está "
                      "longe demais do gráfico de projeto (5 a 50)",
                      double(in.thetaN), double(in.thetaS)));
    }
    if (in.parabolaSteps < 1) {
        Refuse(Format("the parabola needs at least 1 interval (got %d)", in.parabolaSteps),
               Format("a parábola precisa de pelo menos 1 intervalo (valor %d)", in.parabolaSteps));
    }
}

[[noreturn]] void RefuseNotFinite(const char* what, double value) {
    Refuse(Format("the contour comes out not finite (%s = %g); check the diameter, length and epsilon",
                  what, value),
           Format("o contorno resulta não finito (%s = %g); verifique diâmetro, comprimento e epsilon",
                  what, value));
}

void CheckGeometry(const ContourGeometry& g) {
    const struct {
        const char* name;
        float value;
    } fields[] = {{"R1", g.R1},   {"R2", g.R2},   {"Re", g.Re},
                  {"x0", g.x0},   {"tan(theta_n)", g.tanThetaN},
                  {"tan(theta_s)", g.tanThetaS},  {"coneLength", g.coneLength},
                  {"lengf", g.lengf},             {"xn", g.xn},
                  {"yn", g.yn},   {"dx", g.dx},   {"dy", g.dy},
                  {"P", g.P},     {"Q", g.Q},     {"S", g.S},
                  {"T", g.T}};
    for (const auto& field : fields) {
        if (!std::isfinite(field.value)) RefuseNotFinite(field.name, field.value);
    }
}

// Collects points and refuses a contour that would run past the point limit,
// which also ends any loop whose step no longer moves its float variable.
class PointSink {
public:
    explicit PointSink(std::vector<ContourPoint>& points) : points_(points) {}
    void Add(float x, float y) {
        if (!std::isfinite(x)) RefuseNotFinite("x", x);
        if (!std::isfinite(y)) RefuseNotFinite("y", y);
        if (points_.size() >= static_cast<std::size_t>(kMaxProfilePoints)) {
            Refuse(Format("the contour would have more than %d points; choose a smaller throat",
                          kMaxProfilePoints),
                   Format("o contorno teria mais de %d pontos; escolha uma garganta menor",
                          kMaxProfilePoints));
        }
        points_.push_back({x, y});
    }

private:
    std::vector<ContourPoint>& points_;
};

}  // namespace

ContourGeometry ComputeContourGeometry(const ContourInput& in) {
    CheckInput(in);
    const double Rt = in.Rt;
    ContourGeometry g{};
    g.R1 = Store(1.5 * Rt);
    g.R2 = Store(0.382 * Rt);
    g.Re = Store(std::sqrt(double(in.epsilon)) * Rt);
    g.x0 = Store(-std::sqrt(2.0) * g.R1 * 0.5);

    const float thetaNRad = Store(double(in.thetaN) * kPi * (1.0 / 180.0));
    const float thetaSRad = Store(double(in.thetaS) * kPi * (1.0 / 180.0));
    g.tanThetaN = Store(std::tan(double(thetaNRad)));
    g.tanThetaS = Store(std::tan(double(thetaSRad)));

    const double a = kConeHalfAngle;
    float c = Store((std::sqrt(double(in.epsilon)) - 1.0) * Rt);
    c = Store((1.0 / std::cos(a) - 1.0) * g.R1 + c);
    g.coneLength = Store(c / std::tan(a));
    g.lengf = Store((double(g.coneLength) * in.lengthPercent) * 0.01);

    g.xn = Store(std::cos(kHalfPi - thetaNRad) * g.R2);
    g.yn = Store((Rt + g.R2) - std::sin(kHalfPi - thetaNRad) * g.R2);
    g.dx = Store(double(g.lengf) - g.xn);
    g.dy = Store(double(g.Re) - g.yn);

    const double tn = g.tanThetaN;
    const double ts = g.tanThetaS;
    const double dx = g.dx;
    const double dy = g.dy;
    g.P = Store((dy * tn + dy * ts - 2.0 * dx * ts * tn) / (2.0 * dy - dx * tn - dx * ts));
    const double chordOffset = dy - double(g.P) * dx;
    g.S = Store(chordOffset * chordOffset * (tn - g.P) / (dx * tn - dy));
    g.Q = Store(-double(g.S) / (2.0 * (tn - g.P)));
    g.T = Store(double(g.Q) * g.Q);
    CheckGeometry(g);
    return g;
}

std::vector<ContourPoint> ComputeContourPoints(const ContourInput& in, const ContourGeometry& g) {
    std::vector<ContourPoint> points;
    points.reserve(64);
    PointSink sink(points);
    const double Rt = in.Rt;

    // Upstream arc, from x0 rounded to two decimals up to and including x = 0.
    float x = Store(RoundToHundredths(g.x0));
    while (x <= 0.0f) {
        const float y = Store((Rt + g.R1) - std::sqrt(double(g.R1) * g.R1 - double(x) * x));
        sink.Add(x, y);
        x = Store(double(x) + kArcStep);
    }

    // Downstream arc, from 0.01 while short of N.
    x = kLoopStart;
    while (x < g.xn) {
        const float r = Store(std::sqrt(double(g.R2) * g.R2 - double(x) * x));
        const float y = Store((Rt + g.R2) - r);
        sink.Add(x, y);
        x = Store(double(x) + kArcStep);
    }

    sink.Add(g.xn, g.yn);

    // Parabola, sampled at t = 0.01, 0.01 + dt, ... while t <= D.
    const double D = double(g.lengf) - double(g.xn);
    const float dt = Store(D / in.parabolaSteps);
    float t = kLoopStart;
    while (D >= t) {
        const float px = Store(double(t) + g.xn);
        const float py = Store(std::sqrt(double(g.S) * t + g.T) + (double(g.P) * t + g.Q) + g.yn);
        sink.Add(px, py);
        t = Store(double(dt) + t);
    }

    sink.Add(g.lengf, g.Re);
    return points;
}

std::string FormatContourProfile(const ContourInput& in) {
    const ContourGeometry g = ComputeContourGeometry(in);
    const std::vector<ContourPoint> points = ComputeContourPoints(in, g);

    std::string out;
    out.reserve(600 + points.size() * 28);
    out += "[parametros]\n";
    AppendFormat(out, "Rt=%g cm\n", double(in.Rt));
    AppendFormat(out, "epsilon=%g\n", double(in.epsilon));
    AppendFormat(out, "Lf=%g %%\n", double(in.lengthPercent));
    AppendFormat(out, "thetan=%g graus\n", double(in.thetaN));
    AppendFormat(out, "thetas=%g graus\n", double(in.thetaS));
    out += "[resultados]\n";
    AppendFormat(out, "R1=%g cm\n", double(g.R1));
    AppendFormat(out, "R2=%g cm\n", double(g.R2));
    AppendFormat(out, "x0=%g cm\n", double(g.x0));
    AppendFormat(out, "xn=%g cm\n", double(g.xn));
    AppendFormat(out, "yn=%g cm\n", double(g.yn));
    AppendFormat(out, "Re=%g cm\n", double(g.Re));
    AppendFormat(out, "lengf=%g cm\n", double(g.lengf));
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

void WriteContourProfile(float Rt, float epsilon, float lengthPercent, float thetaN, float thetaS,
                         int parabolaSteps, const std::string& path) {
    const ContourInput in{Rt, epsilon, lengthPercent, thetaN, thetaS, parabolaSteps};
    WriteTextFileAtomically(path, FormatContourProfile(in));
}

}  // namespace bellnozzle

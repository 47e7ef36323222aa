// Contour geometry and the profile file "zelto_perfil.txt".
//
// Precision rules, which decide how many points the file holds: every value
// that is stored (the geometry fields, r, the loop variables x, y and t) is a
// float; every expression is evaluated in double from the stored floats and
// rounded once when stored. 0.382, pi, pi/2, 1/180, the arc step 0.1 and the
// factor 0.01 of the bell length are doubles; the loop start 0.01 and the
// 15-degree angle 0.2617994 are floats. The arcs, the sampling of the wall
// after them and the file text are shared with the cone (contour_pieces).
#include "core/contour.h"

#include <cmath>

#include "core/contour_pieces.h"
#include "core/text_file.h"
#include "core/text_format.h"

namespace bellnozzle {

using namespace contour_pieces;

namespace {

void CheckInput(const ContourInput& in) {
    CheckThroatAndAreaRatio(in.Rt, in.epsilon);
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

}  // namespace

ContourGeometry ComputeContourGeometry(const ContourInput& in) {
    CheckInput(in);
    const double Rt = in.Rt;
    ContourGeometry g{};
    g.R1 = Store(1.5 * Rt);
    g.R2 = Store(0.382 * Rt);
    g.Re = Store(std::sqrt(double(in.epsilon)) * Rt);
    g.x0 = UpstreamArcStart(g.R1);

    const float thetaNRad = StoredRadians(in.thetaN);
    const float thetaSRad = StoredRadians(in.thetaS);
    g.tanThetaN = Store(std::tan(double(thetaNRad)));
    g.tanThetaS = Store(std::tan(double(thetaSRad)));

    g.coneLength = ConeLengthOf(in.Rt, g.R1, in.epsilon);
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
    AddUpstreamArc(sink, in.Rt, g.R1, g.x0);
    AddDownstreamArc(sink, in.Rt, g.R2, g.xn);
    sink.Add(g.xn, g.yn);
    AddSampledWall(sink, g.xn, g.lengf, in.parabolaSteps, [&g](float t) {
        return std::sqrt(double(g.S) * t + g.T) + (double(g.P) * t + g.Q) + g.yn;
    });
    sink.Add(g.lengf, g.Re);
    return points;
}

std::string FormatContourProfile(const ContourInput& in) {
    const ContourGeometry g = ComputeContourGeometry(in);
    return FormatProfileText({in.Rt, in.epsilon, in.lengthPercent, in.thetaN, in.thetaS, g.R1, g.R2, g.x0,
                              g.xn, g.yn, g.Re, g.lengf},
                             ComputeContourPoints(in, g));
}

void WriteContourProfile(float Rt, float epsilon, float lengthPercent, float thetaN, float thetaS,
                         int parabolaSteps, const std::string& path) {
    const ContourInput in{Rt, epsilon, lengthPercent, thetaN, thetaS, parabolaSteps};
    WriteTextFileAtomically(path, FormatContourProfile(in));
}

}  // namespace bellnozzle

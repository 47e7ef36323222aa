#include "core/conical_contour.h"

#include <cmath>

#include "core/contour_pieces.h"
#include "core/text_file.h"
#include "core/text_format.h"

namespace bellnozzle {

using namespace contour_pieces;

namespace {

constexpr int kStraightWallSteps = 20;

// The smallest epsilon whose exit radius lies beyond T: Re = Rt + R1 (1 - cos 15).
double SmallestConeEpsilon() {
    const double rise = 1.0 + 1.5 * (1.0 - std::cos(double(kConeWallAngle) * kPi / 180.0));
    return rise * rise;
}

void CheckGeometry(const ConicalGeometry& g) {
    const struct {
        const char* name;
        float value;
    } fields[] = {{"R1", g.R1}, {"Re", g.Re}, {"x0", g.x0}, {"xn", g.xt}, {"yn", g.yt},
                  {"coneLength", g.coneLength}};
    for (const auto& field : fields) {
        if (!std::isfinite(field.value)) RefuseNotFinite(field.name, field.value);
    }
    if (!(g.coneLength > g.xt)) {
        const double smallest = SmallestConeEpsilon();
        Refuse(Format("a 15-degree cone needs epsilon above %.4g: below that its throat arc reaches the exit "
                      "radius before the wall reaches 15 degrees",
                      smallest),
               Format("um cone de 15 graus precisa de epsilon acima de %.4g: abaixo disso o arco da garganta "
                      "chega ao raio de saída antes de a parede chegar a 15 graus",
                      smallest));
    }
}

}  // namespace

float ReferenceConeLength(float Rt, float epsilon) {
    return ConeLengthOf(Rt, Store(1.5 * double(Rt)), epsilon);
}

ConicalGeometry ComputeConicalGeometry(float Rt, float epsilon) {
    CheckThroatAndAreaRatio(Rt, epsilon);
    ConicalGeometry g{};
    g.R1 = Store(1.5 * double(Rt));
    g.Re = Store(std::sqrt(double(epsilon)) * Rt);
    g.x0 = UpstreamArcStart(g.R1);
    const float theta = StoredRadians(kConeWallAngle);
    g.tanTheta = Store(std::tan(double(theta)));
    // T as the bell finds N, on the larger arc.
    g.xt = Store(std::cos(kHalfPi - theta) * g.R1);
    g.yt = Store((double(Rt) + g.R1) - std::sin(kHalfPi - theta) * g.R1);
    g.coneLength = ConeLengthOf(Rt, g.R1, epsilon);
    CheckGeometry(g);
    return g;
}

std::vector<ContourPoint> ComputeConicalPoints(float Rt, const ConicalGeometry& g) {
    std::vector<ContourPoint> points;
    points.reserve(64);
    PointSink sink(points);
    AddUpstreamArc(sink, Rt, g.R1, g.x0);
    AddDownstreamArc(sink, Rt, g.R1, g.xt);
    sink.Add(g.xt, g.yt);
    AddSampledWall(sink, g.xt, g.coneLength, kStraightWallSteps,
                   [&g](float t) { return double(g.tanTheta) * t + g.yt; });
    sink.Add(g.coneLength, g.Re);
    return points;
}

std::string FormatConicalProfile(float Rt, float epsilon) {
    const ConicalGeometry g = ComputeConicalGeometry(Rt, epsilon);
    return FormatProfileText({Rt, epsilon, 100.0f, kConeWallAngle, kConeWallAngle, g.R1, g.R1, g.x0, g.xt,
                              g.yt, g.Re, g.coneLength},
                             ComputeConicalPoints(Rt, g));
}

DesignResult RunConicalNozzleDesign(float diameter, float epsilon, const std::string& profilePath) {
    const DesignResult result{Store(double(diameter) * 0.5), kConeWallAngle, kConeWallAngle, {}};
    WriteTextFileAtomically(profilePath, FormatConicalProfile(result.Rt, epsilon));
    return result;
}

}  // namespace bellnozzle

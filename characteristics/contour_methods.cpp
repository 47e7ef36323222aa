#include "characteristics/contour_methods.h"

#include <cmath>

#include "characteristics/best_parabola.h"
#include "characteristics/ideal_designs.h"
#include "characteristics/thrust_optimized_contour.h"
#include "core/chart_range.h"
#include "core/profile_reader.h"
#include "core/conical_contour.h"
#include "core/contour.h"
#include "core/design.h"
#include "core/error.h"
#include "core/text_format.h"
#include "core/wall_angle_chart.h"

namespace bellnozzle::moc {
namespace {

struct MethodName {
    ContourMethod method;
    const char* name;
};

constexpr MethodName kMethodNames[] = {
    {ContourMethod::Chart, "chart"}, {ContourMethod::Cone, "cone"},         {ContourMethod::Ideal, "ideal"},
    {ContourMethod::Tic, "tic"},     {ContourMethod::Parabola, "parabola"}, {ContourMethod::Toc, "toc"},
};

// The chart's parabola, exactly as the "Calculo" button writes it.
DesignedProfile DesignChartParabola(const DesignRequest& request) {
    RequireChartLengthPercent(request.lengthPercent);
    DesignedProfile out;
    out.method = ContourMethod::Chart;
    out.Rt = static_cast<float>(double(request.diameter) * 0.5);
    LookupWallAngles(request.epsilon, request.lengthPercent, out.thetaN, out.thetaS);
    const ContourInput input{out.Rt, request.epsilon, request.lengthPercent, out.thetaN, out.thetaS, 20};
    RequireChartNozzle(input);
    out.profileText = FormatContourProfile(input);
    if (auto note = ChartExtrapolationNote(request.epsilon)) {
        out.notes.push_back(note->english);
        out.notesPortuguese.push_back(note->portuguese);
    }
    return out;
}

DesignedProfile DesignCone(const DesignRequest& request) {
    DesignedProfile out;
    out.method = ContourMethod::Cone;
    out.Rt = static_cast<float>(double(request.diameter) * 0.5);
    out.thetaN = kConeWallAngle;
    out.thetaS = kConeWallAngle;
    out.profileText = FormatConicalProfile(out.Rt, request.epsilon);
    return out;
}

void RequireMocEntries(const DesignRequest& request) {
    // The throat and the area ratio as the chart's designs check them.
    if (!(std::isfinite(request.diameter) && request.diameter > 0.0f)) {
        throw Error(Format("the throat diameter must be above 0 cm (got %g)", double(request.diameter)),
                    Format("o diâmetro da garganta deve ser maior que 0 cm (valor %g)", double(request.diameter)));
    }
    if (!(std::isfinite(request.epsilon) && request.epsilon > 1.0f && request.epsilon <= 1000.0f)) {
        throw Error(Format("epsilon must lie above 1 and at most 1000 for the designs by characteristics (got %g)",
                           double(request.epsilon)),
                    Format("epsilon deve ficar acima de 1 e no máximo 1000 nos projetos por características "
                           "(valor %g)",
                           double(request.epsilon)));
    }
    if (MethodUsesLength(request.method) &&
        !(std::isfinite(request.lengthPercent) && request.lengthPercent > 0.0f && request.lengthPercent <= 200.0f)) {
        throw Error(Format("the bell length must lie above 0 and at most 200 %% of the 15-degree cone (got %g)",
                           double(request.lengthPercent)),
                    Format("o comprimento deve ficar acima de 0 e no máximo 200 %% do cone de 15 graus (valor %g)",
                           double(request.lengthPercent)));
    }
}

DesignedProfile DesignIdeal(const DesignRequest& request) {
    DesignedProfile out;
    out.method = ContourMethod::Ideal;
    out.Rt = static_cast<float>(double(request.diameter) * 0.5);
    const DesignedWall wall = DesignIdealWall(request.gamma, request.epsilon);
    // The header's length is the ideal nozzle's own, in per cent of the cone.
    const float cone = ReferenceConeLength(out.Rt, request.epsilon);
    const float lengthPercent = static_cast<float>(wall.x.back() * out.Rt / double(cone) * 100.0);
    out.profileText = FormatDesignedProfile(out.Rt, request.epsilon, lengthPercent, wall);
    out.thetaN = static_cast<float>(wall.theta.front() * 180.0 / 3.141592653589793);
    out.thetaS = 0.0f;
    return out;
}

// A wall by characteristics ending at the requested length (per cent of the
// cone; in throat radii for design), written as the ideal nozzle's file is.
DesignedProfile DesignToLength(const DesignRequest& request, ContourMethod method,
                               DesignedWall (*design)(double gamma, double epsilon, double length)) {
    DesignedProfile out;
    out.method = method;
    out.Rt = static_cast<float>(double(request.diameter) * 0.5);
    const float cone = ReferenceConeLength(out.Rt, request.epsilon);
    const double length = double(cone) * double(request.lengthPercent) * 0.01 / double(out.Rt);
    const DesignedWall wall = design(request.gamma, request.epsilon, length);
    out.profileText = FormatDesignedProfile(out.Rt, request.epsilon, request.lengthPercent, wall);
    out.thetaN = static_cast<float>(wall.theta.front() * 180.0 / 3.141592653589793);
    out.thetaS = static_cast<float>(wall.theta.back() * 180.0 / 3.141592653589793);
    return out;
}

DesignedProfile DesignTic(const DesignRequest& request) {
    return DesignToLength(request, ContourMethod::Tic, [](double gamma, double epsilon, double length) {
        return DesignTruncatedIdealWall(gamma, epsilon, length);
    });
}

// The chart's construction with the angles the analysis finds best.
DesignedProfile DesignBestParabola(const DesignRequest& request) {
    DesignedProfile out;
    out.method = ContourMethod::Parabola;
    out.Rt = static_cast<float>(double(request.diameter) * 0.5);
    const BestParabola best = FindBestParabola(out.Rt, request.epsilon, request.lengthPercent, request.gamma);
    out.thetaN = best.thetaN;
    out.thetaS = best.thetaS;
    out.profileText =
        FormatContourProfile(ContourInput{out.Rt, request.epsilon, request.lengthPercent, out.thetaN, out.thetaS, 20});
    return out;
}

// Rao's contour ending at the requested length and area ratio.
DesignedProfile DesignToc(const DesignRequest& request) {
    return DesignToLength(request, ContourMethod::Toc, [](double gamma, double epsilon, double length) {
        return DesignThrustOptimizedWall(gamma, epsilon, length);
    });
}

void RequireGamma(double gamma) {
    if (std::isfinite(gamma) && gamma > 1.0 && gamma <= 5.0 / 3.0) return;
    throw Error(Format("gamma must lie above 1 and at most 5/3 (got %g)", gamma),
                Format("gama deve ficar acima de 1 e no máximo 5/3 (valor %g)", gamma));
}

}  // namespace

bool MethodUsesGamma(ContourMethod method) {
    return method != ContourMethod::Chart && method != ContourMethod::Cone;
}

bool MethodUsesLength(ContourMethod method) {
    return method != ContourMethod::Cone && method != ContourMethod::Ideal;
}

const char* ContourMethodName(ContourMethod method) {
    for (const MethodName& entry : kMethodNames) {
        if (entry.method == method) return entry.name;
    }
    return "chart";
}

bool ParseContourMethod(const std::string& name, ContourMethod& method) {
    for (const MethodName& entry : kMethodNames) {
        if (name == entry.name) {
            method = entry.method;
            return true;
        }
    }
    return false;
}

// The last word on a design by characteristics: its file must read back as a
// wall whose x grows and whose radius grows from the throat to the exit.
DesignedProfile RequireNozzleWall(DesignedProfile design) {
    const ProfileTable table = ParseProfileText(design.profileText, ContourMethodName(design.method));
    std::vector<ContourPoint> points;
    for (int i = 1; i <= table.Count; ++i) points.push_back({table.X[std::size_t(i)], table.Y[std::size_t(i)]});
    if (const auto fault = WallShapeFault(points)) {
        throw Error("the designed wall is no nozzle: " + fault->english + "; choose a larger area ratio",
                    "a parede projetada não forma um bocal: " + fault->portuguese +
                        "; escolha uma razão de áreas maior");
    }
    return design;
}

DesignedProfile DesignProfile(const DesignRequest& request) {
    if (MethodUsesGamma(request.method)) RequireGamma(request.gamma);
    switch (request.method) {
        case ContourMethod::Chart:
            return DesignChartParabola(request);
        case ContourMethod::Cone:
            return DesignCone(request);
        case ContourMethod::Ideal:
            RequireMocEntries(request);
            return RequireNozzleWall(DesignIdeal(request));
        case ContourMethod::Tic:
            RequireMocEntries(request);
            return RequireNozzleWall(DesignTic(request));
        case ContourMethod::Parabola:
            RequireMocEntries(request);
            return RequireNozzleWall(DesignBestParabola(request));
        case ContourMethod::Toc:
            RequireMocEntries(request);
            return RequireNozzleWall(DesignToc(request));
    }
    return DesignChartParabola(request);
}

}  // namespace bellnozzle::moc

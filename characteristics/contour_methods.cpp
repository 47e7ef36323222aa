#include "characteristics/contour_methods.h"

#include <cmath>

#include "core/chart_range.h"
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

DesignedProfile DesignProfile(const DesignRequest& request) {
    if (MethodUsesGamma(request.method)) RequireGamma(request.gamma);
    switch (request.method) {
        case ContourMethod::Chart:
            return DesignChartParabola(request);
        case ContourMethod::Cone:
            return DesignCone(request);
        default:
            break;
    }
    throw Error(std::string("the contour method '") + ContourMethodName(request.method) + "' is not built yet",
                std::string("o método de contorno '") + ContourMethodName(request.method) +
                    "' ainda não existe");
}

}  // namespace bellnozzle::moc

#include "core/design.h"

#include "core/contour.h"
#include "core/error.h"
#include "core/text_format.h"
#include "core/wall_angle_chart.h"

namespace bellnozzle {

std::string FormatAngle(float degrees) { return Format("%g", double(degrees)); }

void RequireChartLengthPercent(float lengthPercent) {
    if (IsChartLengthPercent(lengthPercent)) return;
    throw Error(Format("the bell length %g %% matches no curve of the design chart; "
                       "choose 60, 70, 80, 90 or 100",
                       double(lengthPercent)),
                Format("o comprimento %g %% não corresponde a nenhuma curva do gráfico; "
                       "escolha 60%%, 70%%, 80%%, 90%% ou 100%% na lista",
                       double(lengthPercent)));
}

DesignResult RunDesign(float diameter, float lengthPercent, float epsilon,
                       const std::string& profilePath) {
    RequireChartLengthPercent(lengthPercent);
    DesignResult result{static_cast<float>(double(diameter) * 0.5), 0.0f, 0.0f, {}};
    LookupWallAngles(epsilon, lengthPercent, result.thetaN, result.thetaS);
    RequireChartNozzle(ContourInput{result.Rt, epsilon, lengthPercent, result.thetaN, result.thetaS, 20});
    if (auto note = ChartExtrapolationNote(epsilon)) result.notes.push_back(*note);
    WriteContourProfile(result.Rt, epsilon, lengthPercent, result.thetaN, result.thetaS, 20,
                        profilePath);
    return result;
}

}  // namespace bellnozzle

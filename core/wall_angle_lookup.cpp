// Reading theta_n and theta_s off the design chart by natural-spline
// interpolation along the two curves of one bell length.
#include <array>

#include "core/spline.h"
#include "core/wall_angle_chart.h"

namespace bellnozzle {

bool IsChartLengthPercent(float lengthPercent) {
    for (const ChartCurve& curve : WallAngleChart) {
        if (curve.lengthPercent == lengthPercent) return true;
    }
    return false;
}

void LookupWallAngles(float epsilon, float lengthPercent, float& thetaN, float& thetaS) {
    // Every curve is visited; a matching percentage matches the "n" curve
    // first and the "s" curve second, and each spline is built afresh.
    for (const ChartCurve& curve : WallAngleChart) {
        if (curve.lengthPercent != lengthPercent) continue;
        std::array<float, kChartPointCount> x;
        std::array<float, kChartPointCount> y;
        for (int i = 0; i < kChartPointCount; ++i) {
            x[i] = curve.points[i].epsilon;
            y[i] = curve.points[i].angle;
        }
        std::array<float, kChartPointCount> d2;
        BuildSpline(x, y, kChartPointCount, 1e30f, 1e30f, d2);
        float angle = 0.0f;
        splint(x, y, d2, kChartPointCount, epsilon, angle);
        if (curve.kind == 'n') {
            thetaN = angle;
        } else if (curve.kind == 's') {
            thetaS = angle;
        }
    }
}

}  // namespace bellnozzle

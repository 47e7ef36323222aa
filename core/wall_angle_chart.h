// The built-in design chart: theta_n and theta_s against the area ratio for
// bell lengths of 60, 70, 80, 90 and 100 per cent of the 15-degree cone.
#pragma once

#include <array>

namespace bellnozzle {

inline constexpr int kChartPointCount = 35;
inline constexpr int kChartCurveCount = 10;

struct ChartPoint {
    float epsilon;
    float angle;  // degrees
};

struct ChartCurve {
    char kind;            // 'n' for theta_n, 's' for theta_s
    float lengthPercent;  // 60, 70, 80, 90 or 100
    std::array<ChartPoint, kChartPointCount> points;
};

extern const std::array<ChartCurve, kChartCurveCount> WallAngleChart;

// The five length percentages of the chart, in chart order.
inline constexpr std::array<float, 5> kChartLengthPercents = {60.0f, 70.0f, 80.0f, 90.0f, 100.0f};

// True when some curve of the chart has exactly this length percentage.
bool IsChartLengthPercent(float lengthPercent);

// Reads both angles off the chart by natural-spline interpolation along the
// two curves of the requested length. A variable whose curve does not exist
// (a percentage the chart lacks) keeps the value the caller gave it.
void LookupWallAngles(float epsilon, float lengthPercent, float& thetaN, float& thetaS);

}  // namespace bellnozzle

// Where the design chart's angles still make a nozzle. The chart is digitised
// for epsilon 5 to 50; beyond that its splines are extrapolated, which gives
// usable angles a little way out and then nonsense (a negative exit angle, a
// wall that folds back through the throat). A design from the chart is let
// through with a note while the contour is still a nozzle, and refused with
// one line pointing to the methods that design at any area ratio otherwise.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/contour.h"

namespace bellnozzle {

inline constexpr float kChartEpsilonMin = 5.0f;
inline constexpr float kChartEpsilonMax = 50.0f;

struct DesignNote {
    std::string english;
    std::string portuguese;
};

// True for an epsilon the chart's curves span (5 to 50, both included).
bool IsChartEpsilon(float epsilon);

// The note a design off the chart carries; none on the chart.
std::optional<DesignNote> ChartExtrapolationNote(float epsilon);

// Throws Error unless the angles read off the chart make a nozzle: theta_n
// between 0 and 90 degrees, theta_s from 0 up to below theta_n and, off the
// chart, x growing along the whole wall and the radius growing from the
// throat to the exit.
void RequireChartNozzle(const ContourInput& in);

// The wall test alone, for any contour in file order: x strictly growing,
// and from the throat (the smallest radius) on, the radius never falling.
// None when the wall is sound, else what is wrong with it.
std::optional<DesignNote> WallShapeFault(const std::vector<ContourPoint>& points);

}  // namespace bellnozzle

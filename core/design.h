// The design run shared by the "Cálculo" button and the headless command:
// look the wall angles up, then write the profile file.
#pragma once

#include <string>
#include <vector>

#include "core/chart_range.h"

namespace bellnozzle {

struct DesignResult {
    float Rt;
    float thetaN;
    float thetaS;
    std::vector<DesignNote> notes;  // what the user should read beside the design (extrapolated angles)
};

// "%g" of a single-precision value, as the window shows the angles.
std::string FormatAngle(float degrees);

// Throws Error unless the length matches a curve of the design chart.
void RequireChartLengthPercent(float lengthPercent);

// diameter, lengthPercent and epsilon as the entries convert them. Throws
// Error when the length matches no chart curve, or the chart's angles make no
// nozzle (far off the chart), or the design is refused, or the file cannot be
// written; nothing is written then. Angles extrapolated off the chart that
// still make a nozzle come with a note.
DesignResult RunDesign(float diameter, float lengthPercent, float epsilon,
                       const std::string& profilePath);

}  // namespace bellnozzle

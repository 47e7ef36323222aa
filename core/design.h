// The design run shared by the "Cálculo" button and the headless command:
// look the wall angles up, then write the profile file.
#pragma once

#include <string>

namespace bellnozzle {

struct DesignResult {
    float Rt;
    float thetaN;
    float thetaS;
};

// "%g" of a single-precision value, as the window shows the angles.
std::string FormatAngle(float degrees);

// Throws Error unless the length matches a curve of the design chart.
void RequireChartLengthPercent(float lengthPercent);

// diameter, lengthPercent and epsilon as the entries convert them. Throws
// Error when the length matches no chart curve, or the design is refused, or
// the file cannot be written; nothing is written then.
DesignResult RunDesign(float diameter, float lengthPercent, float epsilon,
                       const std::string& profilePath);

}  // namespace bellnozzle

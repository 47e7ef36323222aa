// What the design tests share: a design through the one design call, read
// back as every reader of the profile file reads it.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "characteristics/contour_methods.h"
#include "core/contour.h"
#include "core/profile_reader.h"

namespace bellnozzle::moc::testing {

inline DesignRequest Request(ContourMethod method, float diameter, float epsilon, float lengthPercent,
                             double gamma) {
    DesignRequest request;
    request.method = method;
    request.diameter = diameter;
    request.epsilon = epsilon;
    request.lengthPercent = lengthPercent;
    request.gamma = gamma;
    return request;
}

inline std::vector<ContourPoint> PointsOf(const std::string& profileText) {
    const ProfileTable table = ParseProfileText(profileText, "test");
    std::vector<ContourPoint> points;
    for (int i = 1; i <= table.Count; ++i) points.push_back({table.X[std::size_t(i)], table.Y[std::size_t(i)]});
    return points;
}

// A header value of the profile text ("lengf=16.5344 cm" gives 16.5344).
inline double HeaderValue(const std::string& profileText, const std::string& key) {
    const std::size_t at = profileText.find("\n" + key + "=");
    return at == std::string::npos ? NAN : std::stod(profileText.substr(at + key.size() + 2));
}

// The isentropic area ratio A/A* of Mach M, written out here from the 1-D
// relation rather than taken from the library under test.
inline double IsentropicAreaRatio(double mach, double gamma) {
    return std::pow((2.0 / (gamma + 1.0)) * (1.0 + 0.5 * (gamma - 1.0) * mach * mach),
                    (gamma + 1.0) / (2.0 * (gamma - 1.0))) /
           mach;
}

}  // namespace bellnozzle::moc::testing

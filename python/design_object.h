// A design held in memory for Python: the whole profile file's text as the
// design command would write it, and the table the exports read from it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "characteristics/contour_methods.h"
#include "core/profile_reader.h"

namespace bellnozzle::python {

struct DesignObject {
    // Empty for a profile read from a file: its method is not recorded there.
    std::optional<moc::ContourMethod> method;
    float diameter = 0, lengthPercent = 0, epsilon = 0;  // as requested
    double gamma = 0;
    float thetaN = 0, thetaS = 0;
    std::vector<std::string> notes;
    std::string profileText;
    // How messages name the profile: the file's name for a design, the path
    // for a file read.
    std::string name;
    ProfileTable table;
};

// Every contour method, in the order the design command names them.
inline constexpr moc::ContourMethod kContourMethods[] = {moc::ContourMethod::Chart, moc::ContourMethod::Parabola,
                                                         moc::ContourMethod::Toc,   moc::ContourMethod::Ideal,
                                                         moc::ContourMethod::Tic,   moc::ContourMethod::Cone};

// Throws Error as the design command does for a refused design, and for a
// method name it does not know.
DesignObject MakeDesign(double diameter, double lengthPercent, double epsilon, const std::string& method,
                        double gamma);

// Throws Error as the exports do for a missing or unusable profile file.
DesignObject LoadProfile(const std::string& path);

// Throws Error, as the analyze command refuses its option, unless count is 0
// (the analysis' own default) or within the analysis' range.
void RequireCharacteristics(int count);

// The x and y of every point line, in cm, as the file prints them (six
// significant digits), first to last.
std::vector<double> PointCoordinates(const DesignObject& design);

}  // namespace bellnozzle::python

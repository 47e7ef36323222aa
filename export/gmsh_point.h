// The point line both Gmsh scripts write: "Point(%d) = {%g, %g, %g, 1.0};\n",
// the fourth value being the mesh size at the point.
#pragma once

#include <string>

#include "export/number_text.h"

namespace bellnozzle {

inline void AppendGmshPoint(std::string& out, long long number, double x, double y, double z) {
    out += "Point(";
    AppendInt(out, number);
    out += ") = {";
    AppendG(out, x);
    out += ", ";
    AppendG(out, y);
    out += ", ";
    AppendG(out, z);
    out += ", 1.0};\n";
}

// "Point(%d) = {%g, 0, 0, 1.0};\n": a point on the nozzle axis.
inline void AppendGmshAxisPoint(std::string& out, long long number, double x) {
    out += "Point(";
    AppendInt(out, number);
    out += ") = {";
    AppendG(out, x);
    out += ", 0, 0, 1.0};\n";
}

}  // namespace bellnozzle

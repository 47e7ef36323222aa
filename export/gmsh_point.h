// The point line both Gmsh scripts write: "Point(%d) = {%g, %g, %g, 1.0};\n",
// the fourth value being the mesh size at the point.
#pragma once

#include <string>

#include "export/number_text.h"
#include "export/wedge_point.h"

namespace bellnozzle {

inline void AppendGmshPoint(std::string& out, long long number, const WedgePointText& point,
                            WedgeSide side) {
    out += "Point(";
    AppendInt(out, number);
    out += ") = {";
    point.Append(out, side, ", ");
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

// The Mach number of every cell of a finished run, with the cell's outline on
// the wedge's two side faces, for a picture of the flow.
#pragma once

#include <string>
#include <vector>

namespace bellnozzle {

struct PlanePoint {
    double x = 0;  // m, along the axis
    double r = 0;  // m, from the axis; negative on the minus side's half
};

struct MachField {
    double time = 0;  // s, of the field
    // One outline and value per side face: the plus side at r > 0 and the
    // minus side mirrored to r < 0, so the picture shows the whole section.
    std::vector<std::vector<PlanePoint>> outlines;
    std::vector<double> mach;
    double minMach = 0, maxMach = 0;
    double minX = 0, maxX = 0, maxR = 0;
};

// Reads constant/polyMesh and the Mach field of the latest time folder
// (ASCII, as the case writes them). Throws Error when the case holds no mesh
// or no Mach field (run it first) or a file cannot be parsed.
MachField ReadMachField(const std::string& caseDir);

}  // namespace bellnozzle

// The nozzle as a solid: the wall (and for the shell its outer wall) as
// B-splines through the points, the half-section they bound revolved about
// the axis. Nothing of OpenCASCADE shows in this header, so the callers build
// without it.
#pragma once

#include <array>
#include <string>

#include "export/cad_profile.h"
#include "export/triangle_mesh.h"

namespace bellnozzle {

struct SolidFacts {
    int solids = 0;        // solids in the shape
    bool valid = false;    // the shape passes OCCT's validity check
    double volumeMm3 = 0.0;
    std::array<double, 3> min{}, max{};  // bounding box, mm
};

// Writes the body as one closed solid to a STEP file (AP214) in the chosen
// unit, written whole or not at all. Returns the solid's facts, the volume
// integrated along the half-section's curves. Throws Error when the solid
// cannot be built or the file written.
SolidFacts WriteStepFile(const CadProfile& profile, LengthUnit unit, const std::string& path);

// Reads a STEP file back with OCCT's reader: how many solids, whether valid,
// their volume (OCCT's adaptive integration to 1e-9) and bounding box in
// millimetres. Throws Error when unreadable.
SolidFacts InspectStepFile(const std::string& path);

// The same solid as a closed triangle mesh (mm): the wall curves sampled
// finely enough along the axis and around it that the mesh's volume is
// within 0.02 % of the solid's, with rings shared between neighbouring faces.
TriangleMesh TessellateNozzle(const CadProfile& profile);

}  // namespace bellnozzle

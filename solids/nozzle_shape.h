// The OpenCASCADE side of the nozzle solid, shared by the STEP writer and the
// mesher; only files of this library include it.
#pragma once

#include <Geom_BSplineCurve.hxx>
#include <TopoDS_Solid.hxx>

#include <vector>

#include "export/cad_profile.h"

namespace bellnozzle {

// The curve pieces of one wall from the inlet to the exit in the plane z = 0
// (x along the axis, y the radius): one interpolating B-spline between each
// pair of corners.
std::vector<Handle(Geom_BSplineCurve)> WallPieces(const std::vector<CadPoint>& points,
                                                  const std::vector<std::size_t>& corners);

// The body revolved through a full turn about the x axis. Throws Error when
// OCCT cannot build it.
TopoDS_Solid BuildNozzleSolid(const CadProfile& profile);

// The body's volume, pi times the integral of r^2 dx round the half-section's
// curves (the outer wall less the wall, or the wall alone for the flow),
// each B-spline span by Gauss-Legendre: exact to rounding, where OCCT's
// surface integration loses tenths of a per cent on walls of thousands of
// spans.
double CurveVolume(const CadProfile& profile);

// Silences OCCT's messages on standard output, once.
void QuietOcct();

}  // namespace bellnozzle

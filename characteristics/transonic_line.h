// The transonic throat: the flow just downstream of the sonic line from the
// throat's wall radius of curvature, the initial-value line the
// characteristic net starts from, and the discharge coefficient it implies.
//
// Axisymmetric: Hall's series (I. M. Hall, "Transonic flow in two-dimensional
// and axially-symmetric nozzles", Q. J. Mech. Appl. Math. 15 (1962) 487-508),
// to third order, expanded in 1/(R+1) instead of Hall's 1/R as Kliegel and
// Levine showed converges for the small radii of rocket throats (J. R.
// Kliegel, J. N. Levine, "Transonic flow in small throat radius of curvature
// nozzles", AIAA J. 7 (1969) 1375-1378); R is the wall radius of curvature
// over the throat radius. The discharge coefficient is theirs.
// Planar: Sauer's first-order solution (R. Sauer, "General characteristics of
// the flow through nozzles at near critical speeds", NACA TM 1147, 1947).
#pragma once

#include <vector>

#include "characteristics/unit_processes.h"

namespace bellnozzle::moc {

// Kliegel-Levine: Cd = 1 - (g+1)/(R+1)^2 [1/96 - (8g-27)/(2304 (R+1))
//                      + (754g^2 - 757g + 3633)/(276480 (R+1)^2)].
// Axisymmetric throats only.
double KliegelLevineDischargeCoefficient(double curvatureRadius, double gamma);

// Velocity over the critical speed a*, axial (u) and radial (v), at (x, r)
// in throat radii from the geometric throat, for a throat wall of radius of
// curvature `curvatureRadius` (throat radii).
struct TransonicVelocity {
    double u = 1, v = 0;
};
TransonicVelocity ThroatVelocity(double x, double r, double curvatureRadius, const Gas& gas);

// Mach number from the speed over a*.
double MachFromCriticalSpeedRatio(double w, double gamma);

// The initial-value line, in throat radii: the right-running characteristic
// of the throat flow from the wall at the geometric throat (0, 1) down to the
// axis, sampled at `intervals` equal steps of r and ordered from the wall
// (index 0) to the axis (index intervals). Being a characteristic, it is
// supersonic throughout (Mach about 1.08 at its slowest, 1.2 on the axis for
// a wall radius of 1.5) and the net marches from it exactly as from every
// later characteristic. Upstream of it the flow does not feel the wall
// downstream of the throat.
std::vector<FlowPoint> InitialValueLine(double curvatureRadius, const Gas& gas, int intervals);

}  // namespace bellnozzle::moc

// Mass flow and thrust through a surface of revolution (planar: a strip)
// traced by a line of net points, by the trapezoidal rule, and the 1-D
// reference figures they are compared with. Lengths in throat radii.
#pragma once

#include <vector>

#include "characteristics/unit_processes.h"

namespace bellnozzle::moc {

struct FluxIntegrals {
    double mass = 0;    // mass flow over rho0 a0 At
    double thrust = 0;  // axial momentum and pressure (p, not p - pa) over p0 At
};

// The flow through the line, in either direction of travel along it.
FluxIntegrals IntegrateAcross(const std::vector<FlowPoint>& line, const Gas& gas);

// The 1-D choked mass flow over rho0 a0 At: (2/(g+1))^((g+1)/(2(g-1))).
double ChokedMassFlux(double gamma);

// p/p0 at Mach mach.
double StaticPressureRatio(double mach, double gamma);

}  // namespace bellnozzle::moc

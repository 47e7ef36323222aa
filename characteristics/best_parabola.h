// The best parabola: the chart's construction (the throat arcs and the
// parabola from N to the exit, core/contour.h) with theta_n and theta_s
// chosen by the analysis for the largest vacuum thrust at the requested area
// ratio, length and gamma - the chart's approximation redone for any gas and
// any area ratio.
#pragma once

#include "core/contour.h"

namespace bellnozzle::moc {

struct BestParabola {
    float thetaN = 0, thetaS = 0;  // degrees
    double cfVacuum = 0;           // the analysis' at these angles
    int analyses = 0;              // walls analysed on the way
};

// Starts from the chart's angles (the nearest chart length and area ratio
// when the request is off the chart) and climbs by Nelder and Mead's simplex
// (J. A. Nelder, R. Mead, "A simplex method for function minimization",
// Computer Journal 7, 1965) on the analysis' vacuum thrust coefficient; an
// angle pair that makes no nozzle counts as no thrust. Throws Error when not
// even the start makes a nozzle.
BestParabola FindBestParabola(float Rt, float epsilon, float lengthPercent, double gamma);

}  // namespace bellnozzle::moc

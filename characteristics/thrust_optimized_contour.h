// Rao's thrust-optimised contour (G. V. R. Rao, "Exhaust nozzle contour for
// optimum thrust", Jet Propulsion 28 (1958) 377-382; the construction as in
// Zucrow and Hoffman, Gas Dynamics vol. 2, Wiley 1977, section 16.5):
//
// - the kernel: the ideal nozzle's, from the transonic line along the
//   downstream throat arc; A, the end of the arc, is the wall point of one of
//   its right-running characteristics AD0 (D0 on the axis);
// - the control surface DE: the left-running characteristic from a point D
//   of AD0 to the lip E along which Rao's conditions for the largest thrust
//   hold (for vacuum, the ambient pressure entering only at the lip):
//       V cos(theta - mu) / cos(mu) = constant,
//       r rho V^2 sin^2(theta) tan(mu) = constant,
//   both constants taken from the flow at D; E is where the mass flow across
//   DE equals the mass flow across AD0 between D and A;
// - the wall from A to E: the streamline through the region between AD and
//   DE (a characteristic initial-value problem, marched as the ideal
//   nozzle's turning region).
//
// The two free choices (which kernel characteristic, and D along it) are
// fixed by the requested lip: E at the requested length and at the radius of
// the requested area ratio. Rao closes the same problem by the lip
// condition, with the ambient pressure as the multiplier that sets the area
// ratio; prescribing both the length and the area ratio is the usual
// engineering form of his design. With D on the axis DE is the ideal
// nozzle's uniform exit characteristic, so the ideal nozzle is the longest
// contour of the family. Lengths in throat radii.
#pragma once

#include "characteristics/ideal_designs.h"
#include "characteristics/ideal_nozzle.h"

namespace bellnozzle::moc {

// The thrust-optimised wall from A to the lip at x = length with radius
// sqrt(epsilon). Throws Error when the length is not below the ideal
// nozzle's of epsilon, or too short for the throat arc to reach the area
// ratio.
DesignedWall DesignThrustOptimizedWall(double gamma, double epsilon, double length,
                                       int characteristics = kDesignCharacteristics);

}  // namespace bellnozzle::moc

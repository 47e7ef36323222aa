// Gas dynamics of a perfect gas that the characteristic net is built from:
// the Prandtl-Meyer function, its inverse and the Mach angle. Angles in
// radians, double precision throughout.
#pragma once

namespace bellnozzle::moc {

// nu(M) = sqrt((g+1)/(g-1)) atan(sqrt((g-1)/(g+1) (M^2-1))) - atan(sqrt(M^2-1)),
// the angle a sonic stream turns through to reach Mach M (Anderson, Modern
// Compressible Flow, eq. 4.44). 0 at Mach 1 and below.
double PrandtlMeyerAngle(double mach, double gamma);

// The largest turning angle, reached as M tends to infinity:
// (sqrt((g+1)/(g-1)) - 1) pi/2.
double MaxPrandtlMeyerAngle(double gamma);

// The supersonic Mach number whose Prandtl-Meyer angle is nu (0 <= nu <
// MaxPrandtlMeyerAngle), by Newton's method from machGuess (any value above 1;
// the Mach number of a neighbouring point converges in two or three steps).
// NaN for nu outside that range or a gamma not above 1.
double MachFromPrandtlMeyer(double nu, double gamma, double machGuess = 2.0);

// mu = asin(1/M), for M at least 1.
double MachAngle(double mach);

}  // namespace bellnozzle::moc

// One-dimensional isentropic flow of a perfect gas: the figures an engineer
// checks a nozzle against before trusting a CFD run or a test firing. All in
// double precision; gamma is the ratio of specific heats (above 1).
#pragma once

namespace bellnozzle {

inline constexpr double kUniversalGasConstant = 8.314462618;  // J/(mol K)

// A/A* at Mach number mach.
double AreaRatioAtMach(double mach, double gamma);

// The Mach number at which A/A* equals areaRatio (at least 1): the supersonic
// branch unless supersonic is false. An area ratio of 1 gives Mach 1. NaN
// when there is no answer: an area ratio below 1, a gamma not above 1, or an
// area ratio beyond Mach 1e6 or beyond what double precision can resolve.
double MachAtAreaRatio(double areaRatio, double gamma, bool supersonic = true);

double PressureRatioAtMach(double mach, double gamma);     // p/p0
double TemperatureRatioAtMach(double mach, double gamma);  // T/T0
double DensityRatioAtMach(double mach, double gamma);      // rho/rho0

// Choked mass flow in kg/s through throatArea (m^2) from the chamber's total
// pressure p0 (Pa) and temperature T0 (K), gasConstant the specific gas
// constant (J/(kg K)).
double ChokedMassFlow(double throatArea, double p0, double T0, double gamma, double gasConstant);

// Ideal thrust coefficient F/(p0 At) of a nozzle of area ratio areaRatio
// running full on its supersonic solution, at the ambient pressure ratio
// pa/p0 (0 in vacuum): the momentum term plus (pe/p0 - pa/p0) * areaRatio.
double IdealThrustCoefficient(double areaRatio, double gamma, double ambientPressureRatio);

// Flow speed (m/s) after the isentropic expansion from T0 (K) to Mach mach.
double VelocityAtMach(double mach, double gamma, double gasConstant, double T0);

}  // namespace bellnozzle

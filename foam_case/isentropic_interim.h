// Stand-in until the core's isentropic relations are merged.
#pragma once
#include <cmath>
namespace bellnozzle {
inline double AreaRatioAtMach(double m, double g) {
    return std::pow((2 / (g + 1)) * (1 + (g - 1) / 2 * m * m), (g + 1) / (2 * (g - 1))) / m;
}
inline double MachAtAreaRatio(double a, double g, bool sup = true) {
    double lo = sup ? 1 : 1e-9, hi = sup ? 100 : 1;
    for (int i = 0; i < 200; ++i) {
        double mid = (lo + hi) / 2;
        bool above = AreaRatioAtMach(mid, g) > a;
        if (sup ? above : !above) hi = mid; else lo = mid;
    }
    return (lo + hi) / 2;
}
inline double TemperatureRatioAtMach(double m, double g) { return 1 / (1 + (g - 1) / 2 * m * m); }
inline double PressureRatioAtMach(double m, double g) { return std::pow(TemperatureRatioAtMach(m, g), g / (g - 1)); }
inline double ChokedMassFlow(double a, double p0, double T0, double g, double R) {
    return a * p0 * std::sqrt(g / (R * T0)) * std::pow(2 / (g + 1), (g + 1) / (2 * (g - 1)));
}
inline double VelocityAtMach(double m, double g, double R, double T0) {
    return m * std::sqrt(g * R * T0 * TemperatureRatioAtMach(m, g));
}
inline double IdealThrustCoefficient(double eps, double g, double pa) {
    double m = MachAtAreaRatio(eps, g), pe = PressureRatioAtMach(m, g);
    return std::sqrt(2 * g * g / (g - 1) * std::pow(2 / (g + 1), (g + 1) / (g - 1)) * (1 - std::pow(pe, (g - 1) / g))) + (pe - pa) * eps;
}
}

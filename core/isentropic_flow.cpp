#include "core/isentropic_flow.h"

#include <cmath>

namespace bellnozzle {

double AreaRatioAtMach(double mach, double gamma) {
    const double g1 = gamma - 1.0;
    const double base = (2.0 / (gamma + 1.0)) * (1.0 + 0.5 * g1 * mach * mach);
    return std::pow(base, (gamma + 1.0) / (2.0 * g1)) / mach;
}

double MachAtAreaRatio(double areaRatio, double gamma, bool supersonic) {
    if (!(gamma > 1.0) || !std::isfinite(gamma) || std::isnan(areaRatio)) return std::nan("");
    if (!(areaRatio > 1.0)) return areaRatio == 1.0 ? 1.0 : std::nan("");
    // A/A* falls monotonically towards Mach 1 on either branch, so bisection
    // on the branch's bracket always converges; Newton would need a good
    // start near Mach 1, where the slope vanishes.
    double low = supersonic ? 1.0 : 1e-12;
    double high = 1.0;
    if (supersonic) {
        high = 2.0;
        while (AreaRatioAtMach(high, gamma) < areaRatio && high < 1e6) high *= 2.0;
        // An area ratio no Mach number below a million reaches (or a gamma
        // so close to 1 that A/A* overflows) has no answer worth giving.
        if (!(AreaRatioAtMach(high, gamma) >= areaRatio)) return std::nan("");
    }
    for (int i = 0; i < 200 && high - low > 1e-15 * high; ++i) {
        const double mid = 0.5 * (low + high);
        const bool belowTarget = AreaRatioAtMach(mid, gamma) < areaRatio;
        // Supersonic: A/A* grows with Mach; subsonic: it shrinks.
        if (belowTarget == supersonic) {
            low = mid;
        } else {
            high = mid;
        }
    }
    const double mach = 0.5 * (low + high);
    // Where A/A* loses its precision (gamma within rounding of 1) the
    // bisection ends on a wrong number: say there is no answer instead.
    if (!(std::abs(AreaRatioAtMach(mach, gamma) - areaRatio) <= 1e-6 * areaRatio)) return std::nan("");
    return mach;
}

double TemperatureRatioAtMach(double mach, double gamma) {
    return 1.0 / (1.0 + 0.5 * (gamma - 1.0) * mach * mach);
}

double PressureRatioAtMach(double mach, double gamma) {
    return std::pow(TemperatureRatioAtMach(mach, gamma), gamma / (gamma - 1.0));
}

double DensityRatioAtMach(double mach, double gamma) {
    return std::pow(TemperatureRatioAtMach(mach, gamma), 1.0 / (gamma - 1.0));
}

double ChokedMassFlow(double throatArea, double p0, double T0, double gamma, double gasConstant) {
    const double flowFunction =
        std::sqrt(gamma / gasConstant) * std::pow(2.0 / (gamma + 1.0), (gamma + 1.0) / (2.0 * (gamma - 1.0)));
    return throatArea * p0 / std::sqrt(T0) * flowFunction;
}

double IdealThrustCoefficient(double areaRatio, double gamma, double ambientPressureRatio) {
    const double exitPressureRatio = PressureRatioAtMach(MachAtAreaRatio(areaRatio, gamma), gamma);
    const double momentum =
        std::sqrt(2.0 * gamma * gamma / (gamma - 1.0) *
                  std::pow(2.0 / (gamma + 1.0), (gamma + 1.0) / (gamma - 1.0)) *
                  (1.0 - std::pow(exitPressureRatio, (gamma - 1.0) / gamma)));
    return momentum + (exitPressureRatio - ambientPressureRatio) * areaRatio;
}

double VelocityAtMach(double mach, double gamma, double gasConstant, double T0) {
    const double T = T0 * TemperatureRatioAtMach(mach, gamma);
    return mach * std::sqrt(gamma * gasConstant * T);
}

}  // namespace bellnozzle

#include "characteristics/prandtl_meyer.h"

#include <cmath>
#include <limits>

namespace bellnozzle::moc {
namespace {

constexpr double kHalfPi = 1.5707963267948966;
// Newton stops once nu is matched to this (radians); far below what six-digit
// profile data can show.
constexpr double kNuTolerance = 1e-13;
constexpr int kMaxNewtonSteps = 60;

// dnu/dM = sqrt(M^2-1) / (M (1 + (g-1)/2 M^2)).
double PrandtlMeyerSlope(double mach, double gamma) {
    return std::sqrt(mach * mach - 1.0) / (mach * (1.0 + 0.5 * (gamma - 1.0) * mach * mach));
}

// Near Mach 1, with s = sqrt(M^2-1), nu = 2 s^3 / (3 (g+1)) + O(s^5): the
// start for small angles, where Newton's step from far away overshoots.
double SmallAngleGuess(double nu, double gamma) {
    const double s = std::cbrt(1.5 * (gamma + 1.0) * nu);
    return std::sqrt(1.0 + s * s);
}

}  // namespace

double PrandtlMeyerAngle(double mach, double gamma) {
    if (!(mach > 1.0)) return 0.0;
    const double k = std::sqrt((gamma + 1.0) / (gamma - 1.0));
    const double s = std::sqrt(mach * mach - 1.0);
    return k * std::atan(s / k) - std::atan(s);
}

double MaxPrandtlMeyerAngle(double gamma) {
    return (std::sqrt((gamma + 1.0) / (gamma - 1.0)) - 1.0) * kHalfPi;
}

double MachFromPrandtlMeyer(double nu, double gamma, double machGuess) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    if (!(gamma > 1.0) || !(nu >= 0.0) || !(nu < MaxPrandtlMeyerAngle(gamma))) return nan;
    if (nu == 0.0) return 1.0;
    double mach = (machGuess > 1.0 && std::isfinite(machGuess)) ? machGuess : SmallAngleGuess(nu, gamma);
    if (nu < 0.05) mach = SmallAngleGuess(nu, gamma);
    for (int step = 0; step < kMaxNewtonSteps; ++step) {
        const double error = PrandtlMeyerAngle(mach, gamma) - nu;
        if (std::fabs(error) < kNuTolerance) return mach;
        double next = mach - error / PrandtlMeyerSlope(mach, gamma);
        // A step that would leave the supersonic branch goes halfway to Mach 1.
        if (!(next > 1.0)) next = 0.5 * (mach + 1.0);
        mach = next;
    }
    return mach;
}

double MachAngle(double mach) { return std::asin(1.0 / mach); }

}  // namespace bellnozzle::moc

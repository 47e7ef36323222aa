#include "characteristics/transonic_line.h"

#include <algorithm>
#include <cmath>

namespace bellnozzle::moc {
namespace {

// Hall's axisymmetric series, u = 1 + u1/R + u2/R^2 + u3/R^3 and
// v = sqrt((g+1)/(2R)) (v1/R + v2/R^2 + v3/R^3), in r and the stretched
// axial coordinate z = x sqrt(2R/(g+1)).
TransonicVelocity HallAxisymmetric(double x, double r, double R, double g) {
    const double z = x * std::sqrt(2.0 * R / (g + 1.0));
    const double g2 = g * g;
    const double r2 = r * r, r3 = r2 * r, r4 = r2 * r2, r5 = r4 * r, r6 = r4 * r2, r7 = r6 * r;
    const double z2 = z * z, z3 = z2 * z;

    const double u1 = 0.5 * r2 - 0.25 + z;
    const double v1 = 0.25 * r3 - 0.25 * r + r * z;

    const double u2 = (2 * g + 9) / 24.0 * r4 - (4 * g + 15) / 24.0 * r2 + (10 * g + 57) / 288.0 +
                      z * (r2 - 5.0 / 8.0) - (2 * g - 3) / 6.0 * z2;
    const double v2 = (g + 3) / 9.0 * r5 - (20 * g + 63) / 96.0 * r3 + (28 * g + 93) / 288.0 * r +
                      z * ((2 * g + 9) / 6.0 * r3 - (4 * g + 15) / 12.0 * r) + r * z2;

    const double u3 = (556 * g2 + 1737 * g + 3069) / 10368.0 * r6 - (388 * g2 + 1161 * g + 1881) / 2304.0 * r4 +
                      (304 * g2 + 831 * g + 1242) / 1728.0 * r2 - (2708 * g2 + 7839 * g + 14211) / 82944.0 +
                      z * ((52 * g2 + 51 * g + 327) / 384.0 * r4 - (52 * g2 + 75 * g + 279) / 192.0 * r2 +
                           (92 * g2 + 180 * g + 639) / 1152.0) +
                      z2 * (-(7 * g - 3) / 8.0 * r2 + (13 * g - 27) / 48.0) + (4 * g2 - 57 * g + 27) / 144.0 * z3;
    const double v3 = (6836 * g2 + 23031 * g + 30627) / 82944.0 * r7 -
                      (3380 * g2 + 11391 * g + 15291) / 13824.0 * r5 +
                      (3424 * g2 + 11271 * g + 15228) / 13824.0 * r3 -
                      (7100 * g2 + 22311 * g + 30249) / 82944.0 * r +
                      z * ((556 * g2 + 1737 * g + 3069) / 1728.0 * r5 - (388 * g2 + 1161 * g + 1881) / 576.0 * r3 +
                           (304 * g2 + 831 * g + 1242) / 864.0 * r) +
                      z2 * ((52 * g2 + 51 * g + 327) / 192.0 * r3 - (52 * g2 + 75 * g + 279) / 192.0 * r) -
                      z3 * (7 * g - 3) / 12.0 * r;

    const double e = 1.0 / R;
    TransonicVelocity out;
    out.u = 1.0 + e * (u1 + e * (u2 + e * u3));
    out.v = std::sqrt((g + 1.0) / (2.0 * R)) * e * (v1 + e * (v2 + e * v3));
    return out;
}

// Sauer's planar solution: u = 1 + a x_s + (g+1) a^2 y^2 / 2,
// v = (g+1) a^2 x_s y + (g+1)^2 a^3 y^3 / 6, a = sqrt(1/((g+1) R)), x_s
// measured from the sonic point on the axis, which lies 1/(6 a R) downstream
// of the throat.
TransonicVelocity SauerPlanar(double x, double y, double R, double g) {
    const double a = std::sqrt(1.0 / ((g + 1.0) * R));
    const double xs = x - 1.0 / (6.0 * a * R);
    TransonicVelocity out;
    out.u = 1.0 + a * xs + (g + 1.0) * a * a * y * y / 2.0;
    out.v = (g + 1.0) * a * a * xs * y + (g + 1.0) * (g + 1.0) * a * a * a * y * y * y / 6.0;
    return out;
}

// The characteristic is integrated by the classical fourth-order
// Runge-Kutta method in r, with at least this many steps in all and this
// many per interval of the line.
constexpr int kMinIntegrationSteps = 512;
constexpr int kStepsPerInterval = 8;

// dx/dr along the right-running characteristic, dr/dx = tan(theta - mu).
double CharacteristicSlope(double x, double r, double curvatureRadius, const Gas& gas) {
    const TransonicVelocity w = ThroatVelocity(x, r, curvatureRadius, gas);
    const double mach = MachFromCriticalSpeedRatio(std::hypot(w.u, w.v), gas.gamma);
    return 1.0 / std::tan(std::atan2(w.v, w.u) - std::asin(1.0 / mach));
}

}  // namespace

double KliegelLevineDischargeCoefficient(double curvatureRadius, double gamma) {
    const double g = gamma;
    const double s = curvatureRadius + 1.0;
    const double bracket = 1.0 / 96.0 - (8.0 * g - 27.0) / (2304.0 * s) +
                           (754.0 * g * g - 757.0 * g + 3633.0) / (276480.0 * s * s);
    return 1.0 - (g + 1.0) / (s * s) * bracket;
}

TransonicVelocity ThroatVelocity(double x, double r, double curvatureRadius, const Gas& gas) {
    if (gas.planar) return SauerPlanar(x, r, curvatureRadius, gas.gamma);
    return HallAxisymmetric(x, r, curvatureRadius + 1.0, gas.gamma);
}

double MachFromCriticalSpeedRatio(double w, double gamma) {
    // T/T0 = 1 - (g-1)/(g+1) w^2 and M^2 = 2/(g+1) w^2 / (T/T0).
    const double t = 1.0 - (gamma - 1.0) / (gamma + 1.0) * w * w;
    return std::sqrt(2.0 / (gamma + 1.0) * w * w / t);
}

std::vector<FlowPoint> InitialValueLine(double curvatureRadius, const Gas& gas, int intervals) {
    const int perInterval = std::max(kStepsPerInterval, (kMinIntegrationSteps + intervals - 1) / intervals);
    const double h = -1.0 / (double(intervals) * perInterval);
    const auto slope = [&](double x, double r) { return CharacteristicSlope(x, r, curvatureRadius, gas); };
    const auto pointAt = [&](double x, double r, bool onAxis) {
        const TransonicVelocity w = ThroatVelocity(x, r, curvatureRadius, gas);
        const double theta = onAxis ? 0.0 : std::atan2(w.v, w.u);
        return MakeFlowPoint(x, r, theta, MachFromCriticalSpeedRatio(std::hypot(w.u, w.v), gas.gamma), gas.gamma);
    };

    std::vector<FlowPoint> line;
    line.reserve(static_cast<std::size_t>(intervals) + 1);
    double x = 0.0;
    line.push_back(pointAt(0.0, 1.0, false));
    for (int j = 1; j <= intervals; ++j) {
        for (int step = 0; step < perInterval; ++step) {
            const double r = 1.0 - (double((j - 1) * perInterval + step)) / (double(intervals) * perInterval);
            const double k1 = slope(x, r);
            const double k2 = slope(x + 0.5 * h * k1, r + 0.5 * h);
            const double k3 = slope(x + 0.5 * h * k2, r + 0.5 * h);
            const double k4 = slope(x + h * k3, r + h);
            x += h * (k1 + 2 * k2 + 2 * k3 + k4) / 6.0;
        }
        const double r = j == intervals ? 0.0 : 1.0 - double(j) / intervals;
        line.push_back(pointAt(x, r, j == intervals));
    }
    return line;
}

}  // namespace bellnozzle::moc

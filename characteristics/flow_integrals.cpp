#include "characteristics/flow_integrals.h"

#include <cmath>

namespace bellnozzle::moc {
namespace {

constexpr double kPi = 3.141592653589793;

struct PointFlux {
    double mass, thrust;
};

// The fluxes through a surface element of meridian extent (dx, dr) at p: the
// normal is (dr, -dx); per unit of rho0 a0 and p0 (rho0 a0^2 = g p0).
PointFlux FluxAt(const FlowPoint& p, double dx, double dr, const Gas& gas) {
    const double g = gas.gamma;
    const double t = 1.0 / (1.0 + 0.5 * (g - 1.0) * p.mach * p.mach);
    const double rho = std::pow(t, 1.0 / (g - 1.0));
    const double pressure = rho * t;
    const double speed = p.mach * std::sqrt(t);
    const double normalSpeed = speed * (std::cos(p.theta) * dr - std::sin(p.theta) * dx);
    const double weight = gas.planar ? 1.0 : 2.0 * kPi * p.r;
    return {weight * rho * normalSpeed,
            weight * (g * rho * speed * std::cos(p.theta) * normalSpeed + pressure * dr)};
}

}  // namespace

FluxIntegrals IntegrateAcross(const std::vector<FlowPoint>& line, const Gas& gas) {
    FluxIntegrals sum;
    for (std::size_t i = 1; i < line.size(); ++i) {
        const FlowPoint& a = line[i - 1];
        const FlowPoint& b = line[i];
        const double dx = b.x - a.x, dr = b.r - a.r;
        const PointFlux fa = FluxAt(a, dx, dr, gas), fb = FluxAt(b, dx, dr, gas);
        sum.mass += 0.5 * (fa.mass + fb.mass);
        sum.thrust += 0.5 * (fa.thrust + fb.thrust);
    }
    if (sum.mass < 0) {
        sum.mass = -sum.mass;
        sum.thrust = -sum.thrust;
    }
    const double throatArea = gas.planar ? 1.0 : kPi;
    sum.mass /= throatArea;
    sum.thrust /= throatArea;
    return sum;
}

double ChokedMassFlux(double gamma) {
    return std::pow(2.0 / (gamma + 1.0), (gamma + 1.0) / (2.0 * (gamma - 1.0)));
}

double StaticPressureRatio(double mach, double gamma) {
    return std::pow(1.0 + 0.5 * (gamma - 1.0) * mach * mach, -gamma / (gamma - 1.0));
}

}  // namespace bellnozzle::moc

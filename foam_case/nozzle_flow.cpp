#include "foam_case/nozzle_flow.h"

#include <cmath>
#include <numbers>

#include "core/error.h"
#include "core/isentropic_flow.h"
#include "core/wedge.h"
#include "export/export_file.h"

namespace bellnozzle {

double NozzleMeasures::AreaRatio() const {
    return (exitRadius / throatRadius) * (exitRadius / throatRadius);
}

double NozzleMeasures::ThroatArea() const { return std::numbers::pi * throatRadius * throatRadius; }

double NozzleMeasures::WedgeToWhole() const { return std::numbers::pi / (wedgeSin * wedgeCos); }

NozzleMeasures MeasureNozzle(const ProfileTable& profile) {
    CheckProfileTable(profile);
    constexpr double kMetresPerCm = 0.01;
    const int n = profile.Count;
    NozzleMeasures nozzle;
    nozzle.inletX = profile.X[1] * kMetresPerCm;
    nozzle.exitX = profile.X[n] * kMetresPerCm;
    nozzle.inletRadius = profile.Y[1] * kMetresPerCm;
    nozzle.exitRadius = profile.Y[n] * kMetresPerCm;
    nozzle.throatRadius = nozzle.inletRadius;
    nozzle.throatX = nozzle.inletX;
    bool radiiPositive = true;
    for (int k = 1; k <= n; ++k) {
        const double y = profile.Y[k] * kMetresPerCm;
        radiiPositive = radiiPositive && y > 0;
        if (y < nozzle.throatRadius) {
            nozzle.throatRadius = y;
            nozzle.throatX = profile.X[k] * kMetresPerCm;
        }
    }
    if (n < 2 || !(nozzle.exitX > nozzle.inletX)) {
        throw Error("the profile's exit point does not lie downstream of its first point; a case needs a "
                    "contour from the inlet to the exit",
                    "o ponto de saída do perfil não está a jusante do primeiro ponto; o caso precisa de um "
                    "contorno da entrada até a saída");
    }
    if (!radiiPositive) {
        throw Error("the profile has a wall radius at or below 0; a case needs the wall off the axis",
                    "o perfil tem um raio de parede menor ou igual a 0; o caso precisa da parede fora do eixo");
    }
    const WedgeSinCos w = ComputeWedgeSinCos();
    nozzle.wedgeSin = w.s;
    nozzle.wedgeCos = w.c;
    return nozzle;
}

IsentropicPrediction PredictIsentropicFlow(const NozzleMeasures& nozzle, const GasConditions& gas) {
    const double g = gas.gamma;
    const double R = gas.GasConstant();
    IsentropicPrediction p;
    p.exitMach = MachAtAreaRatio(nozzle.AreaRatio(), g, true);
    const double inletRatio = (nozzle.inletRadius / nozzle.throatRadius) * (nozzle.inletRadius / nozzle.throatRadius);
    p.inletMach = MachAtAreaRatio(inletRatio, g, false);
    p.exitPressureRatio = PressureRatioAtMach(p.exitMach, g);
    p.exitTemperatureRatio = TemperatureRatioAtMach(p.exitMach, g);
    p.massFlow = ChokedMassFlow(nozzle.ThroatArea(), gas.chamberPressure, gas.chamberTemperature, g, R);
    p.exitVelocity = VelocityAtMach(p.exitMach, g, R, gas.chamberTemperature);
    p.thrustCoefficient = IdealThrustCoefficient(nozzle.AreaRatio(), g, 0.0);
    p.thrust = p.thrustCoefficient * gas.chamberPressure * nozzle.ThroatArea();
    p.chamberSoundSpeed = std::sqrt(g * R * gas.chamberTemperature);
    return p;
}

}  // namespace bellnozzle

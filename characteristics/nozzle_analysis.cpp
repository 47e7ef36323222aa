// The analysis of a contour: wall, transonic initial line, characteristic
// net, and the figures taken from it.
#include "characteristics/nozzle_analysis.h"

#include <algorithm>
#include <cmath>

#include "characteristics/characteristic_net.h"
#include "characteristics/flow_integrals.h"
#include "characteristics/separation.h"
#include "characteristics/transonic_line.h"
#include "characteristics/wall_contour.h"
#include "core/error.h"
#include "core/isentropic_flow.h"
#include "core/text_format.h"

namespace bellnozzle::moc {
namespace {

// Beyond these the options are no rocket nozzle's (a monatomic gas has
// 5/3; chamber pressures reach a few hundred bar).
constexpr double kMaxGamma = 2.0;
constexpr double kMaxChamberPressureBar = 10000.0;
constexpr double kNetGrowth = 2.5;
// The chart's bells balance mass to within 3.5 % (most within 0.5 %) and
// stay below the ideal nozzle; beyond these the net has broken down.
constexpr double kMaxMassImbalance = 0.05;
constexpr double kMaxEfficiency = 1.002;

[[noreturn]] void RefuseOption(const std::string& english, const std::string& portuguese) {
    throw Error("analysis refused: " + english, "análise recusada: " + portuguese);
}

void CheckOptions(const AnalysisOptions& o) {
    if (!std::isfinite(o.gamma) || !(o.gamma > 1.0) || o.gamma > kMaxGamma) {
        RefuseOption(Format("gamma must be a number above 1 and at most %g (got %g)", kMaxGamma, o.gamma),
                     Format("gamma deve ser um número maior que 1 e no máximo %g (valor %g)", kMaxGamma, o.gamma));
    }
    if (!std::isfinite(o.p0Bar) || !(o.p0Bar > 0.0) || o.p0Bar > kMaxChamberPressureBar) {
        RefuseOption(Format("the chamber pressure must be above 0 and at most %g bar (got %g)",
                            kMaxChamberPressureBar, o.p0Bar),
                     Format("a pressão da câmara deve ser maior que 0 e no máximo %g bar (valor %g)",
                            kMaxChamberPressureBar, o.p0Bar));
    }
    if (!std::isfinite(o.paBar) || !(o.paBar >= 0.0) || !(o.paBar < o.p0Bar)) {
        RefuseOption(Format("the ambient pressure must be at least 0 and below the chamber pressure (got %g bar)",
                            o.paBar),
                     Format("a pressão ambiente deve ser no mínimo 0 e menor que a da câmara (valor %g bar)",
                            o.paBar));
    }
    if (o.characteristics != 0 &&
        (o.characteristics < kMinCharacteristics || o.characteristics > kMaxCharacteristics)) {
        RefuseOption(Format("the number of characteristics must be from %d to %d (got %d)", kMinCharacteristics,
                            kMaxCharacteristics, o.characteristics),
                     Format("o número de características deve ir de %d a %d (valor %d)", kMinCharacteristics,
                            kMaxCharacteristics, o.characteristics));
    }
}

// The flow across the exit plane x = xe, from the axis to the lip: the axis
// at the plane, then where each characteristic that starts on the wall
// upstream of the lip and ends beyond the plane crosses it, in the order of
// the net, then the lip. In the order of the net, not sorted by r: where
// crossed characteristics fold the net over, the fold's part of the plane
// is traversed back and forth and counts once, as the mass between
// successive characteristics does.
std::vector<FlowPoint> ExitPlaneFlow(const CharacteristicNet& net, double xe, double gamma) {
    std::vector<FlowPoint> plane;
    const FlowPoint* axisBefore = nullptr;
    const FlowPoint* axisAfter = nullptr;
    for (const std::vector<FlowPoint>& line : net.lines) {
        for (std::size_t j = 1; j < line.size(); ++j) {
            const FlowPoint& a = line[j - 1];
            const FlowPoint& b = line[j];
            if (a.x <= xe && b.x > xe && b.r > 0.0) {
                plane.push_back(Interpolate(a, b, (xe - a.x) / (b.x - a.x), gamma));
                break;
            }
        }
        const FlowPoint& end = line.back();
        if (end.r != 0.0) continue;
        if (end.x <= xe) {
            axisBefore = &end;
        } else if (!axisAfter || end.x < axisAfter->x) {
            axisAfter = &end;
        }
    }
    plane.push_back(net.lines.back().front());
    FlowPoint axis = plane.front();
    if (axisBefore && axisAfter) {
        const double t = (xe - axisBefore->x) / std::max(1e-300, axisAfter->x - axisBefore->x);
        axis = Interpolate(*axisBefore, *axisAfter, t, gamma);
    } else if (axisBefore || axisAfter) {
        axis = axisBefore ? *axisBefore : *axisAfter;
    }
    axis.r = 0.0;
    axis.theta = 0.0;
    plane.insert(plane.begin(), axis);
    for (FlowPoint& p : plane) p.x = xe;
    return plane;
}

// Area average of the Mach number over the plane.
double MeanMach(const std::vector<FlowPoint>& plane, bool planar) {
    double integral = 0;
    for (std::size_t i = 1; i < plane.size(); ++i) {
        const FlowPoint& a = plane[i - 1];
        const FlowPoint& b = plane[i];
        integral += planar ? 0.5 * (a.mach + b.mach) * (b.r - a.r) : (a.mach * a.r + b.mach * b.r) * (b.r - a.r);
    }
    const double re = plane.back().r;
    return planar ? integral / re : integral / (re * re);  // (signed steps: a fold counts once)
}

// A fine net is sized first from a coarse one of the same wall and refused
// before it runs when it would outgrow kMaxNetPoints. Its points grow as the
// characteristics to a power between 1.9 and 2.4 (more where the fan at the
// throat and the crossings refine); the estimate takes kNetGrowth.
void RefuseNetTooLarge(const NozzleWall& wall, const Gas& gas, int characteristics) {
    if (characteristics <= 2 * kDefaultCharacteristics) return;
    const CharacteristicNet pilot =
        MarchNet(InitialValueLine(wall.curvatureRadius, gas, kDefaultCharacteristics), *wall.shape, gas);
    double points = 0;
    for (const std::vector<FlowPoint>& line : pilot.lines) points += double(line.size());
    const double ratio = double(characteristics) / kDefaultCharacteristics;
    const double estimate = points * std::pow(ratio, kNetGrowth);
    const int largest = static_cast<int>(kDefaultCharacteristics * std::pow(double(kMaxNetPoints) / points, 1.0 / kNetGrowth));
    if (estimate > double(kMaxNetPoints)) {
        throw Error(Format("analysis refused: %d characteristics would need about %.0f net points on this wall, "
                           "more than %zu (a few seconds); choose at most %d",
                           characteristics, estimate, kMaxNetPoints, largest),
                    Format("análise recusada: %d características precisariam de cerca de %.0f pontos de rede nesta "
                           "parede, mais que %zu (alguns segundos); escolha no máximo %d",
                           characteristics, estimate, kMaxNetPoints, largest));
    }
}

std::vector<NetPoint> InCm(const std::vector<FlowPoint>& line, const NozzleWall& wall) {
    std::vector<NetPoint> out;
    out.reserve(line.size());
    for (const FlowPoint& p : line) {
        out.push_back({wall.throatXCm + p.x * wall.throatRadiusCm, p.r * wall.throatRadiusCm, p.mach});
    }
    return out;
}

}  // namespace

AnalysisResult AnalyzeProfile(const ProfileTable& profile, const AnalysisOptions& options, const std::string& path) {
    CheckOptions(options);
    const NozzleWall wall = ReadNozzleWall(profile, path, options.splineWall);
    const Gas gas{options.gamma, options.planar};

    AnalysisResult result;
    result.options = options;
    if (result.options.characteristics == 0) result.options.characteristics = kDefaultCharacteristics;
    result.throatRadiusCm = wall.throatRadiusCm;
    result.exitRadiusCm = wall.exitRadiusCm;
    const double exitRadius = wall.exitRadiusCm / wall.throatRadiusCm;
    result.areaRatio = options.planar ? exitRadius : exitRadius * exitRadius;
    result.throatCurvatureRadiusCm = wall.curvatureRadius * wall.throatRadiusCm;
    result.wallFromHeader = wall.source == WallSource::HeaderGeometry;

    std::vector<FlowPoint> initialLine = InitialValueLine(wall.curvatureRadius, gas, result.options.characteristics);
    for (const FlowPoint& p : initialLine) {
        if (!std::isfinite(p.x) || !(p.mach > 1.0)) {
            throw Error(Format("profile \"%s\" cannot be analysed: its throat is too sharp for the transonic "
                               "solution (wall radius of curvature %g throat radii)",
                               path.c_str(), wall.curvatureRadius),
                        Format("o perfil \"%s\" não pode ser analisado: a garganta é aguda demais para a solução "
                               "transônica (raio de curvatura da parede %g raios da garganta)",
                               path.c_str(), wall.curvatureRadius));
        }
    }
    RefuseNetTooLarge(wall, gas, result.options.characteristics);
    const CharacteristicNet net = MarchNet(std::move(initialLine), *wall.shape, gas);
    const std::vector<FlowPoint> exitPlane = ExitPlaneFlow(net, wall.shape->XEnd(), options.gamma);
    const FluxIntegrals in = IntegrateAcross(net.lines.front(), gas);
    const FluxIntegrals out = IntegrateAcross(exitPlane, gas);
    result.massBalance = out.mass / in.mass - 1.0;

    // The efficiency is the thrust per unit mass flow of the net over the
    // ideal 1-D nozzle's, both through the same surface, so it does not
    // depend on how much mass the initial line carries; the discharge
    // coefficient then sets the mass flow.
    const double chokedFlux = ChokedMassFlux(options.gamma);
    result.dischargeCoefficient = options.planar ? in.mass / chokedFlux
                                                 : KliegelLevineDischargeCoefficient(wall.curvatureRadius, options.gamma);
    const double paOverP0 = options.paBar / options.p0Bar;
    result.cfVacuum1d = IdealThrustCoefficient(result.areaRatio, options.gamma, 0.0);
    result.cfAmbient1d = IdealThrustCoefficient(result.areaRatio, options.gamma, paOverP0);
    result.efficiency = (out.thrust / out.mass) / (result.cfVacuum1d / chokedFlux);
    result.cfVacuum = result.efficiency * result.dischargeCoefficient * result.cfVacuum1d;
    result.cfAmbient = result.cfVacuum - paOverP0 * result.areaRatio;

    result.exitMachMean = MeanMach(exitPlane, options.planar);
    result.exitMachAxis = exitPlane.front().mach;
    result.exitMachLip = exitPlane.back().mach;
    if (net.firstCrossing) {
        result.shock = ShockStart{wall.throatXCm + net.firstCrossing->x * wall.throatRadiusCm,
                                  net.firstCrossing->r * wall.throatRadiusCm};
    }

    std::vector<WallSample> samples;
    samples.reserve(net.lines.size());
    for (const std::vector<FlowPoint>& line : net.lines) {
        const FlowPoint& p = line.front();
        const double pRatio = StaticPressureRatio(p.mach, options.gamma);
        samples.push_back({p.x, p.r, p.mach, pRatio});
        result.wall.push_back(
            {wall.throatXCm + p.x * wall.throatRadiusCm, p.r * wall.throatRadiusCm, p.mach, pRatio});
    }
    const Separation separation =
        FindSeparation(samples, paOverP0, result.cfVacuum, result.cfVacuum / out.thrust, options.planar);
    const auto toCm = [&](std::optional<double> x) -> std::optional<double> {
        if (!x) return std::nullopt;
        return wall.throatXCm + *x * wall.throatRadiusCm;
    };
    result.separationXCm = toCm(separation.x);
    result.separationXCmSummerfield = toCm(separation.xSummerfield);
    result.cfAmbientSeparated = separation.cfAmbientSeparated;

    for (double figure : {result.efficiency, result.cfVacuum, result.cfAmbientSeparated, result.exitMachMean,
                          result.exitMachAxis, result.massBalance}) {
        if (!std::isfinite(figure)) {
            throw Error("profile \"" + path + "\" cannot be analysed: the characteristic net gives no finite figures",
                        "o perfil \"" + path + "\" não pode ser analisado: a rede de características não dá valores "
                        "finitos");
        }
    }
    // A net whose exit passes a mass far from the throat's has not held
    // together (walls that turn far more sharply than any bell): its figures
    // would be wrong, so none are given.
    if (std::fabs(result.massBalance) > kMaxMassImbalance || result.efficiency > kMaxEfficiency) {
        throw Error(Format("profile \"%s\" cannot be analysed: the characteristic net's mass flow at the exit is "
                           "%+.1f %% off the throat's; the wall turns too sharply for this analysis",
                           path.c_str(), 100.0 * result.massBalance),
                    Format("o perfil \"%s\" não pode ser analisado: a vazão da rede de características na saída "
                           "difere %+.1f %% da garganta; a parede se curva demais para esta análise",
                           path.c_str(), 100.0 * result.massBalance));
    }
    for (const std::vector<FlowPoint>& line : net.lines) result.netLines.push_back(InCm(line, wall));
    for (const std::vector<FlowPoint>& line : LeftRunningLines(net)) result.netLines.push_back(InCm(line, wall));
    return result;
}

}  // namespace bellnozzle::moc

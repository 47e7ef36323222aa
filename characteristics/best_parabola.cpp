#include "characteristics/best_parabola.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "characteristics/nozzle_analysis.h"
#include "core/chart_range.h"
#include "core/error.h"
#include "core/profile_reader.h"
#include "core/text_format.h"
#include "core/wall_angle_chart.h"

namespace bellnozzle::moc {
namespace {

// The simplex stops when its angles agree within this (degrees) or after
// this many analyses.
constexpr double kAngleTolerance = 0.02;
constexpr int kMaxAnalyses = 90;
// The analysis' exit mass flow over its initial line's, minus 1, beyond which
// its thrust is not trusted.
constexpr double kMaxMassBalance = 0.01;

struct Vertex {
    double thetaN, thetaS;
    double cf;  // -infinity for no nozzle
};

class Objective {
public:
    Objective(float Rt, float epsilon, float lengthPercent, double gamma)
        : Rt_(Rt), epsilon_(epsilon), lengthPercent_(lengthPercent) {
        options_.gamma = gamma;
        options_.paBar = 0.0;
    }

    double operator()(double thetaN, double thetaS) {
        ++count;
        if (!(thetaN > 0.0 && thetaN < 89.0 && thetaS >= 0.0 && thetaS < thetaN)) return -HUGE_VAL;
        try {
            const ContourInput input = Input(thetaN, thetaS);
            const std::vector<ContourPoint> points = ComputeContourPoints(input, ComputeContourGeometry(input));
            if (WallShapeFault(points)) return -HUGE_VAL;
            const ProfileTable table = ParseProfileText(FormatContourProfile(input), "parabola");
            const AnalysisResult result = AnalyzeProfile(table, options_, "parabola");
            // Where the net loses or gains mass (around a strong internal
            // shock) its thrust is no better than that; such a wall may
            // start the search but never wins it.
            if (count > 1 && !(std::fabs(result.massBalance) <= kMaxMassBalance)) return -HUGE_VAL;
            return result.cfVacuum;
        } catch (const Error&) {
            return -HUGE_VAL;
        }
    }

    ContourInput Input(double thetaN, double thetaS) const {
        return {Rt_, epsilon_, lengthPercent_, float(thetaN), float(thetaS), 20};
    }

    int count = 0;

private:
    float Rt_, epsilon_, lengthPercent_;
    AnalysisOptions options_;
};

// The chart's angles at the nearest point the chart covers.
void StartingAngles(float epsilon, float lengthPercent, float& thetaN, float& thetaS) {
    float nearest = kChartLengthPercents[0];
    for (const float length : kChartLengthPercents) {
        if (std::fabs(length - lengthPercent) < std::fabs(nearest - lengthPercent)) nearest = length;
    }
    LookupWallAngles(std::clamp(epsilon, kChartEpsilonMin, kChartEpsilonMax), nearest, thetaN, thetaS);
}

}  // namespace

BestParabola FindBestParabola(float Rt, float epsilon, float lengthPercent, double gamma) {
    Objective cf(Rt, epsilon, lengthPercent, gamma);
    float startN = 0, startS = 0;
    StartingAngles(epsilon, lengthPercent, startN, startS);
    std::array<Vertex, 3> simplex = {Vertex{startN, startS, cf(startN, startS)},
                                     Vertex{startN + 2.0, startS, cf(startN + 2.0, startS)},
                                     Vertex{startN, startS - 1.5, cf(startN, startS - 1.5)}};
    if (!std::isfinite(simplex[0].cf)) {
        throw Error(Format("no parabola of the chart's construction starts a nozzle at epsilon %g and %g %% "
                           "(theta_n %g, theta_s %g)",
                           double(epsilon), double(lengthPercent), double(startN), double(startS)),
                    Format("nenhuma parábola da construção do gráfico forma um bocal em epsilon %g e %g %% "
                           "(theta_n %g, theta_s %g)",
                           double(epsilon), double(lengthPercent), double(startN), double(startS)));
    }
    const auto byThrust = [](const Vertex& a, const Vertex& b) { return a.cf > b.cf; };
    while (cf.count < kMaxAnalyses) {
        std::sort(simplex.begin(), simplex.end(), byThrust);
        const Vertex &best = simplex[0], &worst = simplex[2];
        if (std::fabs(simplex[1].thetaN - best.thetaN) + std::fabs(simplex[1].thetaS - best.thetaS) +
                std::fabs(worst.thetaN - best.thetaN) + std::fabs(worst.thetaS - best.thetaS) <
            kAngleTolerance) {
            break;
        }
        const double cN = 0.5 * (best.thetaN + simplex[1].thetaN), cS = 0.5 * (best.thetaS + simplex[1].thetaS);
        const auto along = [&](double t) {
            const double n = cN + t * (worst.thetaN - cN), s = cS + t * (worst.thetaS - cS);
            return Vertex{n, s, cf(n, s)};
        };
        const Vertex reflected = along(-1.0);
        if (reflected.cf > best.cf) {
            const Vertex expanded = along(-2.0);
            simplex[2] = expanded.cf > reflected.cf ? expanded : reflected;
        } else if (reflected.cf > simplex[1].cf) {
            simplex[2] = reflected;
        } else {
            const Vertex contracted = along(reflected.cf > worst.cf ? -0.5 : 0.5);
            if (contracted.cf > std::max(worst.cf, reflected.cf)) {
                simplex[2] = contracted;
            } else {
                // Shrink towards the best.
                for (int i = 1; i < 3; ++i) {
                    const double n = 0.5 * (best.thetaN + simplex[i].thetaN);
                    const double s = 0.5 * (best.thetaS + simplex[i].thetaS);
                    simplex[i] = {n, s, cf(n, s)};
                }
            }
        }
    }
    std::sort(simplex.begin(), simplex.end(), byThrust);
    return {float(simplex[0].thetaN), float(simplex[0].thetaS), simplex[0].cf, cf.count};
}

}  // namespace bellnozzle::moc

#include "core/chart_range.h"

#include <cmath>

#include "core/contour_pieces.h"
#include "core/error.h"
#include "core/text_format.h"

namespace bellnozzle {
namespace {

// A fall of the radius by less than this share of the exit radius is
// single-precision rounding, not a hook.
constexpr double kRadiusNoise = 1e-5;

[[noreturn]] void RefuseChartDesign(const ContourInput& in, const std::string& why,
                                    const std::string& porque) {
    throw Error(Format("the design chart's angles at epsilon %g and %g %% (theta_n = %g, theta_s = %g degrees) "
                       "make no nozzle: %s; the chart covers epsilon 5 to 50; use --method parabola or "
                       "--method toc, which design at any area ratio",
                       double(in.epsilon), double(in.lengthPercent), double(in.thetaN), double(in.thetaS),
                       why.c_str()),
                Format("os ângulos do gráfico de projeto em epsilon %g e %g %% (theta_n = %g, theta_s = %g "
                       "graus) não formam um bocal: %s; o gráfico cobre epsilon de 5 a 50; escolha \"Melhor "
                       "parábola\" ou \"TOC\" em Projeto > Método do contorno, que projetam qualquer razão de "
                       "áreas",
                       double(in.epsilon), double(in.lengthPercent), double(in.thetaN), double(in.thetaS),
                       porque.c_str()));
}

}  // namespace

bool IsChartEpsilon(float epsilon) { return epsilon >= kChartEpsilonMin && epsilon <= kChartEpsilonMax; }

std::optional<DesignNote> ChartExtrapolationNote(float epsilon) {
    if (IsChartEpsilon(epsilon)) return std::nullopt;
    return DesignNote{
        Format("epsilon %g lies outside the design chart (5 to 50): theta_n and theta_s are extrapolated; "
               "--method parabola or --method toc design this area ratio from the gas itself",
               double(epsilon)),
        Format("epsilon %g está fora do gráfico de projeto (5 a 50): theta_n e theta_s são extrapolados; "
               "\"Melhor parábola\" ou \"TOC\" em Projeto > Método do contorno projetam esta razão de áreas "
               "a partir do próprio gás",
               double(epsilon))};
}

std::optional<DesignNote> WallShapeFault(const std::vector<ContourPoint>& points) {
    if (points.size() < 2) return DesignNote{"the wall has fewer than two points", "a parede tem menos de dois pontos"};
    std::size_t throat = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (!(points[i].x > points[i - 1].x)) {
            return DesignNote{Format("x does not grow along the wall (%g after %g cm)", double(points[i].x),
                                     double(points[i - 1].x)),
                              Format("x não cresce ao longo da parede (%g depois de %g cm)", double(points[i].x),
                                     double(points[i - 1].x))};
        }
        if (points[i].y < points[throat].y) throat = i;
    }
    // From the first point where the radius rises again (the throat a wall
    // passes first, even when a fold further down dips below it) the radius
    // must not fall.
    const double tolerance = kRadiusNoise * double(points.back().y);
    std::size_t first = 0;
    while (first + 1 < points.size() && !(double(points[first + 1].y) > double(points[first].y) + tolerance)) ++first;
    double highest = points[first].y;
    for (std::size_t i = first + 1; i < points.size(); ++i) {
        if (double(points[i].y) < highest - tolerance) {
            return DesignNote{
                Format("the wall radius falls from %g to %g cm at x = %g cm, downstream of the throat", highest,
                       double(points[i].y), double(points[i].x)),
                Format("o raio da parede cai de %g para %g cm em x = %g cm, depois da garganta", highest,
                       double(points[i].y), double(points[i].x))};
        }
        if (points[i].y > highest) highest = points[i].y;
    }
    if (!(points.back().y > points[throat].y)) {
        return DesignNote{"the exit radius is not above the throat radius",
                          "o raio de saída não é maior que o raio da garganta"};
    }
    return std::nullopt;
}

void RequireChartNozzle(const ContourInput& in) {
    // A throat, area ratio or angle that is no number at all keeps the
    // contour's own message.
    contour_pieces::CheckThroatAndAreaRatio(in.Rt, in.epsilon);
    if (!std::isfinite(in.thetaN) || !std::isfinite(in.thetaS)) ComputeContourGeometry(in);
    if (!(in.thetaN > 0.0f && in.thetaN < 90.0f)) {
        RefuseChartDesign(in, "theta_n must lie between 0 and 90 degrees",
                          "theta_n deve ficar entre 0 e 90 graus");
    }
    if (!(in.thetaS >= 0.0f)) {
        RefuseChartDesign(in, "theta_s must not be negative", "theta_s não pode ser negativo");
    }
    if (!(in.thetaS < in.thetaN)) {
        RefuseChartDesign(in, "theta_s must be below theta_n", "theta_s deve ser menor que theta_n");
    }
    // On the chart the angles are the chart's own and the file stays what it
    // has always been; the single-precision parabola there can dip by a few
    // thousandths of the throat near N where its coefficients are
    // ill-conditioned (epsilon about 6 at 80 %), which is not the fold of an
    // extrapolated angle pair.
    if (IsChartEpsilon(in.epsilon)) return;
    const auto fault = WallShapeFault(ComputeContourPoints(in, ComputeContourGeometry(in)));
    if (fault) RefuseChartDesign(in, fault->english, fault->portuguese);
}

}  // namespace bellnozzle

// The 1-D relations against published isentropic tables (gamma 1.4) and the
// closed forms of choked flow and of the ideal thrust coefficient.
#include <gtest/gtest.h>

#include <cmath>

#include "core/isentropic_flow.h"

namespace bellnozzle {
namespace {

TEST(IsentropicFlow, MatchesTheTablesAtGamma14) {
    // Mach, A/A*, p/p0, T/T0, rho/rho0 as the tables print them.
    const struct {
        double mach, area, pressure, temperature, density;
    } rows[] = {
        {0.5, 1.3398, 0.84302, 0.95238, 0.88517},
        {1.0, 1.0000, 0.52828, 0.83333, 0.63394},
        {2.0, 1.6875, 0.12780, 0.55556, 0.23005},
        {3.0, 4.2346, 0.027224, 0.35714, 0.076226},
        {5.0, 25.000, 0.0018900, 0.16667, 0.011340},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.mach);
        EXPECT_NEAR(AreaRatioAtMach(row.mach, 1.4), row.area, 5e-5 * row.area);
        EXPECT_NEAR(PressureRatioAtMach(row.mach, 1.4), row.pressure, 5e-5 * row.pressure);
        EXPECT_NEAR(TemperatureRatioAtMach(row.mach, 1.4), row.temperature, 5e-5);
        EXPECT_NEAR(DensityRatioAtMach(row.mach, 1.4), row.density, 5e-5 * row.density);
    }
}

TEST(IsentropicFlow, MachOfAnAreaRatioOnBothBranches) {
    EXPECT_NEAR(MachAtAreaRatio(1.6875, 1.4), 2.0, 1e-9);
    EXPECT_NEAR(MachAtAreaRatio(1.3398, 1.4, false), 0.5, 1e-4);
    EXPECT_NEAR(MachAtAreaRatio(25.0, 1.4), 5.0, 1e-9);
    EXPECT_DOUBLE_EQ(MachAtAreaRatio(1.0, 1.4), 1.0);
    // The inverse holds on both branches, over the chart and far past it,
    // and for gases other than air.
    for (double gamma : {1.13, 1.2, 1.4, 1.67}) {
        for (double area : {1.0001, 1.5, 5.0, 10.0, 50.0, 400.0, 1e5}) {
            EXPECT_NEAR(AreaRatioAtMach(MachAtAreaRatio(area, gamma), gamma), area, 1e-9 * area);
            EXPECT_NEAR(AreaRatioAtMach(MachAtAreaRatio(area, gamma, false), gamma), area, 1e-9 * area);
        }
    }
    EXPECT_TRUE(std::isnan(MachAtAreaRatio(0.5, 1.4)));
    // No silent wrong answers where the search or the precision gives out.
    EXPECT_TRUE(std::isnan(MachAtAreaRatio(1e300, 1.4)));
    EXPECT_TRUE(std::isnan(MachAtAreaRatio(10, 1.0)));
    EXPECT_TRUE(std::isnan(MachAtAreaRatio(10, 1.0 + 2e-16)));
    EXPECT_TRUE(std::isnan(MachAtAreaRatio(10, std::nan(""))));
}

TEST(IsentropicFlow, ChokedMassFlowOfAirThroughASquareMetre) {
    // m = A p0 / sqrt(T0) * sqrt(gamma / R) * (2 / (gamma + 1))^3 at gamma 1.4:
    // 0.040418 sqrt(kg K / J) for air with R 287.
    EXPECT_NEAR(ChokedMassFlow(1.0, 101325.0, 288.15, 1.4, 287.0), 241.25, 0.05);
    // Linear in area and pressure, falls with the root of temperature.
    const double base = ChokedMassFlow(1e-3, 2e6, 3000, 1.4, 287.05);
    EXPECT_NEAR(ChokedMassFlow(2e-3, 2e6, 3000, 1.4, 287.05), 2 * base, 1e-12);
    EXPECT_NEAR(ChokedMassFlow(1e-3, 2e6, 12000, 1.4, 287.05), base / 2, 1e-12);
}

TEST(IsentropicFlow, IdealThrustCoefficient) {
    // Vacuum and sea-level values of the exact formula worked by hand for
    // gamma 1.4 and area ratio 10: pe/p0 = 0.0072246, momentum term 1.5747.
    EXPECT_NEAR(IdealThrustCoefficient(10, 1.4, 0), 1.6469, 5e-4);
    EXPECT_NEAR(IdealThrustCoefficient(10, 1.4, 1.01325 / 20), 1.6469 - 10 * 1.01325 / 20, 5e-4);
    // At the design point (pa = pe) the pressure term vanishes, and that is
    // the largest thrust coefficient for that ambient pressure.
    const double pe = PressureRatioAtMach(MachAtAreaRatio(10, 1.4), 1.4);
    const double optimum = IdealThrustCoefficient(10, 1.4, pe);
    EXPECT_GT(optimum, IdealThrustCoefficient(9, 1.4, pe));
    EXPECT_GT(optimum, IdealThrustCoefficient(11, 1.4, pe));
    // The sonic throat alone (area ratio 1) gives the textbook 1.2679 at
    // gamma 1.4 in vacuum.
    EXPECT_NEAR(IdealThrustCoefficient(1, 1.4, 0), 1.2679, 1e-4);
}

TEST(IsentropicFlow, ExitVelocity) {
    // Mach 2 at T0 300 K: T = 166.67 K, a = 258.8 m/s.
    EXPECT_NEAR(VelocityAtMach(2.0, 1.4, 287.0, 300.0), 517.5, 0.2);
}

}  // namespace
}  // namespace bellnozzle

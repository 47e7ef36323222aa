// The transonic throat: Kliegel and Levine's discharge coefficient, the
// series field it comes from, and the initial-value line drawn from it.
#include <gtest/gtest.h>

#include <cmath>

#include "characteristics/flow_integrals.h"
#include "characteristics/transonic_line.h"

namespace bellnozzle::moc {
namespace {

TEST(TransonicThroat, DischargeCoefficientMatchesKliegelLevine) {
    // Kliegel and Levine (1969) give Cd = 0.994 for a wall radius of 1.5
    // throat radii at gamma 1.4 (their Fig. 4). A sharper throat passes less
    // mass; a very gentle one tends to the 1-D flow.
    EXPECT_NEAR(KliegelLevineDischargeCoefficient(1.5, 1.4), 0.994, 0.0005);
    EXPECT_LT(KliegelLevineDischargeCoefficient(0.5, 1.4), KliegelLevineDischargeCoefficient(1.5, 1.4));
    EXPECT_NEAR(KliegelLevineDischargeCoefficient(1000.0, 1.4), 1.0, 1e-7);
}

std::vector<FlowPoint> ThroatPlane(double R, const Gas& gas, int n) {
    std::vector<FlowPoint> plane;
    for (int i = 0; i <= n; ++i) {
        const double r = double(i) / n;
        const TransonicVelocity w = ThroatVelocity(0.0, r, R, gas);
        plane.push_back(MakeFlowPoint(0.0, r, std::atan2(w.v, w.u),
                                      MachFromCriticalSpeedRatio(std::hypot(w.u, w.v), gas.gamma), gas.gamma));
    }
    return plane;
}

// The series must describe an irrotational flow (du/dr = dv/dx), axial on
// the wall at the throat, whose mass across the throat is close to the
// discharge coefficient derived from it.
TEST(TransonicThroat, SeriesFieldIsIrrotationalAndCarriesAboutCd) {
    const Gas gas{1.4, false};
    const double R = 1.5, h = 1e-5;
    for (double x : {-0.1, 0.0, 0.3}) {
        for (double r : {0.2, 0.6, 0.95}) {
            const double dudr = (ThroatVelocity(x, r + h, R, gas).u - ThroatVelocity(x, r - h, R, gas).u) / (2 * h);
            const double dvdx = (ThroatVelocity(x + h, r, R, gas).v - ThroatVelocity(x - h, r, R, gas).v) / (2 * h);
            EXPECT_NEAR(dudr, dvdx, 1e-8) << "x " << x << " r " << r;
        }
    }
    EXPECT_NEAR(ThroatVelocity(0.0, 1.0, R, gas).v, 0.0, 1e-12);
    // The truncated series carries 0.9970 where the closed form, which the
    // project's CFD of this throat confirms (0.9935), gives 0.9940: the
    // analysis takes the discharge from the closed form and only the shape
    // of the initial line from the series.
    const double cd = IntegrateAcross(ThroatPlane(R, gas, 400), gas).mass / ChokedMassFlux(gas.gamma);
    EXPECT_NEAR(cd, KliegelLevineDischargeCoefficient(R, gas.gamma), 0.0035);
}

TEST(TransonicThroat, InitialLineIsASupersonicCharacteristicCarryingTheThroatMass) {
    for (double gamma : {1.2, 1.4}) {
        SCOPED_TRACE(testing::Message() << "gamma " << gamma);
        const Gas gas{gamma, false};
        const std::vector<FlowPoint> line = InitialValueLine(1.5, gas, 40);
        ASSERT_EQ(line.size(), 41u);
        EXPECT_DOUBLE_EQ(line.front().x, 0.0);
        EXPECT_DOUBLE_EQ(line.front().r, 1.0);
        EXPECT_EQ(line.back().r, 0.0);
        EXPECT_EQ(line.back().theta, 0.0);
        for (std::size_t j = 0; j + 1 < line.size(); ++j) {
            const FlowPoint& p = line[j];
            const FlowPoint& q = line[j + 1];
            EXPECT_GT(p.mach, 1.05);
            // Each chord runs along the right-running characteristic.
            const double chord = std::atan2(q.r - p.r, q.x - p.x);
            EXPECT_NEAR(chord, 0.5 * (p.theta - p.mu + q.theta - q.mu), 2e-3) << "point " << j;
        }
        const double lineMass = IntegrateAcross(line, gas).mass;
        const double throatMass = IntegrateAcross(ThroatPlane(1.5, gas, 400), gas).mass;
        EXPECT_NEAR(lineMass / throatMass, 1.0, 5e-4);
    }
}

}  // namespace
}  // namespace bellnozzle::moc

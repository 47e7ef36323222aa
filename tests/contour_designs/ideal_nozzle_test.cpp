// The ideal nozzle: where it ends, what its header says, how it converges as
// the net is refined, and that its wall is a nozzle's for any throat size.
#include <gtest/gtest.h>

#include <cmath>

#include "characteristics/ideal_designs.h"
#include "core/chart_range.h"
#include "core/error.h"
#include "design_test_support.h"

namespace bellnozzle::moc {
namespace {

using namespace moc::testing;

constexpr double kPi = 3.141592653589793;

TEST(IdealNozzle, EndsAtTheAreaRatioOfItsExitMachAndTheThroatsDischarge) {
    for (const double gamma : {1.2, 1.4}) {
        for (const double epsilon : {2.0, 10.0, 50.0, 200.0}) {
            const DesignedWall wall = DesignIdealWall(gamma, epsilon);
            const double exitArea = wall.r.back() * wall.r.back();
            EXPECT_NEAR(exitArea / epsilon, 1.0, 0.002) << gamma << " " << epsilon;
            // Ae/At = Cd A/A*(Me), with A/A* from the 1-D relation.
            EXPECT_NEAR(exitArea / (wall.dischargeCoefficient * IsentropicAreaRatio(wall.exitMach, gamma)), 1.0,
                        0.002)
                << gamma << " " << epsilon;
            // The mass the net carries to the exit is what crosses the
            // transonic line (measured: within 0.03 % at epsilon 10, 0.22 %
            // at 200 and gamma 1.2).
            EXPECT_NEAR(wall.dischargeCoefficient / wall.throatDischarge, 1.0, 0.003) << gamma << " " << epsilon;
            EXPECT_EQ(wall.theta.back(), 0.0);
            // The arc ends below the planar nozzle's largest turn, nu(Me)/2.
            const double g = gamma, m2 = wall.exitMach * wall.exitMach - 1.0;
            const double nu = std::sqrt((g + 1) / (g - 1)) * std::atan(std::sqrt((g - 1) / (g + 1) * m2)) -
                              std::atan(std::sqrt(m2));
            EXPECT_GT(wall.theta.front(), 0.0);
            EXPECT_LT(wall.theta.front(), 0.5 * nu) << gamma << " " << epsilon;
        }
    }
}

TEST(IdealNozzle, HeaderCarriesTheArcEndAxialExitAndItsOwnLength) {
    const DesignRequest request = Request(ContourMethod::Ideal, 5.0f, 10.0f, 80.0f, 1.4);
    const DesignedProfile design = DesignProfile(request);
    const std::string& text = design.profileText;
    const double Rt = 2.5, R2 = 0.382 * Rt;
    const double thetaN = HeaderValue(text, "thetan") * kPi / 180.0;
    EXPECT_NEAR(HeaderValue(text, "xn"), R2 * std::sin(thetaN), 2e-5);
    EXPECT_NEAR(HeaderValue(text, "yn"), Rt + R2 * (1.0 - std::cos(thetaN)), 2e-5);
    EXPECT_EQ(HeaderValue(text, "thetas"), 0.0);
    EXPECT_NEAR(HeaderValue(text, "Re"), std::sqrt(10.0) * Rt, 1e-5);
    const double cone = (Rt * (std::sqrt(10.0) - 1.0) + 1.5 * Rt * (1.0 / std::cos(kPi / 12) - 1.0)) / std::tan(kPi / 12);
    EXPECT_NEAR(HeaderValue(text, "Lf"), HeaderValue(text, "lengf") / cone * 100.0, 1e-3);
    const std::vector<ContourPoint> points = PointsOf(text);
    EXPECT_FLOAT_EQ(points.back().x, float(HeaderValue(text, "lengf")));
    EXPECT_FLOAT_EQ(points.back().y, float(HeaderValue(text, "Re")));
}

// Halving the spacing of the characteristics twice: the arc's end and the
// length settle, each change smaller than the one before (measured at
// epsilon 10: 15.631, 15.663, 15.680 degrees; 16.263, 16.279, 16.284 throat
// radii).
TEST(IdealNozzle, SettlesAsTheNetIsRefined) {
    std::vector<DesignedWall> walls;
    for (const int characteristics : {12, 24, 48}) walls.push_back(DesignIdealWall(1.4, 10.0, characteristics));
    const auto lengthChange = [&](int i) { return std::fabs(walls[i + 1].x.back() / walls[i].x.back() - 1.0); };
    const auto angleChange = [&](int i) { return std::fabs(walls[i + 1].theta.front() - walls[i].theta.front()); };
    EXPECT_LT(lengthChange(1), lengthChange(0));
    EXPECT_LT(angleChange(1), angleChange(0));
    EXPECT_LT(lengthChange(1), 0.001);
    EXPECT_LT(angleChange(1) * 180.0 / kPi, 0.05);
}

// From a 1 mm to a 2 m throat and area ratios 2 to 200, the ideal nozzle and
// its truncations: x grows along the whole file and the radius from the
// throat to the exit, as the real tools need.
TEST(DesignedWalls, GrowFromTheThroatToTheExitForAnyThroatAndAreaRatio) {
    for (const ContourMethod method : {ContourMethod::Ideal, ContourMethod::Tic}) {
        for (const double gamma : {1.2, 1.4}) {
            for (const float diameter : {0.1f, 200.0f}) {
                for (const float epsilon : {2.0f, 10.0f, 200.0f}) {
                    const float length = method == ContourMethod::Tic && epsilon > 100 ? 140.0f : 90.0f;
                    const DesignedProfile design =
                        DesignProfile(Request(method, diameter, epsilon, length, gamma));
                    const auto fault = WallShapeFault(PointsOf(design.profileText));
                    EXPECT_FALSE(fault.has_value()) << ContourMethodName(method) << " " << gamma << " " << diameter
                                                    << " " << epsilon << ": " << fault->english;
                }
            }
        }
    }
}

}  // namespace
}  // namespace bellnozzle::moc

namespace bellnozzle::moc {
namespace {

// So close to 1 the ideal nozzle's wall is shorter than the arc's own sampling
// and the file would fold back: refused, in both languages, on one line.
TEST(IdealNozzle, AreaRatiosTooCloseToOneAreRefusedRatherThanWrittenFolded) {
    for (const float epsilon : {1.0001f, 1.01f}) {
        try {
            DesignProfile(testing::Request(ContourMethod::Ideal, 5.0f, epsilon, 80, 1.4));
            ADD_FAILURE() << "designed epsilon " << epsilon;
        } catch (const Error& error) {
            EXPECT_NE(std::string(error.what()).find("no nozzle"), std::string::npos) << error.what();
            EXPECT_FALSE(error.Portuguese().empty());
        }
    }
}

}  // namespace
}  // namespace bellnozzle::moc

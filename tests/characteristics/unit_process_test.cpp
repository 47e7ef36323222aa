// The unit processes against flows known in closed form: the uniform planar
// flow (Riemann invariants carried exactly) and the axisymmetric source flow
// of a conical nozzle, where the Mach number at distance s from the apex
// satisfies A/A* = (s/s*)^2 and the flow angle is the polar angle.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "characteristics/prandtl_meyer.h"
#include "characteristics/unit_processes.h"
#include "core/isentropic_flow.h"

namespace bellnozzle::moc {
namespace {

constexpr double kGamma = 1.25;
constexpr double kDegree = 3.141592653589793 / 180.0;

// Source flow from the origin, sonic at distance 1.
FlowPoint SourcePoint(double x, double r) {
    const double s = std::hypot(x, r);
    return MakeFlowPoint(x, r, std::atan2(r, x), MachAtAreaRatio(s * s, kGamma), kGamma);
}

// The point a distance h upstream of p along the direction `angle`, with
// the source flow's state there.
FlowPoint SourcePointBack(const FlowPoint& p, double angle, double h) {
    return SourcePoint(p.x - h * std::cos(angle), p.r - h * std::sin(angle));
}

// How far a computed point's Mach number and flow angle are from the source
// flow's at the same position.
double SourceError(const FlowPoint& p) {
    const FlowPoint exact = SourcePoint(p.x, p.r);
    return std::max(std::fabs(p.mach - exact.mach), std::fabs(p.theta - exact.theta));
}

class StraightWall : public WallShape {
public:
    explicit StraightWall(double angle) : slope_(std::tan(angle)) {}
    double Radius(double x) const override { return slope_ * x; }
    double Slope(double) const override { return slope_; }
    double XBegin() const override { return 0.5; }
    double XEnd() const override { return 50.0; }

private:
    double slope_;
};

TEST(UnitProcesses, PlanarInteriorPointCarriesTheRiemannInvariants) {
    const Gas planar{1.4, true};
    const FlowPoint below = MakeFlowPoint(0.0, 0.0, 2 * kDegree, 2.0, 1.4);
    const FlowPoint above = MakeFlowPoint(0.0, 1.0, 8 * kDegree, 2.2, 1.4);
    const NewPoint p = InteriorPoint(below, above, planar);
    EXPECT_FALSE(p.crossed);
    EXPECT_NEAR(p.point.nu - p.point.theta, below.nu - below.theta, 1e-12);
    EXPECT_NEAR(p.point.nu + p.point.theta, above.nu + above.theta, 1e-12);
    // On both characteristics, each with the slope averaged over its segment.
    EXPECT_NEAR(std::atan2(p.point.r - below.r, p.point.x - below.x),
                0.5 * (below.theta + p.point.theta + below.mu + p.point.mu), 1e-9);
    EXPECT_NEAR(std::atan2(p.point.r - above.r, p.point.x - above.x),
                0.5 * (above.theta + p.point.theta - above.mu - p.point.mu), 1e-9);
}

// Each process from source-flow data, at a step h and h/2: the error must be
// small and fall at least as fast as h^2 (a second-order scheme's local error
// falls as h^3).
TEST(UnitProcesses, AxisymmetricProcessesReproduceTheSourceFlowToSecondOrder) {
    const Gas gas{kGamma, false};
    const double wallAngle = 15 * kDegree;
    const StraightWall wall(wallAngle);
    const FlowPoint target = SourcePoint(3.0 * std::cos(5 * kDegree), 3.0 * std::sin(5 * kDegree));
    const FlowPoint onWall = SourcePoint(3.0 * std::cos(wallAngle), 3.0 * std::sin(wallAngle));
    struct Case {
        const char* process;
        std::function<FlowPoint(double h)> run;
    };
    const Case cases[] = {
        {"interior",
         [&](double h) {
             return InteriorPoint(SourcePointBack(target, target.theta + target.mu, h),
                                  SourcePointBack(target, target.theta - target.mu, h), gas)
                 .point;
         }},
        {"axis",
         [&](double h) {
             const FlowPoint axis = SourcePoint(3.0, 0.0);
             return AxisPoint(SourcePointBack(axis, -axis.mu, h), gas);
         }},
        {"wall",
         [&](double h) { return *WallPoint(SourcePointBack(onWall, onWall.theta + onWall.mu, h), wall, gas); }},
    };
    for (const Case& c : cases) {
        const double coarse = SourceError(c.run(0.2));
        const double fine = SourceError(c.run(0.1));
        EXPECT_LT(coarse, 2e-3) << c.process;
        EXPECT_LT(fine, coarse / 4.0) << c.process << ": " << coarse << " then " << fine;
    }
}

TEST(UnitProcesses, WallPointAtTheLipAgreesWithTheWallProcess) {
    const Gas gas{kGamma, false};
    const StraightWall wall(15 * kDegree);
    const FlowPoint onWall = SourcePoint(2.0 * std::cos(15 * kDegree), 2.0 * std::sin(15 * kDegree));
    const FlowPoint below = SourcePoint(2.05, 0.35);
    const std::optional<FlowPoint> reached = WallPoint(below, wall, gas);
    ASSERT_TRUE(reached);
    // Asked for the wall point at the x the C+ from `below` reaches, the lip
    // process must find `below` as its start and the same state.
    const FlowPoint lip = WallPointAt(reached->x, onWall, below, wall, gas);
    EXPECT_NEAR(lip.r, reached->r, 1e-12);
    EXPECT_NEAR(lip.mach, reached->mach, 1e-6);
    // Beyond the wall's end the wall process reports no point.
    EXPECT_FALSE(WallPoint(SourcePoint(49.9, 0.1), wall, gas));
}

}  // namespace
}  // namespace bellnozzle::moc

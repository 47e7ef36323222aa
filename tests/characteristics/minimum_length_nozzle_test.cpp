// The textbook check of the unit processes: the planar minimum-length nozzle
// of Anderson, Modern Compressible Flow, section 11.7, built from a sharp
// corner at the throat of a uniform sonic stream. For exit Mach 2.4 at gamma
// 1.4 the largest wall angle is nu(2.4)/2 = 18.37 degrees and the exit
// half-height over the throat half-height tends to A/A* = 2.4031 (NACA 1135)
// as the net is refined.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "characteristics/prandtl_meyer.h"
#include "characteristics/unit_processes.h"

namespace bellnozzle::moc {
namespace {

constexpr double kGamma = 1.4;
constexpr double kDegree = 3.141592653589793 / 180.0;

struct MinimumLengthNozzle {
    double maxWallAngle = 0;
    double exitHeight = 0;
};

// n right-running waves leave the corner (0, 1) with flow angles thetaMax
// i/n; each reflects from the plane of symmetry and cancels at the wall,
// which turns back by the same angle where the reflected wave meets it.
MinimumLengthNozzle Design(double exitMach, int n) {
    const Gas planar{kGamma, true};
    const double thetaMax = PrandtlMeyerAngle(exitMach, kGamma) / 2.0;
    std::vector<FlowPoint> corner;
    for (int i = 1; i <= n; ++i) {
        const double theta = thetaMax * i / n;
        // Behind wave i of the centred fan, nu = theta (nu - theta = 0 from the sonic stream).
        corner.push_back(MakeFlowPoint(0.0, 1.0, theta, MachFromPrandtlMeyer(theta, kGamma, 1.1), kGamma));
    }
    // previous[i]: where wave i crosses the last left-running characteristic.
    std::vector<FlowPoint> previous = corner;
    FlowPoint wall = corner.back();
    double wallAngle = thetaMax;
    for (int k = 0; k < n; ++k) {
        std::vector<FlowPoint> next;
        next.push_back(AxisPoint(previous[k], planar));  // wave k reaches the plane of symmetry
        for (int i = k + 1; i < n; ++i) next.push_back(InteriorPoint(next.back(), previous[i], planar).point);
        const FlowPoint& last = next.back();
        // The wall point: the straight left-running characteristic beyond the
        // last wave meets the wall drawn from the previous wall point at the
        // mean of the two wall angles.
        const double newAngle = last.theta;
        const double wallSlope = std::tan(0.5 * (wallAngle + newAngle));
        const double charSlope = std::tan(last.theta + last.mu);
        const double x = (last.r - wall.r + wallSlope * wall.x - charSlope * last.x) / (wallSlope - charSlope);
        wall = MakeFlowPoint(x, wall.r + wallSlope * (x - wall.x), newAngle, last.mach, kGamma);
        wallAngle = newAngle;
        for (int i = k; i < n; ++i) previous[i] = next[i - k];
    }
    return {thetaMax, wall.r};
}

TEST(MinimumLengthNozzle, Mach24WallAngleAndExitRatioConverge) {
    const double areaRatio = 2.4031;  // A/A* at Mach 2.4, NACA 1135 Table I
    double lastError = 1.0;
    for (int n : {10, 20, 40, 80}) {
        const MinimumLengthNozzle nozzle = Design(2.4, n);
        EXPECT_NEAR(nozzle.maxWallAngle / kDegree, 18.37, 0.005);
        const double error = std::fabs(nozzle.exitHeight / areaRatio - 1.0);
        if (n == 20) {
            EXPECT_LT(error, 0.005) << "exit ratio " << nozzle.exitHeight;
        }
        EXPECT_LT(error, lastError) << n << " characteristics: exit ratio " << nozzle.exitHeight;
        lastError = error;
    }
    EXPECT_LT(lastError, 0.001);
}

}  // namespace
}  // namespace bellnozzle::moc

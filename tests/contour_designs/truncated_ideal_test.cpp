// The truncated ideal nozzle: it ends where it is asked to, its exit angle
// falls as it grows longer, and lengths it cannot meet are refused.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "characteristics/ideal_designs.h"
#include "core/error.h"
#include "design_test_support.h"

namespace bellnozzle::moc {
namespace {

using namespace moc::testing;

constexpr double kPi = 3.141592653589793;

// The 15-degree cone the length is a percentage of, from its definition.
double ConeLength(double Rt, double epsilon) {
    return (Rt * (std::sqrt(epsilon) - 1.0) + 1.5 * Rt * (1.0 / std::cos(kPi / 12) - 1.0)) / std::tan(kPi / 12);
}

TEST(TruncatedIdeal, EndsAtTheRequestedLengthAndAreaRatio) {
    const struct {
        double gamma;
        float epsilon, length;
    } cases[] = {{1.4, 5, 70}, {1.4, 10, 80}, {1.4, 10, 100}, {1.4, 20, 90}, {1.2, 5, 60}, {1.2, 35, 100}};
    for (const auto& c : cases) {
        const DesignedProfile design = DesignProfile(Request(ContourMethod::Tic, 5.0f, c.epsilon, c.length, c.gamma));
        const std::vector<ContourPoint> points = PointsOf(design.profileText);
        const double Rt = 2.5;
        EXPECT_NEAR(points.back().x / (ConeLength(Rt, c.epsilon) * c.length / 100.0), 1.0, 0.001)
            << c.epsilon << " " << c.length;
        EXPECT_NEAR(points.back().y / (std::sqrt(double(c.epsilon)) * Rt), 1.0, 0.001) << c.epsilon << " " << c.length;
        EXPECT_NEAR(HeaderValue(design.profileText, "Lf"), c.length, 1e-4);
        EXPECT_GT(design.thetaS, 0.0f);
    }
}

TEST(TruncatedIdeal, ExitAndArcAnglesFallAsTheNozzleGrowsLonger) {
    float lastExit = 90, lastArc = 90;
    for (const float length : {70.0f, 80.0f, 90.0f, 100.0f, 120.0f}) {
        const DesignedProfile design = DesignProfile(Request(ContourMethod::Tic, 5.0f, 10.0f, length, 1.4));
        EXPECT_LT(design.thetaS, lastExit) << length;
        EXPECT_LT(design.thetaN, lastArc) << length;
        lastExit = design.thetaS;
        lastArc = design.thetaN;
    }
    // The longest is still shorter than the ideal nozzle, whose arc ends lower.
    const DesignedProfile ideal = DesignProfile(Request(ContourMethod::Ideal, 5.0f, 10.0f, 80.0f, 1.4));
    EXPECT_LT(ideal.thetaN, lastArc);
}

TEST(TruncatedIdeal, LengthsItCannotMeetAreRefusedOnOneLine) {
    const struct {
        double gamma;
        float epsilon, length;
        const char* says;
    } cases[] = {
        {1.4, 10, 199, "needs a length below the ideal nozzle's"},  // the ideal nozzle is 197 % long
        {1.4, 200, 60, "cannot reach epsilon 200"},
        {1.4, 10, 1, "would end on the throat arc"},
    };
    for (const auto& c : cases) {
        try {
            DesignProfile(Request(ContourMethod::Tic, 5.0f, c.epsilon, c.length, c.gamma));
            ADD_FAILURE() << "designed " << c.epsilon << " at " << c.length;
        } catch (const Error& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(c.says), std::string::npos) << message;
            EXPECT_EQ(message.find('\n'), std::string::npos);
            EXPECT_FALSE(error.Portuguese().empty());
        }
    }
}

}  // namespace
}  // namespace bellnozzle::moc

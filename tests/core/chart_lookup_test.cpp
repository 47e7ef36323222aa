// The design chart and its spline lookup: tabulated points come back exactly,
// interpolated and extrapolated values match the chart, and percentages the
// chart lacks leave the caller's variables alone.
#include <gtest/gtest.h>

#include <vector>

#include "core/spline.h"
#include "core/text_format.h"
#include "core/wall_angle_chart.h"

namespace bellnozzle {
namespace {

struct Angles {
    float thetaN = -1.0f;
    float thetaS = -1.0f;
};

Angles Lookup(float epsilon, float lengthPercent) {
    Angles angles;
    LookupWallAngles(epsilon, lengthPercent, angles.thetaN, angles.thetaS);
    return angles;
}

std::string G(float value) { return Format("%g", double(value)); }

TEST(WallAngleChart, HoldsTenCurvesInChartOrderOverTheSameAreaRatios) {
    const char kinds[] = "nnnnnsssss";
    for (int c = 0; c < kChartCurveCount; ++c) {
        const ChartCurve& curve = WallAngleChart[c];
        EXPECT_EQ(curve.kind, kinds[c]);
        EXPECT_EQ(curve.lengthPercent, 60.0f + 10.0f * float(c % 5));
        EXPECT_EQ(curve.points.front().epsilon, 5.0f);
        EXPECT_EQ(curve.points.back().epsilon, 50.0f);
        for (int i = 1; i < kChartPointCount; ++i) {
            EXPECT_GT(curve.points[i].epsilon, curve.points[i - 1].epsilon);
            EXPECT_EQ(curve.points[i].epsilon, WallAngleChart[0].points[i].epsilon);
        }
    }
    // The numbers are the floats nearest the decimals as written.
    EXPECT_EQ(WallAngleChart[0].points[1].epsilon, 6.31579f);
    EXPECT_EQ(WallAngleChart[7].points[26].angle, 8.02631f);
    EXPECT_EQ(WallAngleChart[9].points[34].angle, 4.60526f);
}

TEST(LookupWallAngles, TabulatedAreaRatiosGiveTheTabulatedAnglesExactly) {
    for (int c = 0; c < 5; ++c) {
        const ChartCurve& n = WallAngleChart[c];
        const ChartCurve& s = WallAngleChart[c + 5];
        for (int i = 0; i < kChartPointCount; ++i) {
            const Angles angles = Lookup(n.points[i].epsilon, n.lengthPercent);
            EXPECT_EQ(angles.thetaN, n.points[i].angle) << "curve " << c << " point " << i + 1;
            EXPECT_EQ(angles.thetaS, s.points[i].angle) << "curve " << c + 5 << " point " << i + 1;
        }
    }
    EXPECT_EQ(G(Lookup(5, 80).thetaN), "22.6316");
    EXPECT_EQ(G(Lookup(5, 80).thetaS), "13.4211");
    EXPECT_EQ(G(Lookup(50, 80).thetaN), "32.1053");
    EXPECT_EQ(G(Lookup(50, 80).thetaS), "7.63158");
    EXPECT_EQ(G(Lookup(30, 80).thetaN), "30.7895");
    EXPECT_EQ(G(Lookup(30, 80).thetaS), "8.55263");
}

TEST(LookupWallAngles, InterpolatesBetweenTabulatedPoints) {
    struct Case {
        float epsilon, lengthPercent, thetaN, thetaS;
    } const cases[] = {
        {10, 80, 25.391f, 10.859f},
        {10, 60, 32.244f, 17.063f},
        {10, 100, 22.400f, 6.412f},
    };
    for (const Case& c : cases) {
        const Angles angles = Lookup(c.epsilon, c.lengthPercent);
        EXPECT_NEAR(angles.thetaN, c.thetaN, 0.001) << c.lengthPercent;
        EXPECT_NEAR(angles.thetaS, c.thetaS, 0.001) << c.lengthPercent;
    }
    // The window shows the initial design's angles as "%g" prints them.
    EXPECT_EQ(G(Lookup(10, 80).thetaN), "25.3911");
    EXPECT_EQ(G(Lookup(10, 80).thetaS), "10.8587");
}

TEST(LookupWallAngles, ExtrapolatesOutsideTheChartWithoutError) {
    struct Case {
        float epsilon, thetaN, thetaS, tolerance;
    } const cases[] = {
        {3, 21.413f, 14.671f, 0.001f},
        {0, 19.160f, 13.063f, 0.001f},
        {55, 33.896f, 5.852f, 0.001f},
        {60, 47.62f, -7.78f, 0.01f},
    };
    for (const Case& c : cases) {
        const Angles angles = Lookup(c.epsilon, 80);
        EXPECT_NEAR(angles.thetaN, c.thetaN, c.tolerance) << c.epsilon;
        EXPECT_NEAR(angles.thetaS, c.thetaS, c.tolerance) << c.epsilon;
    }
}

TEST(LookupWallAngles, PercentagesOffTheChartLeaveBothAnglesUnchanged) {
    for (const float lengthPercent : {85.0f, 80.5f, 0.0f, -80.0f, 1000.0f}) {
        float thetaN = 12.5f;
        float thetaS = -3.25f;
        LookupWallAngles(10, lengthPercent, thetaN, thetaS);
        EXPECT_EQ(thetaN, 12.5f) << lengthPercent;
        EXPECT_EQ(thetaS, -3.25f) << lengthPercent;
        EXPECT_FALSE(IsChartLengthPercent(lengthPercent));
    }
    for (const float lengthPercent : kChartLengthPercents) EXPECT_TRUE(IsChartLengthPercent(lengthPercent));
}

TEST(Spline, ClampedEndsFollowThePrescribedSlopes) {
    // A cubic through points of y = x^2 with the true end slopes is exact.
    const std::vector<float> x = {0, 1, 2, 3, 4};
    const std::vector<float> y = {0, 1, 4, 9, 16};
    std::vector<float> d2(5);
    BuildSpline(x, y, 5, 0.0f, 8.0f, d2);
    for (const float d : d2) EXPECT_NEAR(d, 2.0f, 1e-5);
    float value = 0;
    splint(x, y, d2, 5, 2.5f, value);
    EXPECT_NEAR(value, 6.25f, 1e-5);
}

TEST(SplineDeathTest, EqualBracketingAbscissaeEndTheProgramWithThreeLines) {
    const std::vector<float> x = {1, 1};
    const std::vector<float> y = {2, 3};
    const std::vector<float> d2 = {0, 0};
    float result = 0;
    EXPECT_EXIT(splint(x, y, d2, 2, 1.0f, result), ::testing::ExitedWithCode(1),
                "^Numerical Recipes run-time error\\.\\.\\.\nBad xa input to routine splint\n"
                "\\.\\.\\.now exiting to system\\.\\.\\.\n$");
}

}  // namespace
}  // namespace bellnozzle

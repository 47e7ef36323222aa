// The contour and the profile file: the worked example line by line, the
// point counts that depend on single-precision accumulation, and the designs
// that are refused without touching an existing file.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/contour.h"
#include "core/design.h"
#include "core/error.h"
#include "test_support.h"

namespace bellnozzle {
namespace {

using testing::Golden;
using testing::Lines;
using testing::ReadFile;
using testing::ScratchFolder;

std::vector<std::string> PointLines(const std::string& profile) {
    const std::vector<std::string> lines = Lines(profile);
    return {lines.begin() + 15, lines.end()};
}

std::string Profile(float Rt, float epsilon = 10, float lengthPercent = 80, float thetaN = 30,
                    float thetaS = 10) {
    return FormatContourProfile({Rt, epsilon, lengthPercent, thetaN, thetaS, 20});
}

TEST(ContourProfile, WorkedExampleMatchesLineByLine) {
    ScratchFolder folder;
    WriteContourProfile(2.5f, 10, 80, 30, 10, 20, folder.Path("zelto_perfil.txt"));
    const std::string written = ReadFile(folder.Path("zelto_perfil.txt"));
    const std::vector<std::string> expected = Lines(Golden("profile/worked_example.txt"));
    const std::vector<std::string> actual = Lines(written);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(actual[i], expected[i]) << "line " << i + 1;
    EXPECT_EQ(written, Golden("profile/worked_example.txt"));

    // The values the example is known by, as the file carries them.
    EXPECT_EQ(actual[9], "x0=-2.65165 cm");
    const std::vector<std::string> points = PointLines(written);
    ASSERT_EQ(points.size(), 54u);
    EXPECT_EQ(points[0], "1\t-2.65\t3.5967");
    EXPECT_EQ(points[26], "27\t-0.0500003\t2.50033");
    EXPECT_EQ(points[27], "28\t0.01\t2.50005");
    EXPECT_EQ(points[32], "33\t0.4775\t2.62795");
    EXPECT_EQ(points[33], "34\t0.4875\t2.63372");
    EXPECT_EQ(points[52], "53\t15.7416\t7.76195");
    EXPECT_EQ(points[53], "54\t16.5344\t7.90569");
}

TEST(ContourProfile, InitialDesignOfTheWindow) {
    ScratchFolder folder;
    const DesignResult result = RunDesign(5.0f, 80.0f, 10.0f, folder.Path("zelto_perfil.txt"));
    EXPECT_EQ(result.Rt, 2.5f);
    EXPECT_EQ(FormatAngle(result.thetaN), "25.3911");
    EXPECT_EQ(FormatAngle(result.thetaS), "10.8587");
    EXPECT_EQ(ReadFile(folder.Path("zelto_perfil.txt")), Golden("profile/initial_design.txt"));
}

TEST(ContourProfile, SinglePrecisionAccumulationDecidesThePointsNearTheThroat) {
    // Starts at -3.00: the 31st upstream x lands just below zero and is kept.
    std::vector<std::string> points = PointLines(Profile(2.825f));
    EXPECT_EQ(points[29], "30\t-0.100001\t2.82618");
    EXPECT_EQ(points[30], "31\t-6.12438e-07\t2.825");
    EXPECT_EQ(points[31].substr(0, 8), "32\t0.01\t");

    // Starts at -1.70: after -0.0999998 the next x is just above zero.
    points = PointLines(Profile(1.6f));
    EXPECT_EQ(points[16], "17\t-0.0999998\t1.60208");
    EXPECT_EQ(points[17].substr(0, 8), "18\t0.01\t");
}

TEST(ContourProfile, LargeThroatsGiveLongFiles) {
    EXPECT_EQ(PointLines(Profile(30.0f)).size(), 399u);
    EXPECT_EQ(PointLines(Profile(31.0f)).size(), 411u);
}

TEST(ContourProfile, ShortArcAndBellCasesSkipTheirLoops) {
    // N at x <= 0.01: no downstream arc point, N follows the upstream arc.
    const ContourInput flat{2.5f, 10, 80, 0.5f, 10, 20};
    const ContourGeometry flatGeometry = ComputeContourGeometry(flat);
    ASSERT_LE(flatGeometry.xn, 0.01f);
    const std::vector<ContourPoint> flatPoints = ComputeContourPoints(flat, flatGeometry);
    std::size_t upstream = 0;
    while (flatPoints[upstream].x <= 0.0f) ++upstream;
    EXPECT_EQ(flatPoints[upstream].x, flatGeometry.xn);
    EXPECT_EQ(flatPoints[upstream].y, flatGeometry.yn);

    // A bell shorter than xn + 0.01: the parabola writes nothing, E follows N.
    const ContourInput in{2.5f, 10, 1.2f, 30, 10, 20};
    const ContourGeometry g = ComputeContourGeometry(in);
    ASSERT_LT(double(g.lengf) - g.xn, 0.01);
    const std::vector<ContourPoint> all = ComputeContourPoints(in, g);
    EXPECT_EQ(all[all.size() - 2].x, g.xn);
    EXPECT_EQ(all.back().x, g.lengf);
    EXPECT_EQ(all.back().y, g.Re);
}

TEST(ContourProfile, WritingTwiceLeavesOnlyTheSecondContour) {
    ScratchFolder folder;
    WriteContourProfile(30.0f, 10, 80, 30, 10, 20, folder.Path("p.txt"));
    WriteContourProfile(2.5f, 10, 80, 30, 10, 20, folder.Path("p.txt"));
    EXPECT_EQ(ReadFile(folder.Path("p.txt")), Golden("profile/worked_example.txt"));
    EXPECT_EQ(folder.Files(), std::vector<std::string>{"p.txt"});
}

TEST(ContourProfile, DegenerateDesignsAreRefusedAndTheOldFileKept) {
    constexpr float kInf = std::numeric_limits<float>::infinity();
    constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        ContourInput in;
        const char* mentions;
    } const cases[] = {
        {{0.0f, 10, 80, 30, 10, 20}, "throat"},
        {{-1.0f, 10, 80, 30, 10, 20}, "throat"},
        {{kNaN, 10, 80, 30, 10, 20}, "throat"},
        {{kInf, 10, 80, 30, 10, 20}, "throat"},
        {{2.5f, 0.5f, 80, 30, 10, 20}, "epsilon"},
        {{2.5f, kNaN, 80, 30, 10, 20}, "epsilon"},
        {{2.5f, kInf, 80, 30, 10, 20}, "epsilon"},
        {{2.5f, 10, kNaN, 30, 10, 20}, "length"},
        {{2.5f, 10, 80, kNaN, 10, 20}, "theta_n"},
        {{2.5f, 10, 80, 30, -kInf, 20}, "theta_s"},
        {{2.5f, 10, 80, 30, 10, 0}, "parabola"},
        // Equal 45-degree angles make the parabola coefficients 0/0.
        {{2.5f, 10, 80, 45, 45, 20}, "not finite"},
        // A throat so large that its arc would need millions of points.
        {{1e6f, 10, 80, 30, 10, 20}, "points"},
    };
    ScratchFolder folder;
    const std::string path = folder.Path("zelto_perfil.txt");
    testing::WriteFile(path, "old contents\n");
    for (const Case& c : cases) {
        try {
            WriteContourProfile(c.in.Rt, c.in.epsilon, c.in.lengthPercent, c.in.thetaN, c.in.thetaS,
                                c.in.parabolaSteps, path);
            ADD_FAILURE() << "accepted a design mentioning " << c.mentions;
        } catch (const Error& error) {
            EXPECT_NE(std::string(error.what()).find(c.mentions), std::string::npos) << error.what();
            EXPECT_FALSE(error.Portuguese().empty());
        }
        EXPECT_EQ(ReadFile(path), "old contents\n");
    }
    EXPECT_EQ(folder.Files(), std::vector<std::string>{"zelto_perfil.txt"});
}

// Off the chart the angles are extrapolated while they still make a nozzle
// (3 and 55); epsilon 1 (a wall that hooks back to the exit) and 60 (theta_s
// -7.78) make none and are refused.
TEST(ContourProfile, ChartDesignsOutsideFiveToFiftyAreExtrapolatedWhileTheyMakeANozzle) {
    ScratchFolder folder;
    for (const float epsilon : {3.0f, 55.0f}) {
        EXPECT_NO_THROW(RunDesign(5.0f, 80.0f, epsilon, folder.Path("zelto_perfil.txt"))) << epsilon;
    }
    for (const float epsilon : {1.0f, 60.0f}) {
        EXPECT_THROW(RunDesign(5.0f, 80.0f, epsilon, folder.Path("zelto_perfil.txt")), Error) << epsilon;
    }
}

TEST(RunDesign, RefusesLengthsOffTheChartWithoutWriting) {
    ScratchFolder folder;
    for (const float lengthPercent : {0.0f, 85.0f, 80.5f}) {
        EXPECT_THROW(RunDesign(5.0f, lengthPercent, 10.0f, folder.Path("zelto_perfil.txt")), Error);
    }
    EXPECT_TRUE(folder.Files().empty());
}

}  // namespace
}  // namespace bellnozzle

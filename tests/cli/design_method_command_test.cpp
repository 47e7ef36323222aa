// design --method and --gamma, and the chart's parabola off the chart, as the
// command reports them: a refusal is one line with nothing written, an
// extrapolated design is written with its note on the error stream.
#include <string>
#include <vector>

#include "command_fixture.h"

namespace bellnozzle::clitest {
namespace {

int Lines(const std::string& text) {
    int lines = 0;
    for (const char c : text) lines += c == '\n';
    return lines;
}

using DesignMethodTest = CommandFixture;

TEST_F(DesignMethodTest, ChartAnglesThatMakeNoNozzleAreRefusedOnOneLine) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"design", "--epsilon", "100", "--length", "90%"},
             {"design", "--epsilon", "60"},
             {"design", "--epsilon", "1"},
         }) {
        const Result result = Run(args);
        EXPECT_EQ(result.status, 1) << args[2];
        EXPECT_EQ(Lines(result.err), 1) << result.err;
        EXPECT_NE(result.err.find("--method parabola or --method toc"), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_FALSE(HaveProfile());
    }
}

TEST_F(DesignMethodTest, ExtrapolatedChartDesignsAndLookupsCarryANote) {
    Result result = Run({"design", "--epsilon", "55"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err.rfind("bellnozzle: note: epsilon 55 lies outside the design chart", 0), 0u) << result.err;
    EXPECT_TRUE(HaveProfile());
    result = Run({"lookup", "--epsilon", "60", "--length", "80"});
    EXPECT_EQ(result.out, "theta_n=47.6224\ntheta_s=-7.78358\n");
    EXPECT_NE(result.err.find("extrapolated"), std::string::npos);
    EXPECT_EQ(Run({"lookup", "--epsilon", "50", "--length", "80"}).err, "");
}

TEST_F(DesignMethodTest, ChartAndConeByMethodWriteWhatTheOldSpellingsWrite) {
    ASSERT_EQ(Run({"design"}).status, 0);
    const std::string chart = Profile();
    ASSERT_EQ(Run({"design", "--method", "chart"}).status, 0);
    EXPECT_EQ(Profile(), chart);
    ASSERT_EQ(Run({"design", "--conical", "--epsilon", "20"}).status, 0);
    const std::string cone = Profile();
    ASSERT_EQ(Run({"design", "--method", "cone", "--epsilon", "20"}).status, 0);
    EXPECT_EQ(Profile(), cone);
}

TEST_F(DesignMethodTest, OptionsThatMeanNothingForTheMethodAreUsageErrors) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"design", "--method", "spline"},
             {"design", "--method", "chart", "--gamma", "1.2"},
             {"design", "--conical", "--method", "toc"},
             {"design", "--method", "ideal", "--length", "80"},
             {"design", "--method", "cone", "--gamma", "1.3"},
         }) {
        const Result result = Run(args);
        EXPECT_EQ(result.status, 2) << args[2];
        EXPECT_NE(result.err.find("usage: bellnozzle design"), std::string::npos);
        EXPECT_FALSE(HaveProfile());
    }
    for (const char* gamma : {"1", "0.9", "abc", "nan", "2"}) {
        const Result result = Run({"design", "--method", "ideal", "--gamma", gamma});
        EXPECT_EQ(result.status, 1) << gamma;
        EXPECT_EQ(Lines(result.err), 1) << result.err;
        EXPECT_FALSE(HaveProfile());
    }
}

}  // namespace
}  // namespace bellnozzle::clitest

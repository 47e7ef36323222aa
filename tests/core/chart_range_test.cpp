// Designs from the chart's angles off the chart: let through with a note
// while they are still a nozzle, refused with one line once the extrapolated
// angles fold the wall; never refused on the chart itself.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/chart_range.h"
#include "core/design.h"
#include "core/error.h"
#include "core/wall_angle_chart.h"

namespace bellnozzle {
namespace {

ContourInput ChartInput(float Rt, float epsilon, float lengthPercent) {
    ContourInput in{Rt, epsilon, lengthPercent, 0.0f, 0.0f, 20};
    LookupWallAngles(epsilon, lengthPercent, in.thetaN, in.thetaS);
    return in;
}

std::string RefusalOf(const ContourInput& in) {
    try {
        RequireChartNozzle(in);
    } catch (const Error& error) {
        return error.what();
    }
    return {};
}

TEST(ChartRange, EveryDesignOnTheChartGoesThroughWithoutANote) {
    for (const float Rt : {0.05f, 2.5f, 100.0f}) {
        for (const float length : kChartLengthPercents) {
            for (int step = 0; step <= 450; ++step) {
                const float epsilon = 5.0f + 0.1f * float(step);
                if (epsilon > 50.0f) break;
                EXPECT_EQ(RefusalOf(ChartInput(Rt, epsilon, length)), "") << Rt << " " << epsilon << " " << length;
                EXPECT_FALSE(ChartExtrapolationNote(epsilon).has_value()) << epsilon;
            }
        }
    }
}

// The extrapolated angles of the examples, and where each kind of
// fault first shows (found by scanning epsilon outward from the chart).
TEST(ChartRange, AnglePairsThatMakeNoNozzleAreRefusedNamingTheChartAndTheOtherMethods) {
    const struct {
        float epsilon, length;
        const char* why;
    } cases[] = {
        {100.0f, 90.0f, "theta_n must lie between 0 and 90"},  // theta_n 1343.23, theta_s -1800.2
        {60.0f, 80.0f, "theta_s must not be negative"},        // theta_s -7.78
        {68.0f, 70.0f, "theta_s must be below theta_n"},
        {1.0f, 80.0f, "the wall radius falls from 2.58219 to 2.5 cm"},  // rises, hooks back to the throat's radius
        {1.3f, 60.0f, "the wall radius falls"},
        {1.2f, 100.0f, "make no nozzle"},
    };
    for (const auto& c : cases) {
        const std::string message = RefusalOf(ChartInput(2.5f, c.epsilon, c.length));
        EXPECT_NE(message.find(c.why), std::string::npos) << c.epsilon << " " << c.length << ": " << message;
        EXPECT_NE(message.find("epsilon 5 to 50"), std::string::npos) << message;
        EXPECT_NE(message.find("--method parabola or --method toc"), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }
}

TEST(ChartRange, ExtrapolatedAnglesThatStillMakeANozzleGoOnWithANote) {
    for (const auto& [epsilon, length] : std::vector<std::pair<float, float>>{{55, 80}, {3, 80}, {57, 90}, {4, 60}}) {
        EXPECT_EQ(RefusalOf(ChartInput(2.5f, epsilon, length)), "") << epsilon << " " << length;
        const auto note = ChartExtrapolationNote(epsilon);
        ASSERT_TRUE(note.has_value());
        EXPECT_NE(note->english.find("extrapolated"), std::string::npos);
        EXPECT_NE(note->portuguese.find("extrapolados"), std::string::npos);
    }
}

TEST(ChartRange, TheDesignRunRefusesBeforeWritingAndCarriesTheNote) {
    const std::string path = ::testing::TempDir() + "chart_range_profile.txt";
    std::remove(path.c_str());
    EXPECT_THROW(RunDesign(5.0f, 90.0f, 100.0f, path), Error);
    EXPECT_EQ(std::fopen(path.c_str(), "r"), nullptr);
    EXPECT_TRUE(RunDesign(5.0f, 80.0f, 10.0f, path).notes.empty());
    EXPECT_EQ(RunDesign(5.0f, 80.0f, 55.0f, path).notes.size(), 1u);
    std::remove(path.c_str());
}

TEST(ChartRange, WallShapeFaultsOfHandMadeWalls) {
    const struct {
        std::vector<ContourPoint> wall;
        const char* fault;  // empty: sound
    } cases[] = {
        {{{-1, 2}, {0, 1}, {1, 1.5f}, {2, 2}}, ""},
        {{{-1, 2}, {0, 1}, {1, 1.5f}, {1, 2}}, "x does not grow"},
        {{{-1, 2}, {0, 1}, {1, 1.5f}, {2, 1.2f}}, "falls from 1.5 to 1.2"},
        {{{-1, 2}, {0, 1}, {1, 1.0f}}, "exit radius is not above"},
        // A fold below the throat it passed (a parabola of angles far from
        // the chart's): the smallest radius is no throat.
        {{{-1, 2}, {0, 1}, {0.4f, 1.05f}, {0.5f, 0.97f}, {2, 2}}, "falls from 1.05 to 0.97"},
        {{{0, 1}}, "fewer than two points"},
    };
    for (const auto& c : cases) {
        const auto fault = WallShapeFault(c.wall);
        if (std::string(c.fault).empty()) {
            EXPECT_FALSE(fault.has_value()) << fault->english;
        } else {
            ASSERT_TRUE(fault.has_value()) << c.fault;
            EXPECT_NE(fault->english.find(c.fault), std::string::npos) << fault->english;
        }
    }
}

}  // namespace
}  // namespace bellnozzle

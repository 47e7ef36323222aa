// The design summary: 1-D figures against published isentropic tables and
// the exact ideal thrust coefficient (worked out to 30 digits beforehand),
// wall area and volume against closed-form shapes and the exact cone, the
// lengths against the reference cone, the two printed forms, and refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/conical_contour.h"
#include "core/design.h"
#include "core/design_summary.h"
#include "core/error.h"
#include "core/text_format.h"
#include "test_support.h"

namespace bellnozzle {
namespace {

using testing::Golden;
using testing::ScratchFolder;

// A profile table whose radii give exactly the area ratio wanted.
ProfileTable TableFor(double areaRatio, std::vector<std::pair<double, double>> points = {{0, 1}, {1, 1}}) {
    ProfileTable table;
    const std::string Re = Format("%.17g", std::sqrt(areaRatio));
    table.Header = {"[parametros]\n", "Rt=1 cm\n", "epsilon=" + Format("%.17g", areaRatio) + "\n",
                    "Lf=80 %\n", "thetan=30 graus\n", "thetas=10 graus\n", "[resultados]\n",
                    "R1=1.5 cm\n", "R2=0.382 cm\n", "x0=-1.06066 cm\n", "xn=0.191 cm\n",
                    "yn=1.02 cm\n", "Re=" + Re + " cm\n", "lengf=5 cm\n"};
    table.X.assign(1, 0.0f);
    table.Y.assign(1, 0.0f);
    for (const auto& [x, y] : points) {
        table.X.push_back(float(x));
        table.Y.push_back(float(y));
    }
    table.Count = int(points.size());
    return table;
}

DesignSummary Summary(double areaRatio, double gamma, double p0 = 20, double pa = 1.01325) {
    return SummarizeDesign(TableFor(areaRatio), {gamma, p0, pa}, "test");
}

TEST(DesignSummary, FlowFiguresMatchTablesAndTheExactThrustCoefficient) {
    // Mach 2 at gamma 1.4: A/A* 1.6875, p/p0 0.12780, T/T0 0.5556.
    DesignSummary s = Summary(1.6875, 1.4, 20, 0);
    EXPECT_NEAR(s.exitMach, 2.0, 1e-9);
    EXPECT_NEAR(s.exitPressureRatio, 0.1278045255, 1e-9);
    EXPECT_NEAR(s.exitTemperatureRatio, 0.5555555556, 1e-9);
    EXPECT_NEAR(s.thrustCoefficientVacuum, 1.4234229023, 1e-8);
    // Mach 3 at gamma 1.4: A/A* = 343/81, p/p0 0.027224.
    s = Summary(343.0 / 81.0, 1.4);
    EXPECT_NEAR(s.exitMach, 3.0, 1e-9);
    EXPECT_NEAR(s.exitPressureRatio, 0.0272236837, 1e-9);

    // The window's initial design: epsilon 10 at 20 bar into 1.01325 bar.
    s = Summary(10, 1.4);
    EXPECT_NEAR(s.exitMach, 3.9225518209, 1e-8);
    EXPECT_NEAR(s.exitPressureRatio, 0.0073063785, 1e-9);
    EXPECT_NEAR(s.exitTemperatureRatio, 0.2452613931, 1e-9);
    EXPECT_NEAR(s.exitPressureBar, 0.146127570, 1e-8);
    EXPECT_NEAR(s.thrustCoefficientVacuum, 1.6469291661, 1e-8);
    EXPECT_NEAR(s.thrustCoefficientAmbient, 1.1403041661, 1e-8);
    EXPECT_EQ(s.expansion, Expansion::Over);
    EXPECT_TRUE(s.separationLikely);

    // A hotter gas in vacuum: gamma 1.2, epsilon 10.
    s = Summary(10, 1.2, 70, 0);
    EXPECT_NEAR(s.exitMach, 3.2783407930, 1e-8);
    EXPECT_NEAR(s.exitPressureRatio, 0.0125372722, 1e-9);
    EXPECT_NEAR(s.thrustCoefficientVacuum, 1.7423074795, 1e-8);
    EXPECT_EQ(s.thrustCoefficientAmbient, s.thrustCoefficientVacuum);
    EXPECT_EQ(s.expansion, Expansion::Under);
    EXPECT_FALSE(s.separationLikely);
}

TEST(DesignSummary, ExpansionAgainstTheAmbientPressure) {
    const double pe = Summary(10, 1.4).exitPressureBar;
    EXPECT_EQ(Summary(10, 1.4, 20, pe).expansion, Expansion::Ideal);
    EXPECT_EQ(Summary(10, 1.4, 20, pe * 1.02).expansion, Expansion::Over);
    EXPECT_FALSE(Summary(10, 1.4, 20, pe * 1.02).separationLikely);
    EXPECT_EQ(Summary(10, 1.4, 20, pe * 0.98).expansion, Expansion::Under);
    // At the matched pressure the pressure term vanishes: ambient equals vacuum
    // less pa/p0 times the area ratio.
    const DesignSummary matched = Summary(10, 1.4, 20, pe);
    EXPECT_NEAR(matched.thrustCoefficientAmbient, matched.thrustCoefficientVacuum - pe / 20 * 10, 1e-12);
}

TEST(DesignSummary, WallAreaAndVolumeOfClosedFormShapes) {
    // A cylinder of radius 2 and length 3, and a frustum from radius 1 to 2.
    DesignSummary s = SummarizeDesign(TableFor(4, {{0, 2}, {3, 2}}), {}, "test");
    EXPECT_NEAR(s.wallArea, 2 * M_PI * 2 * 3, 1e-5);
    EXPECT_NEAR(s.volume, M_PI * 4 * 3, 1e-5);
    s = SummarizeDesign(TableFor(4, {{0, 1}, {1, 2}}), {}, "test");
    EXPECT_NEAR(s.wallArea, M_PI * 3 * std::sqrt(2.0), 1e-5);
    EXPECT_NEAR(s.volume, M_PI * 7 / 3, 1e-5);
}

// pi times the integral of y^2 along x, for y = c - R cos(phi), x = R sin(phi).
double ArcVolume(double c, double R, double from, double to) {
    const int n = 2000;
    const double h = (to - from) / n;
    double sum = 0;
    for (int i = 0; i <= n; ++i) {
        const double phi = from + i * h;
        const double y = c - R * std::cos(phi);
        const double f = y * y * R * std::cos(phi);
        sum += f * ((i == 0 || i == n) ? 1 : (i % 2 ? 4 : 2));
    }
    return M_PI * sum * h / 3;
}

TEST(DesignSummary, WallAreaAndVolumeOfTheConeAgainstItsExactShape) {
    ScratchFolder folder;
    const std::string path = folder.Path("zelto_perfil.txt");
    RunConicalNozzleDesign(5.0f, 10.0f, path);
    const DesignSummary s = SummarizeProfileFile(path, {});
    // Both arcs lie on one circle of radius 3.75 centred 6.25 off the axis;
    // the contour starts at x = -2.65 and turns straight at 15 degrees.
    const double Rt = 2.5, R = 3.75, c = Rt + R, eps = 10;
    const double start = std::asin(-2.65 / R), turn = M_PI / 12;
    const double yt = c - R * std::cos(turn), xt = R * std::sin(turn);
    const double Re = std::sqrt(eps) * Rt, xe = xt + (Re - yt) / std::tan(turn);
    const double arcArea = 2 * M_PI * R * (c * (turn - start) - R * (std::sin(turn) - std::sin(start)));
    const double wallArea = arcArea + M_PI * (yt + Re) * std::hypot(xe - xt, Re - yt);
    const double volume =
        ArcVolume(c, R, start, turn) + M_PI * (xe - xt) * (yt * yt + yt * Re + Re * Re) / 3;
    EXPECT_NEAR(s.wallArea, wallArea, wallArea * 1e-4);
    EXPECT_NEAR(s.volume, volume, volume * 1e-4);
    EXPECT_TRUE(s.conical);
    EXPECT_NEAR(s.divergenceFactor, 0.9829629131, 1e-9);
    EXPECT_EQ(s.lengthSaved, 0.0);
    EXPECT_NEAR(s.length, xe, 1e-4);
}

TEST(DesignSummary, BellLengthAgainstItsReferenceCone) {
    ScratchFolder folder;
    const std::string path = folder.Path("zelto_perfil.txt");
    for (const float percent : {60.0f, 80.0f, 100.0f}) {
        RunDesign(5.0f, percent, 10.0f, path);
        const DesignSummary s = SummarizeProfileFile(path, {});
        EXPECT_FALSE(s.conical);
        EXPECT_EQ(s.divergenceFactor, 0.0);
        EXPECT_NEAR(s.coneLength, 20.668, 1e-3);
        EXPECT_NEAR(s.lengthSavedPercent, 100 - percent, 1e-3);
        EXPECT_NEAR(s.lengthSaved + s.length, s.coneLength, 1e-9);
        EXPECT_NEAR(s.areaRatio, 10, 1e-4);
        EXPECT_EQ(s.epsilonEntered, 10);
        EXPECT_EQ(s.throatDiameter, 5);
    }
}

TEST(DesignSummary, TextAndJsonOfTheInitialDesign) {
    ScratchFolder folder;
    const std::string path = folder.Path("zelto_perfil.txt");
    RunDesign(5.0f, 80.0f, 10.0f, path);
    const DesignSummary bell = SummarizeProfileFile(path, {});
    EXPECT_EQ(FormatSummaryText(bell), Golden("summary/initial_design.txt"));
    EXPECT_EQ(FormatSummaryJson(bell), Golden("summary/initial_design.json"));
    RunConicalNozzleDesign(5.0f, 10.0f, path);
    const std::string cone = FormatSummaryText(SummarizeProfileFile(path, {}));
    EXPECT_EQ(cone.rfind("nozzle=conical", 0), 0u);
    EXPECT_NE(cone.find("\ndivergence_factor=0.982963 "), std::string::npos);
    EXPECT_NE(FormatSummaryJson(SummarizeProfileFile(path, {})).find("\"divergence_factor\": 0.982963\n"),
              std::string::npos);
}

TEST(DesignSummary, RefusesConditionsWithoutMeaningAndUnusableFiles) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    const struct {
        FlowConditions flow;
        const char* mentions;
    } cases[] = {{{1.0, 20, 1}, "gamma"},   {{0.9, 20, 1}, "gamma"},   {{kNaN, 20, 1}, "gamma"},
                 {{kInf, 20, 1}, "gamma"},  {{50, 20, 1}, "gamma"},    {{1e300, 20, 1}, "gamma"},
                 {{1.4, 0, 1}, "p0"},       {{1.4, -5, 1}, "p0"},
                 {{1.4, kNaN, 1}, "p0"},    {{1.4, kInf, 1}, "p0"},    {{1.4, 20, -0.1}, "pa"},
                 {{1.4, 20, kNaN}, "pa"},   {{1.4, 20, kInf}, "pa"}};
    for (const auto& c : cases) {
        try {
            SummarizeDesign(TableFor(10), c.flow, "test");
            ADD_FAILURE() << "accepted conditions that should mention " << c.mentions;
        } catch (const Error& error) {
            EXPECT_NE(std::string(error.what()).find(c.mentions), std::string::npos) << error.what();
            EXPECT_FALSE(error.Portuguese().empty());
        }
    }
    ScratchFolder folder;
    EXPECT_THROW(SummarizeProfileFile(folder.Path("zelto_perfil.txt"), {}), Error);

    ProfileTable noRadius = TableFor(10);
    noRadius.Header.erase(noRadius.Header.begin() + 1);
    try {
        SummarizeDesign(noRadius, {}, "p.txt");
        ADD_FAILURE() << "accepted a header without Rt";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("\"Rt=\""), std::string::npos) << error.what();
    }
    ProfileTable narrowing = TableFor(10);
    narrowing.Header[12] = "Re=0.5 cm\n";
    EXPECT_THROW(SummarizeDesign(narrowing, {}, "p.txt"), Error);
    ProfileTable noDesign = TableFor(10);
    noDesign.Header[2] = "epsilon=0.5\n";
    EXPECT_THROW(SummarizeDesign(noDesign, {}, "p.txt"), Error);
}

}  // namespace
}  // namespace bellnozzle

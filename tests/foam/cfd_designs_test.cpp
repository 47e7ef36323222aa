// Real solver runs from the 1-D start on 50 x 10 cells, each ended by its
// run-time control once settled: two bells of high area ratio (which the fill
// start left unsettled or 9 % short of mass flow) against the 2-D analysis of
// the same wall, and a hand-written cone through to its wall pressure.
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>

#include "foam_case/case_report.h"
#include "foam_case/case_run.h"
#include "foam_case/case_writer.h"
#include "foam_test_support.h"

namespace bellnozzle {
namespace {

using namespace foamtest;

struct DesignCase {
    const char* name;
    float diameterCm, lengthPercent, epsilon;  // 0: the hand-written cone
};

class CfdDesign : public ::testing::TestWithParam<DesignCase> {};

CaseReport RunSettled(const fs::path& dir) {
    const std::string caseDir = (dir / "nozzle_case").string();
    CaseSettings settings;
    settings.axialCells = 50;
    settings.radialCells = 10;
    WriteCase((dir / "zelto_perfil.txt").string(), caseDir, settings, false);
    const CaseRunResult result = RunCaseFolder(caseDir, {});
    EXPECT_EQ(result.outcome, RunOutcome::Finished) << result.english;
    const CaseReport r = ReadCaseReport(caseDir);
    std::cout << FormatReportText(r) << "wall time " << result.wallSeconds << " s\n";
    EXPECT_TRUE(r.settled) << r.settledWhy;
    EXPECT_LT(r.timeReached, r.endTime);  // ended by its run-time control
    EXPECT_LT(std::fabs(r.massImbalance), 0.001);
    return r;
}

TEST_P(CfdDesign, SettlesOnTheAnalysisOfTheSameWall) {
    ASSERT_FALSE(FindProgram("rhoCentralFoam").empty()) << "install the Debian package openfoam";
    const DesignCase d = GetParam();
    const fs::path dir = FreshFolder();
    foamtest::Design(dir, d.diameterCm, d.lengthPercent, d.epsilon);
    const CaseReport r = RunSettled(dir);
    ASSERT_TRUE(r.analysisUnavailable.empty()) << r.analysisUnavailable;
    EXPECT_NEAR(r.dischargeCoefficientCfd, r.dischargeCoefficientMoc, 0.01 * r.dischargeCoefficientMoc);
    EXPECT_NEAR(r.machExitCfd, r.machExitMoc, 0.02 * r.machExitMoc);
    EXPECT_NEAR(r.thrustCoefficientCfd, r.cfVacuumMoc, 0.015 * r.cfVacuumMoc);
}

INSTANTIATE_TEST_SUITE_P(Bells, CfdDesign,
                         ::testing::Values(DesignCase{"d2_5cm_90pc_eps25", 2.5f, 90, 25},
                                           DesignCase{"d10cm_100pc_eps50", 10, 100, 50}),
                         [](const auto& info) { return std::string(info.param.name); });

// Not a bell: the 45-degree cone into a tight throat and the 15-degree cone
// out run end to end, and the wall pressure falls from about the chamber's
// at the inlet to near the 1-D exit value, face by face along the whole wall.
TEST(CfdCone, RunsEndToEndAndReportsItsWallPressure) {
    ASSERT_FALSE(FindProgram("rhoCentralFoam").empty()) << "install the Debian package openfoam";
    const fs::path dir = FreshFolder();
    WriteConeProfile(dir);
    const CaseReport r = RunSettled(dir);
    ASSERT_EQ(r.wall.size(), 50u);
    EXPECT_GT(r.wall.front().pRatio, 0.9);
    EXPECT_NEAR(r.wall.back().pRatio, r.wall1d.back().pRatio, 0.3 * r.wall1d.back().pRatio);
    EXPECT_GT(r.wall.front().xCm, -1.3);
    EXPECT_LT(r.wall.back().xCm, 8.2);
    EXPECT_GT(r.dischargeCoefficientCfd, 0.95);
    EXPECT_LT(r.dischargeCoefficientCfd, 1.0);
}

}  // namespace
}  // namespace bellnozzle

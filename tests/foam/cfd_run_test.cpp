// Real solver runs of the initial design's case on a 50 x 10 mesh: stopped
// partway and run again, settled against 1-D theory worked out here, and the
// same on two processes. The tests share one case and run in this order.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "core/error.h"
#include "core/profile_reader.h"
#include "foam_case/case_report.h"
#include "foam_case/case_run.h"
#include "foam_case/case_writer.h"
#include "foam_case/mach_field.h"
#include "foam_test_support.h"

namespace bellnozzle {
namespace {

using namespace foamtest;

constexpr int kAxialCells = 50, kRadialCells = 10;

class CfdRun : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = fs::path(BELLNOZZLE_FOAM_TEST_WORK_DIR) / "CfdRun";
        fs::remove_all(dir);
        fs::create_directories(dir);
        Design(dir, 5.0f, 80, 10);
        caseDir = (dir / "nozzle_case").string();
        CaseSettings settings;
        settings.axialCells = kAxialCells;
        settings.radialCells = kRadialCells;
        WriteCase((dir / "zelto_perfil.txt").string(), caseDir, settings, false);
    }
    static inline fs::path dir;
    static inline std::string caseDir;
    static inline std::optional<CaseReport> serial;
};

TEST_F(CfdRun, StopsPartwayAndLeavesACaseThatRunsAgain) {
    ASSERT_FALSE(FindProgram("rhoCentralFoam").empty()) << "install the Debian package openfoam";
    CaseRunOptions options;
    double reached = 0;
    options.onProgress = [&](const RunProgress& progress) { reached = progress.simulatedTime; };
    options.shouldStop = [&] { return reached > 0; };
    const CaseRunResult result = RunCaseFolder(caseDir, options);
    EXPECT_EQ(result.outcome, RunOutcome::Stopped) << result.english;
    EXPECT_GT(reached, 0);
    EXPECT_TRUE(fs::exists(fs::path(caseDir) / "Allrun"));
    // Stopped before its first records were written or with too few: no settled result.
    try {
        EXPECT_FALSE(ReadCaseReport(caseDir).settled);
    } catch (const Error&) {
    }
}

TEST_F(CfdRun, SerialRunSettlesOnOneDimensionalTheory) {
    std::vector<double> fractions;
    CaseRunOptions options;
    options.onProgress = [&](const RunProgress& progress) { fractions.push_back(progress.Fraction()); };
    const CaseRunResult result = RunCaseFolder(caseDir, options);
    ASSERT_EQ(result.outcome, RunOutcome::Finished) << result.english;
    ASSERT_FALSE(fractions.empty());
    EXPECT_TRUE(std::is_sorted(fractions.begin(), fractions.end()));

    const CaseReport report = ReadCaseReport(caseDir);
    // Progress runs against the end time, the upper bound of a run that ends once settled.
    EXPECT_GT(fractions.back(), 0.5 * report.timeReached / report.endTime);
    serial = report;
    EXPECT_TRUE(report.settled) << report.settledWhy;

    // Theory from the profile's own throat and exit, worked out here.
    const ProfileTable profile = ReadProfileTable((dir / "zelto_perfil.txt").string());
    double throat = 1e9;
    for (int k = 1; k <= profile.Count; ++k) throat = std::min(throat, profile.Y[k] / 100.0);
    const double epsilon = std::pow(profile.Y[profile.Count] / 100.0 / throat, 2);
    const double mach = SupersonicMach(epsilon, 1.4);
    const double choked = ChokedFlow(M_PI * throat * throat, 20e5, 3000, 1.4, 8314.462618 / 28.96);
    EXPECT_NEAR(report.machExitCfd, mach, 0.03 * mach);
    EXPECT_LE(report.massFlowCfd, choked);
    EXPECT_GE(report.massFlowCfd, 0.95 * choked);
    EXPECT_LT(std::fabs(report.massImbalance), 0.001);
    // Against the 2-D analysis of the same wall.
    EXPECT_TRUE(report.analysisUnavailable.empty()) << report.analysisUnavailable;
    if (report.analysisUnavailable.empty()) {
        EXPECT_NEAR(report.dischargeCoefficientCfd, report.dischargeCoefficientMoc,
                    0.01 * report.dischargeCoefficientMoc);
        EXPECT_NEAR(report.machExitCfd, report.machExitMoc, 0.02 * report.machExitMoc);
        EXPECT_NEAR(report.thrustCoefficientCfd, report.cfVacuumMoc, 0.015 * report.cfVacuumMoc);
    }
    EXPECT_EQ(report.wall.size(), std::size_t(kAxialCells));

    const MachField field = ReadMachField(caseDir);
    EXPECT_EQ(field.outlines.size(), std::size_t(2 * kAxialCells * kRadialCells));
    // The run-time control ended it once settled, well before its end time,
    // and the fields were written where it stopped (within one sampling).
    EXPECT_LT(report.timeReached, 0.5 * report.endTime);
    EXPECT_NEAR(field.time, report.timeReached, report.endTime / 400);
    EXPECT_GT(field.minMach, 0.01);
    EXPECT_LT(field.minMach, 0.5);  // the inlet is subsonic
    EXPECT_GT(field.maxMach, mach);
    EXPECT_LT(field.maxMach, 2 * mach);
    EXPECT_NEAR(field.maxR, profile.Y[1] > profile.Y[profile.Count] ? profile.Y[1] / 100.0
                                                                   : profile.Y[profile.Count] / 100.0,
                1e-6);
}

TEST_F(CfdRun, TwoProcessesGiveTheSerialResult) {
    ASSERT_TRUE(serial.has_value()) << "the serial run failed";
    CaseRunOptions options;
    options.processes = 2;
    const CaseRunResult result = RunCaseFolder(caseDir, options);
    ASSERT_EQ(result.outcome, RunOutcome::Finished) << result.english;
    EXPECT_TRUE(fs::exists(fs::path(caseDir) / "processor1"));
    const CaseReport parallel = ReadCaseReport(caseDir);
    EXPECT_TRUE(parallel.settled) << parallel.settledWhy;
    EXPECT_NEAR(parallel.machExitCfd, serial->machExitCfd, 0.005 * serial->machExitCfd);
    EXPECT_NEAR(parallel.massFlowCfd, serial->massFlowCfd, 0.005 * serial->massFlowCfd);
    EXPECT_NEAR(parallel.thrustCfd, serial->thrustCfd, 0.005 * serial->thrustCfd);
}

TEST_F(CfdRun, ReportDrawsTheMachPictureOrWritesNothing) {
    ASSERT_TRUE(serial.has_value()) << "the serial run failed";
    const fs::path picture = dir / "mach.png";
    fs::remove(picture);
#ifdef BELLNOZZLE_TEST_WITH_GUI
    ASSERT_EQ(RunCommand(dir, "report nozzle_case --png mach.png"), 0);
    const std::string bytes = ReadBytes(picture);
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(0, 8), "\x89PNG\r\n\x1a\n");
    // The width in the header: the picture is drawn 1000 pixels wide.
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    EXPECT_EQ((byte(16) << 24) | (byte(17) << 16) | (byte(18) << 8) | byte(19), 1000);
    // A folder that is not there: one refusal, nothing written.
    EXPECT_EQ(RunCommand(dir, "report nozzle_case --png missing/mach.png"), 1);
    EXPECT_FALSE(fs::exists(dir / "missing"));
#else
    EXPECT_EQ(RunCommand(dir, "report nozzle_case --png mach.png"), 1);
    EXPECT_FALSE(fs::exists(picture));
#endif
}

}  // namespace
}  // namespace bellnozzle

// Reading a run back: the records of the function objects (as OpenFOAM
// writes them, restarts and cut-off lines included), the report's scaling
// from the wedge to the whole nozzle, the settled verdict, and following the
// solver's log while it grows.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <regex>

#include "core/error.h"
#include "foam_case/case_report.h"
#include "foam_case/case_writer.h"
#include "foam_case/solver_log.h"
#include "foam_test_support.h"

namespace bellnozzle {
namespace {

using namespace foamtest;

std::string Exact(double value) {
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

TEST(SampleRows, ReadsScalarsAndVectorsAndDropsACutOffLine) {
    const auto rows = ReadSampleRows(
        "# Region type : patch outlet\n# Time  \tweightedSum(U)\n"
        "1e-06\t(8.3e+01 4.4e-14 1.3e+01)\n"
        "2e-06\t(8.4e+01 -2e-11 1.4e+01)\n"
        "3e-06\t(8.5e+01 1e-");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1], (std::vector<double>{2e-6, 84, -2e-11, 14}));
    EXPECT_EQ(ReadSampleRows("# Time sum(phi)\n0.1\t-0.04\n0.2\t-0.0").size(), 2u);
    EXPECT_TRUE(ReadSampleRows("# only a header\n").empty());
}

// A case written for real, with records made up here: the wedge's inlet
// takes in `flow` kg/s and the outlet lets out `flow * (1 - imbalance)`.
class CaseReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = FreshFolder();
        Design(dir, 5.0f, 80, 10);
        caseDir = dir / "nozzle_case";
        WriteCase((dir / "zelto_perfil.txt").string(), caseDir.string(), {}, false);
        endTime = ReadRecordedCase(caseDir.string()).endTime;
    }

    // outletFlow(t) gives the outlet's sum(phi) at time t.
    void WriteRecords(double lastTime, const std::function<double(double)>& outletFlow, const char* start = "0") {
        auto file = [&](const char* name, const char* columns, const std::function<std::string(double)>& row) {
            const fs::path folder = caseDir / "postProcessing" / name / start;
            fs::create_directories(folder);
            std::string text = std::string("# Region type : patch\n# Time\t") + columns + "\n";
            for (int i = 1; i <= 40; ++i) {
                const double t = lastTime * i / 40;
                if (t < std::stod(start)) continue;
                text += Exact(t) + "\t" + row(t) + "\n";
            }
            WriteBytes(folder / "surfaceFieldValue.dat", text);
        };
        file("inletFlow", "sum(phi)", [&](double) { return "-0.04"; });
        file("outletFlow", "sum(phi)", [&](double t) { return Exact(outletFlow(t)); });
        file("inletAverage", "areaAverage(Ma)\tareaAverage(p)\tareaAverage(T)",
             [&](double) { return "0.35\t1.84e6\t2930"; });
        file("outletAverage", "areaAverage(Ma)\tareaAverage(p)\tareaAverage(T)",
             [&](double) { return "3.9\t15000\t740"; });
        file("outletMomentum", "weightedSum(U)", [&](double) { return "(83 0 13)"; });
        file("outletPressure", "areaIntegrate(p)", [&](double) { return "4"; });
    }

    fs::path dir, caseDir;
    double endTime = 0;
};

TEST_F(CaseReportTest, ScalesTheWedgeToTheWholeNozzleAndComparesWithTheory) {
    WriteRecords(endTime, [](double) { return 0.0399; });
    const CaseReport r = ReadCaseReport(caseDir.string());
    // The wedge's inlet and outlet faces are triangles of r^2 sin(a) cos(a),
    // a = 2.5 degrees in single precision.
    const double a = double(0.0436332f);
    const double whole = M_PI / (double(float(std::sin(a))) * double(float(std::cos(a))));
    EXPECT_NEAR(r.massFlowCfd, 0.0399 * whole, 1e-9);
    EXPECT_NEAR(r.massFlowInletCfd, 0.04 * whole, 1e-9);
    EXPECT_NEAR(r.massImbalance, 0.0025, 1e-12);
    EXPECT_NEAR(r.thrustCfd, (83 + 4) * whole, 1e-9);
    EXPECT_DOUBLE_EQ(r.machExitCfd, 3.9);
    EXPECT_DOUBLE_EQ(r.pressureRatioCfd, 15000 / 20e5);
    EXPECT_DOUBLE_EQ(r.temperatureRatioCfd, 740.0 / 3000);

    const double throat = 0.0250005;  // m, the smallest radius of the profile
    EXPECT_NEAR(r.massFlow1d, ChokedFlow(M_PI * throat * throat, 20e5, 3000, 1.4, 8314.462618 / 28.96),
                1e-5 * r.massFlow1d);
    EXPECT_NEAR(r.machExit1d, SupersonicMach(r.areaRatio, 1.4), 1e-9);
    EXPECT_NEAR(r.thrustCoefficientCfd, r.thrustCfd / (20e5 * M_PI * throat * throat), 1e-4);
    EXPECT_TRUE(r.settled) << r.settledWhy;

    const std::string json = FormatReportJson(r);
    for (const char* key : {"mach_exit_cfd", "mach_exit_1d", "mass_flow_cfd", "mass_flow_1d", "mass_imbalance",
                            "thrust_cfd", "thrust_coefficient_cfd"}) {
        EXPECT_TRUE(std::regex_search(json, std::regex(std::string("\"") + key + "\": -?[0-9]"))) << key;
    }
    EXPECT_NE(json.find("\"settled\": true"), std::string::npos);
    const std::string text = FormatReportText(r);
    EXPECT_NE(text.find("mass flow (kg/s)"), std::string::npos);
    EXPECT_NE(text.find("settled: yes"), std::string::npos);
    EXPECT_NE(FormatReportText(r, true).find("regime permanente: sim"), std::string::npos);
}

TEST_F(CaseReportTest, NotSettledWhenStillChangingOrStoppedShort) {
    WriteRecords(endTime, [](double t) { return 0.04 * (1 + 0.02 * std::sin(t * 1e5)); });
    CaseReport r = ReadCaseReport(caseDir.string());
    EXPECT_FALSE(r.settled);
    EXPECT_NE(r.settledWhy.find("varied"), std::string::npos) << r.settledWhy;

    fs::remove_all(caseDir / "postProcessing");
    WriteRecords(endTime / 2, [](double) { return 0.04; });
    r = ReadCaseReport(caseDir.string());
    EXPECT_FALSE(r.settled);
    EXPECT_NEAR(r.timeReached, endTime / 2, endTime * 1e-6);
    EXPECT_NE(FormatReportJson(r).find("\"settled\": false"), std::string::npos);

    // A steady flow that loses mass between inlet and outlet has not settled either.
    fs::remove_all(caseDir / "postProcessing");
    WriteRecords(endTime, [](double) { return 0.038; });
    EXPECT_FALSE(ReadCaseReport(caseDir.string()).settled);
}

TEST_F(CaseReportTest, ARestartedRunsRecordsReplaceTheOnesTheyOverlap) {
    WriteRecords(endTime, [](double) { return 0.03; });
    WriteRecords(endTime, [](double) { return 0.0399; }, "0.0005");
    const CaseReport r = ReadCaseReport(caseDir.string());
    EXPECT_NEAR(r.massImbalance, 0.0025, 1e-12);
    EXPECT_TRUE(r.settled) << r.settledWhy;
}

TEST_F(CaseReportTest, MissingRecordsAskForARun) {
    try {
        ReadCaseReport(caseDir.string());
        ADD_FAILURE() << "reported a case that never ran";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("run it first"), std::string::npos);
    }
}

TEST(SolverLog, FollowsTheTimeLinesAsTheLogGrows) {
    const fs::path dir = FreshFolder();
    const fs::path log = dir / "log.rhoCentralFoam";
    LogFollower follower(log.string());
    EXPECT_LT(follower.LastTime(), 0);  // no log yet
    WriteBytes(log, "Starting time loop\n\nMean and max Courant Numbers = 0 0.2\ndeltaT = 1e-09\nTime = 1e-09\n\n"
                    "ExecutionTime = 0.1 s  ClockTime = 0 s\nTime = 2.5e-0");
    EXPECT_DOUBLE_EQ(follower.LastTime(), 1e-9);  // the unfinished line does not count yet
    std::ofstream(log, std::ios::app) << "7\n\nExecutionTime = 0.2 s  ClockTime = 1 s\n";
    EXPECT_DOUBLE_EQ(follower.LastTime(), 2.5e-7);
    WriteBytes(log, "Time = 3e-09\n");  // a new run started over
    EXPECT_DOUBLE_EQ(follower.LastTime(), 3e-9);
    EXPECT_DOUBLE_EQ(LastSolverTime("Time = 1\nTime = 2\nExecutionTime = 3 s\n"), 2);

    EXPECT_EQ(CurrentAllrunStep(""), "");
    EXPECT_EQ(CurrentAllrunStep("Allrun: blockMesh\nAllrun: checkMesh\n"), "checkMesh");
    EXPECT_EQ(CurrentAllrunStep("Allrun: decomposePar -force\nAllrun: mpirun -np 2 rhoCentralFoam -parallel\n"),
              "rhoCentralFoam");
}

}  // namespace
}  // namespace bellnozzle

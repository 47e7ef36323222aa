// The case, cfd and report commands as a user types them: defaults, option
// text that is refused with one line and nothing written, wrong usage, and
// the no-overwrite rule with and without --force.
#include <gtest/gtest.h>

#include "foam_case/case_folder.h"
#include "foam_test_support.h"

namespace bellnozzle {
namespace {

using namespace foamtest;

class CaseCommand : public ::testing::Test {
protected:
    void SetUp() override {
        dir = FreshFolder();
        Design(dir, 5.0f, 80, 10);
    }
    std::string Stderr() { return ReadBytes(dir / "stderr.txt"); }
    fs::path dir;
};

TEST_F(CaseCommand, DefaultsBesideTheProfileOrWhereTold) {
    ASSERT_EQ(RunCommand(dir, "case"), 0) << Stderr();
    EXPECT_EQ(ReadBytes(dir / "stdout.txt"), "case=nozzle_case\n");
    const std::string marker = ReadBytes(dir / "nozzle_case" / kCaseMarkerName);
    for (const char* value : {"chamber_pressure_pa=2000000\n", "chamber_temperature_k=3000\n", "axial_cells=100\n",
                              "radial_cells=20\n", "processes=1\n"}) {
        EXPECT_NE(marker.find(value), std::string::npos) << value;
    }
    fs::create_directories(dir / "runs");
    ASSERT_EQ(RunCommand(dir / "runs", "case --dir .. --out small --p0 2.5e1 --T0=2800 --nx 50 --ny 10 --np 2"), 0)
        << ReadBytes(dir / "runs/stderr.txt");
    EXPECT_NE(ReadBytes(dir / "runs/small/0/p").find("p0              uniform 2500000;"), std::string::npos);
    EXPECT_NE(ReadBytes(dir / "runs/small/system/decomposeParDict").find("numberOfSubdomains 2;"),
              std::string::npos);
}

TEST_F(CaseCommand, RefusesBadValuesInOneLineAndWritesNothing) {
    for (const char* options :
         {"--p0 0", "--p0 -1", "--p0 abc", "--p0 20bar", "--p0 inf", "--p0 nan", "--p0 1e999", "--p0 ''",
          "--p0 2,5", "--T0 0", "--gamma 1", "--gamma 0.9", "--molar-mass 0", "--nx 0", "--ny -1", "--nx 2.5",
          "--nx 1000000", "--nx 20000 --ny 20000", "--np 0", "--nx 3 --np 4", "--dir nowhere"}) {
        EXPECT_EQ(RunCommand(dir, std::string("case ") + options), 1) << options;
        const std::string message = Stderr();
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << options << ": " << message;
        EXPECT_EQ(message.rfind("bellnozzle: ", 0), 0u) << message;
        EXPECT_FALSE(fs::exists(dir / "nozzle_case")) << options;
    }
}

TEST_F(CaseCommand, WrongUsageIsStatusTwo) {
    EXPECT_EQ(RunCommand(dir, "case --pressure 20"), 2);
    EXPECT_EQ(RunCommand(dir, "case --p0"), 2);
    EXPECT_EQ(RunCommand(dir, "case extra"), 2);
    EXPECT_EQ(RunCommand(dir, "cfd"), 2);
    EXPECT_EQ(RunCommand(dir, "report --json"), 2);
    EXPECT_EQ(RunCommand(dir, "report x --colour red"), 2);
    EXPECT_EQ(RunCommand(dir, "case --help"), 0);
    EXPECT_NE(ReadBytes(dir / "stdout.txt").find("--molar-mass"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "nozzle_case"));
}

TEST_F(CaseCommand, KeepsResultsUnlessForced) {
    ASSERT_EQ(RunCommand(dir, "case"), 0);
    fs::create_directories(dir / "nozzle_case/0.001");
    WriteBytes(dir / "nozzle_case/0.001/p", "result");
    EXPECT_EQ(RunCommand(dir, "case --nx 60"), 1);
    EXPECT_NE(Stderr().find("results of a run (0.001/p)"), std::string::npos) << Stderr();
    EXPECT_EQ(ReadBytes(dir / "nozzle_case/0.001/p"), "result");
    ASSERT_EQ(RunCommand(dir, "case --nx 60 --force"), 0) << Stderr();
    EXPECT_FALSE(fs::exists(dir / "nozzle_case/0.001"));
}

TEST_F(CaseCommand, RunAndReportRefuseWhatIsNoFinishedCase) {
    fs::create_directories(dir / "plain");
    EXPECT_EQ(RunCommand(dir, "cfd plain"), 1);
    EXPECT_NE(Stderr().find("not a case written by bellnozzle"), std::string::npos) << Stderr();
    EXPECT_EQ(RunCommand(dir, "report plain --json"), 1);
    ASSERT_EQ(RunCommand(dir, "case --nx 10"), 0);
    EXPECT_EQ(RunCommand(dir, "report nozzle_case"), 1);
    EXPECT_NE(Stderr().find("run it first"), std::string::npos) << Stderr();
    EXPECT_EQ(RunCommand(dir, "cfd nozzle_case --np 11"), 1);
    EXPECT_NE(Stderr().find("processes"), std::string::npos) << Stderr();
}

}  // namespace
}  // namespace bellnozzle

// The case's mesh in the real blockMesh and checkMesh across the chart, from
// a 1 mm to a 2 m throat: every cell built, "Mesh OK." and no wedge side
// found non-planar (six-digit coordinates fail this from a 10 cm throat on).
#include <gtest/gtest.h>

#include "foam_case/case_writer.h"
#include "foam_test_support.h"

namespace bellnozzle {
namespace {

using namespace foamtest;

struct ChartCorner {
    float epsilon;
    float lengthPercent;
};

class CaseMeshInTools : public ::testing::TestWithParam<float> {};

TEST_P(CaseMeshInTools, ChecksCleanAcrossTheChart) {
    ASSERT_FALSE(FindProgram("checkMesh").empty()) << "install the Debian package openfoam";
    const float diameter = GetParam();
    for (const ChartCorner corner : {ChartCorner{5, 60}, ChartCorner{50, 100}, ChartCorner{20, 80}}) {
        SCOPED_TRACE(::testing::Message() << diameter << " cm, epsilon " << corner.epsilon << ", "
                                          << corner.lengthPercent << " %");
        const fs::path dir = FreshFolder() / ("epsilon" + std::to_string(int(corner.epsilon)));
        fs::create_directories(dir);
        Design(dir, diameter, corner.lengthPercent, corner.epsilon);
        const fs::path caseDir = dir / "nozzle_case";
        WriteCase((dir / "zelto_perfil.txt").string(), caseDir.string(), {}, false);

        ASSERT_TRUE(RunFoam(caseDir, {"blockMesh"}).Succeeded()) << ReadBytes(caseDir / "log.blockMesh");
        EXPECT_NE(ReadBytes(caseDir / "log.blockMesh").find("nCells: 2000\n"), std::string::npos);
        ASSERT_TRUE(RunFoam(caseDir, {"checkMesh"}).Succeeded());
        const std::string log = ReadBytes(caseDir / "log.checkMesh");
        EXPECT_NE(log.find("\nMesh OK.\n"), std::string::npos) << log;
        EXPECT_EQ(log.find("not planar"), std::string::npos);
        EXPECT_EQ(log.find("***"), std::string::npos) << log;
    }
}

// Throat diameters in cm.
INSTANTIATE_TEST_SUITE_P(Throats, CaseMeshInTools, ::testing::Values(0.1f, 2.0f, 20.0f, 200.0f),
                         [](const auto& info) { return "diameter_mm_" + std::to_string(int(info.param * 10)); });

}  // namespace
}  // namespace bellnozzle

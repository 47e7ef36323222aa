// The case's mesh in the real blockMesh and checkMesh across the chart, from
// a 1 mm to a 2 m throat: every cell built, "Mesh OK." and no wedge side
// found non-planar (six-digit coordinates fail this from a 10 cm throat on).
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <regex>

#include "foam_case/case_writer.h"
#include "foam_case/initial_flow.h"
#include "foam_case/throat_points.h"
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

// The 1-D start places each cell by its own estimate of blockMesh's cell
// centres: a cell started at the flow of another position would start off
// its isentrope. Checked against the centres blockMesh builds, for a bell
// and a hand-written cone, within a third of the cell's own size.
TEST(CaseCellCentres, EstimatesLieWithinAThirdOfACellOfBlockMeshs) {
    ASSERT_FALSE(FindProgram("postProcess").empty()) << "install the Debian package openfoam";
    for (const bool cone : {false, true}) {
        SCOPED_TRACE(cone ? "cone" : "bell");
        const fs::path dir = FreshFolder() / (cone ? "cone" : "bell");
        fs::create_directories(dir);
        if (cone) {
            WriteConeProfile(dir);
        } else {
            Design(dir, 5.0f, 80, 10);
        }
        const fs::path caseDir = dir / "nozzle_case";
        CaseSettings settings;
        settings.axialCells = 50;
        settings.radialCells = 10;
        WriteCase((dir / "zelto_perfil.txt").string(), caseDir.string(), settings, false);
        ASSERT_TRUE(RunFoam(caseDir, {"blockMesh"}).Succeeded()) << ReadBytes(caseDir / "log.blockMesh");
        ASSERT_TRUE(RunFoam(caseDir, {"postProcess", "-func", "writeCellCentres", "-time", "0"}).Succeeded());
        const std::string field = ReadBytes(caseDir / "0/C");
        const std::regex vector(R"(\((-?[0-9.e+-]+) (-?[0-9.e+-]+) (-?[0-9.e+-]+)\))");
        const std::size_t from = field.find("internalField"), to = field.find("boundaryField");
        const std::string cells = field.substr(from, to - from);
        std::vector<std::pair<double, double>> built;
        for (auto it = std::sregex_iterator(cells.begin(), cells.end(), vector); it != std::sregex_iterator(); ++it) {
            built.emplace_back(std::stod((*it)[1]), std::stod((*it)[3]));
        }
        const ProfileTable profile = ReadProfileTable((dir / "zelto_perfil.txt").string());
        const WallLine wall(WithThroatArcPoints(profile));
        const std::vector<CellCentre> estimated =
            EstimateCellCentres(wall, ClusterAtThroat(wall, settings.axialCells), settings.radialCells);
        ASSERT_EQ(built.size(), estimated.size());
        double worstX = 0, worstR = 0;
        for (std::size_t c = 0; c < built.size(); ++c) {
            // The cell's own size from its neighbours' estimated centres.
            const std::size_t i = c % 50, k = c / 50;
            const double dx = std::fabs(estimated[i == 49 ? c : c + 1].x - estimated[i == 49 ? c - 1 : c].x);
            const double dr = std::fabs(estimated[k == 9 ? c : c + 50].r - estimated[k == 9 ? c - 50 : c].r);
            // Cell centres lie on the wedge's mid-plane, radially along z, within cos(2.5 degrees).
            worstX = std::max(worstX, std::fabs(built[c].first - estimated[c].x) / dx);
            worstR = std::max(worstR, std::fabs(built[c].second / std::cos(0.0436332) - estimated[c].r) / dr);
        }
        EXPECT_LT(worstX, 1.0 / 3);
        EXPECT_LT(worstR, 1.0 / 3);
        std::cout << (cone ? "cone" : "bell") << ": worst centre error " << worstX << " of a cell along x, "
                  << worstR << " radially\n";
    }
}

}  // namespace
}  // namespace bellnozzle

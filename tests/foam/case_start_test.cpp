// What the case starts from and how it is meshed, without OpenFOAM: the
// cells' split along the axis, the 1-D start's fields against the isentropic
// relations worked out here, the start and the ParaView file in the marker
// and the folder, and the report's wall pressure and settled verdict.
#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <regex>

#include "core/error.h"
#include "core/profile_reader.h"
#include "foam_case/case_folder.h"
#include "foam_case/case_report.h"
#include "foam_case/case_writer.h"
#include "foam_case/mesh_grading.h"
#include "foam_case/throat_points.h"
#include "foam_test_support.h"

namespace bellnozzle {
namespace {

using namespace foamtest;

std::vector<double> Numbers(const std::string& text) {
    std::vector<double> values;
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        double value = 0;
        const auto result = std::from_chars(p, end, value);
        if (result.ec == std::errc()) {
            values.push_back(value);
            p = result.ptr;
        } else {
            ++p;
        }
    }
    return values;
}

// The values of "internalField nonuniform List<TYPE> N ( ... )" in a field file.
std::vector<double> InternalList(const std::string& field, std::size_t& count) {
    const std::size_t at = field.find("internalField   nonuniform List<");
    if (at == std::string::npos) return {};
    const std::size_t open = field.find('(', at), close = field.find("\n)", open);
    count = static_cast<std::size_t>(Numbers(field.substr(at, open - at)).back());
    return Numbers(field.substr(open, close - open));
}

struct GradingCase {
    const char* name;
    int cells;
};

// Every cell count splits whole; the nodes grow from 0 to 1; the smallest
// axial cell lies at the throat and neighbouring cells differ by a bounded
// ratio (a jump would make the solver's reconstruction uneven there).
TEST(MeshGrading, SplitsEveryCellCountAndClustersAtTheThroat) {
    const fs::path dir = FreshFolder();
    const auto profile = [&] { return ReadProfileTable((dir / "zelto_perfil.txt").string()); };
    Design(dir, 5.0f, 80, 10);
    const WallLine bell(profile());
    WriteConeProfile(dir);
    const WallLine cone(profile());
    // A 1 mm throat has two points about its throat: the exported grading.
    Design(dir, 0.1f, 100, 50);
    const AxialGrading coarse = ClusterAtThroat(WallLine(profile()), 100);
    ASSERT_EQ(coarse.axis.size(), 1u);
    EXPECT_EQ(coarse.axis[0].expansion, 3);
    EXPECT_EQ(coarse.wall[0].cells, 100);
    // The chart's other throats are clustered, long bells whose parabola's
    // points lie several centimetres apart too.
    for (const float diameter : {1.0f, 2.5f, 10.0f, 30.0f}) {
        Design(dir, diameter, 100, 50);
        EXPECT_EQ(ClusterAtThroat(WallLine(profile()), 100).axis.size(), 2u) << diameter << " cm";
    }
    for (const WallLine* wall : {&bell, &cone}) {
        for (const int cells : {1, 2, 3, 10, 50, 100, 200}) {
            SCOPED_TRACE(::testing::Message() << (wall == &bell ? "bell" : "cone") << ", " << cells << " cells");
            const AxialGrading g = ClusterAtThroat(*wall, cells);
            int sum = 0;
            for (const GradingRegion& r : g.axis) sum += r.cells;
            EXPECT_EQ(sum, cells);
            for (const auto* regions : {&g.axis, &g.wall}) {
                const std::vector<double> nodes = GradedNodes(*regions);
                ASSERT_EQ(nodes.size(), std::size_t(cells + 1));
                EXPECT_EQ(nodes.front(), 0);
                EXPECT_EQ(nodes.back(), 1);
                EXPECT_TRUE(std::is_sorted(nodes.begin(), nodes.end()));
            }
            if (cells < 50) continue;
            const std::vector<double> nodes = GradedNodes(g.axis);
            const double length = wall->ExitX() - wall->InletX();
            double smallest = 1, atThroat = 0, worstJump = 1;
            for (std::size_t i = 0; i + 1 < nodes.size(); ++i) {
                const double size = nodes[i + 1] - nodes[i];
                smallest = std::min(smallest, size);
                const double from = wall->InletX() + length * nodes[i], to = wall->InletX() + length * nodes[i + 1];
                if (from <= wall->ThroatX() && wall->ThroatX() <= to) atThroat = size;
                if (i > 0) worstJump = std::max(worstJump, std::max(size, nodes[i] - nodes[i - 1]) /
                                                               std::min(size, nodes[i] - nodes[i - 1]));
            }
            EXPECT_NEAR(atThroat, smallest, 1e-9);
            EXPECT_LT(worstJump, 1.15);
            // Well below the mean cell at the throat.
            EXPECT_LT(smallest, 0.75 / cells);
        }
    }
}

// The smallest radius of the wall curve blockMesh builds from the case's
// dictionary: its "spline 2 3" points joined as OpenFOAM's Catmull-Rom
// spline joins them (uniform within each segment, through every point).
double SmallestSplineRadius(const std::string& dict) {
    const std::size_t from = dict.find("spline 2 3 ("), to = dict.find("spline 4 5 (");
    const std::vector<double> v = Numbers(dict.substr(from + 12, to - from - 12));
    std::vector<std::array<double, 3>> p;
    for (std::size_t k = 0; k + 2 < v.size(); k += 3) p.push_back({v[k], v[k + 1], v[k + 2]});
    double smallest = 1e300;
    for (std::size_t k = 1; k + 2 < p.size(); ++k) {
        for (int step = 0; step <= 50; ++step) {
            const double m = step / 50.0;
            std::array<double, 3> c{};
            for (int d = 0; d < 3; ++d) {
                const double p0 = p[k - 1][d], p1 = p[k][d], p2 = p[k + 1][d], p3 = p[k + 2][d];
                c[d] = 0.5 * ((-p0 + 3 * p1 - 3 * p2 + p3) * m * m * m + (2 * p0 - 5 * p1 + 4 * p2 - p3) * m * m +
                              (p2 - p0) * m + 2 * p1);
            }
            smallest = std::min(smallest, std::hypot(c[1], c[2]));
        }
    }
    return smallest;
}

// The mesh's throat is the profile's: a 1 cm bell's points lie a fifth of a
// throat radius apart, coarser than its 0.382 Rt downstream arc, and the
// spline through them alone dipped 0.3 % below the throat radius (0.6 % of
// the area, 1 % of the mass flow). A profile without the header's geometry
// (the hand-made cone) is meshed through its own points only.
TEST(CaseMesh, ThroatOfTheWallSplineIsTheProfiles) {
    const fs::path dir = FreshFolder();
    const fs::path caseDir = dir / "nozzle_case";
    struct Nozzle {
        float diameter, length, epsilon;
    };
    for (const Nozzle n : {Nozzle{1.0f, 60, 5}, Nozzle{5.0f, 80, 10}, Nozzle{0.1f, 100, 50}}) {
        SCOPED_TRACE(::testing::Message() << n.diameter << " cm");
        Design(dir, n.diameter, n.length, n.epsilon);
        const ProfileTable profile = ReadProfileTable((dir / "zelto_perfil.txt").string());
        const ProfileTable meshed = WithThroatArcPoints(profile);
        EXPECT_GT(meshed.Count, profile.Count);
        // Every point of the profile stays, in order, x growing throughout.
        int kept = 1;
        for (int k = 1; k <= meshed.Count && kept <= profile.Count; ++k) {
            if (meshed.X[k] == profile.X[kept] && meshed.Y[k] == profile.Y[kept]) ++kept;
            if (k > 1) EXPECT_GT(meshed.X[k], meshed.X[k - 1]);
        }
        EXPECT_EQ(kept, profile.Count + 1);
        fs::remove_all(caseDir);
        WriteCase((dir / "zelto_perfil.txt").string(), caseDir.string(), {}, false);
        const double throat = n.diameter / 2;
        EXPECT_NEAR(SmallestSplineRadius(ReadBytes(caseDir / "system/blockMeshDict")), throat, 2e-4 * throat);
    }
    WriteConeProfile(dir);
    const ProfileTable cone = ReadProfileTable((dir / "zelto_perfil.txt").string());
    const ProfileTable meshed = WithThroatArcPoints(cone);
    EXPECT_EQ(meshed.X, cone.X);
    EXPECT_EQ(meshed.Y, cone.Y);
}

// Each cell's p and T lie on the isentrope of the chamber, its speed on the
// energy equation, subsonic upstream of the throat and supersonic downstream,
// and the last column near the 1-D exit Mach; worked out here, not by the
// code under test.
TEST(OneDimensionalStart, EveryCellOnTheIsentropeAtItsAxialPosition) {
    const fs::path dir = FreshFolder();
    Design(dir, 5.0f, 80, 10);
    const fs::path caseDir = dir / "nozzle_case";
    CaseSettings settings;
    settings.axialCells = 30;
    settings.radialCells = 7;
    WriteCase((dir / "zelto_perfil.txt").string(), caseDir.string(), settings, false);
    std::size_t np = 0, nt = 0, nu = 0;
    const std::vector<double> p = InternalList(ReadBytes(caseDir / "0/p"), np);
    const std::vector<double> T = InternalList(ReadBytes(caseDir / "0/T"), nt);
    const std::vector<double> U = InternalList(ReadBytes(caseDir / "0/U"), nu);
    ASSERT_EQ(np, 210u);
    ASSERT_EQ(nt, 210u);
    ASSERT_EQ(nu, 210u);
    ASSERT_EQ(p.size(), 210u);
    ASSERT_EQ(T.size(), 210u);
    ASSERT_EQ(U.size(), 3 * 210u);

    const double g = 1.4, R = 8314.462618 / 28.96, cp = g * R / (g - 1);
    const ProfileTable profile = ReadProfileTable((dir / "zelto_perfil.txt").string());
    const double exitMach = SupersonicMach(std::pow(profile.Y[profile.Count] / 2.50005, 2), g);
    int subsonic = 0, supersonic = 0;
    for (std::size_t c = 0; c < 210; ++c) {
        SCOPED_TRACE(c);
        EXPECT_NEAR(p[c] / 20e5, std::pow(T[c] / 3000, g / (g - 1)), 1e-7);
        const double ux = U[3 * c], uy = U[3 * c + 1], uz = U[3 * c + 2];
        EXPECT_EQ(uy, 0);  // on the wedge's mid-plane
        EXPECT_GT(ux, 0);
        const double speed2 = ux * ux + uz * uz;
        EXPECT_NEAR(speed2 / 2 + cp * T[c], cp * 3000, 1e-6 * cp * 3000);
        const double mach = std::sqrt(speed2 / (g * R * T[c]));
        const std::size_t column = c % 30;
        (mach < 1 ? subsonic : supersonic) += 1;
        if (column == 0) EXPECT_LT(mach, 1);   // the inlet
        if (column == 29) EXPECT_NEAR(mach, exitMach, 0.03 * exitMach);
    }
    // The throat sits about a ninth of the way along this nozzle.
    EXPECT_GE(subsonic, 7);
    EXPECT_LE(subsonic, 7 * 8);
    EXPECT_GE(supersonic, 7 * 22);

    // The 1-D start ends once settled; the fill start, uniform, runs to its end time.
    EXPECT_NE(ReadBytes(caseDir / "system/controlDict").find("runTimeControl"), std::string::npos);
    settings.start = CaseStart::Fill;
    WriteCase((dir / "zelto_perfil.txt").string(), caseDir.string(), settings, false);
    for (const char* field : {"0/p", "0/T", "0/U"}) {
        EXPECT_NE(ReadBytes(caseDir / field).find("internalField   uniform "), std::string::npos) << field;
    }
    EXPECT_EQ(ReadBytes(caseDir / "system/controlDict").find("runTimeControl"), std::string::npos);
    // and keeps the mesh it was tuned on, the exported grading.
    EXPECT_NE(ReadBytes(caseDir / "system/blockMeshDict").find("edgeGrading (((1 1 3)) ((1 1 3))"), std::string::npos);
}

// The marker records the start (an older marker without one read as the
// fill it had); the ParaView file is empty and named after the folder; the
// profile is copied for the report's analysis.
TEST(CaseMarker, RecordsTheStartAndWritesTheParaViewFileAndProfile) {
    const fs::path dir = FreshFolder();
    Design(dir, 5.0f, 80, 10);
    for (const CaseStart start : {CaseStart::OneDimensional, CaseStart::Fill}) {
        const fs::path caseDir = dir / "runs" / (start == CaseStart::Fill ? "fill case" : "start1d");
        fs::create_directories(caseDir.parent_path());
        CaseSettings settings;
        settings.axialCells = 20;
        settings.radialCells = 4;
        settings.start = start;
        WriteCase((dir / "zelto_perfil.txt").string(), caseDir.string(), settings, false);
        EXPECT_EQ(ReadRecordedCase(caseDir.string()).settings.start, start);
        const fs::path foam = caseDir / (caseDir.filename().string() + ".foam");
        ASSERT_TRUE(fs::is_regular_file(foam));
        EXPECT_EQ(fs::file_size(foam), 0u);
        EXPECT_EQ(ReadBytes(caseDir / "zelto_perfil.txt"), ReadBytes(dir / "zelto_perfil.txt"));
        // Written whole: an unchanged case with no results may be replaced.
        EXPECT_EQ(WhyNotReplaceable(caseDir.string()), "");
    }
    const fs::path caseDir = dir / "runs" / "start1d";
    const std::string marker = ReadBytes(caseDir / kCaseMarkerName);
    ASSERT_NE(marker.find("start=1d\n"), std::string::npos);
    WriteBytes(caseDir / kCaseMarkerName, std::regex_replace(marker, std::regex("start=1d\n"), ""));
    EXPECT_EQ(ReadRecordedCase(caseDir.string()).settings.start, CaseStart::Fill);
    WriteBytes(caseDir / kCaseMarkerName, std::regex_replace(marker, std::regex("start=1d"), "start=warp"));
    EXPECT_THROW(ReadRecordedCase(caseDir.string()), Error);
}

struct DifferenceCase {
    const char* name;
    std::vector<WallPressurePoint> faces, reference;
    double fromX, expected;
};

TEST(WallPressure, LargestDifferenceFromAReferenceBetweenItsStations) {
    const std::vector<WallPressurePoint> reference = {{0, 0.5}, {2, 0.1}, {4, 0.05}};
    const DifferenceCase cases[] = {
        {"on the stations", {{0, 0.5}, {2, 0.12}, {4, 0.05}}, reference, -1, 0.02},
        {"between them, linearly", {{1, 0.3}, {3, 0.05}}, reference, -1, 0.025},
        {"upstream of fromX left out", {{0.5, 0.9}, {3, 0.08}}, reference, 1, 0.005},
        {"outside the reference left out", {{-1, 0.9}, {5, 0.9}, {2, 0.1}}, reference, -5, 0},
        {"nothing to compare", {{-1, 0.9}}, reference, -5, NAN},
        {"no reference", {{1, 0.3}}, {}, -5, NAN},
    };
    for (const DifferenceCase& c : cases) {
        const double found = LargestDifference(c.faces, c.reference, c.fromX);
        // Over the reference's own value: 0.025 off an expected 0.075 is a third.
        if (std::string(c.name) == "between them, linearly") {
            EXPECT_NEAR(LargestDifference(c.faces, c.reference, c.fromX, true), 0.025 / 0.075, 1e-12);
        }
        if (std::isnan(c.expected)) {
            EXPECT_TRUE(std::isnan(found)) << c.name;
        } else {
            EXPECT_NEAR(found, c.expected, 1e-12) << c.name;
        }
    }
}

class ReportOfASettledRun : public ::testing::Test {
protected:
    void SetUp() override {
        dir = FreshFolder();
        Design(dir, 5.0f, 80, 10);
        caseDir = dir / "nozzle_case";
        WriteCase((dir / "zelto_perfil.txt").string(), caseDir.string(), {}, false);
        endTime = ReadRecordedCase(caseDir.string()).endTime;
    }
    // Steady records up to lastTime, as the function objects write them.
    void WriteRecords(double lastTime) {
        auto file = [&](const char* name, const std::string& row) {
            const fs::path folder = caseDir / "postProcessing" / name / "0";
            fs::create_directories(folder);
            std::string text = "# Time\tvalue\n";
            for (int i = 1; i <= 40; ++i) text += std::to_string(lastTime * i / 40) + "\t" + row + "\n";
            WriteBytes(folder / "surfaceFieldValue.dat", text);
        };
        file("inletFlow", "-0.04");
        file("outletFlow", "0.04");
        file("outletAverage", "3.9\t15000\t740");
        file("outletMomentum", "(83 0 13)");
        file("outletPressure", "4");
    }
    fs::path dir, caseDir;
    double endTime = 0;
};

// A run its run-time control ended before the end time is judged over the
// time it reached; one that merely stopped (no such lines) is not settled.
TEST_F(ReportOfASettledRun, EndedByItsRunTimeControlIsJudgedToWhereItStopped) {
    WriteRecords(endTime / 3);
    EXPECT_FALSE(ReadCaseReport(caseDir.string()).settled);
    WriteBytes(caseDir / "log.rhoCentralFoam",
               "Time = 0.0001\n\nrunTimeControl settled output:\n    average: exitMach condition satisfied\n"
               "    Stopping calculation\n    Writing fields\n\nEnd\n\n");
    const CaseReport r = ReadCaseReport(caseDir.string());
    EXPECT_TRUE(r.settled) << r.settledWhy;
    EXPECT_EQ(r.start, "1d");
    EXPECT_NEAR(r.dischargeCoefficientCfd, r.massFlowCfd / r.massFlow1d, 1e-12);
}

// The wall faces of the latest time, by x, as p/p0; 1-D theory at each
// face's own radius; the JSON array in the same order.
TEST_F(ReportOfASettledRun, WallPressureOfTheLatestTimeOrderedByX) {
    WriteRecords(endTime);
    const double c = std::cos(double(0.0436332f));
    const fs::path early = caseDir / "postProcessing" / "wallPressure" / "0.0001";
    const fs::path late = caseDir / "postProcessing" / "wallPressure" / "0.0002";
    fs::create_directories(early);
    fs::create_directories(late);
    WriteBytes(early / "p_wall.raw", "# x y z p\n0.01 0 0.03 1\n");
    // Out of order, the throat (r = 2.50005 cm) and a supersonic face at twice the throat area.
    const double r2 = 0.0250005 * std::sqrt(2.0) * c;
    auto exact = [](double value) {
        char buffer[32];
        return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
    };
    WriteBytes(late / "p_wall.raw", "# p  FACE_DATA 3\n# x  y  z  p\n0.05 0 " + exact(r2) +
                                        " 100000\n-0.02 0 0.03 1800000\n0 0 " + exact(0.0250005 * c) +
                                        " 1060000\n");
    const CaseReport r = ReadCaseReport(caseDir.string());
    ASSERT_EQ(r.wall.size(), 3u);
    EXPECT_NEAR(r.wall[0].xCm, -2, 1e-12);
    EXPECT_NEAR(r.wall[0].pRatio, 0.9, 1e-12);
    EXPECT_NEAR(r.wall[1].xCm, 0, 1e-12);
    EXPECT_NEAR(r.wall[2].xCm, 5, 1e-12);
    EXPECT_NEAR(r.wall[2].pRatio, 0.05, 1e-12);
    ASSERT_EQ(r.wall1d.size(), 3u);
    EXPECT_NEAR(r.wall1d[1].pRatio, std::pow(2 / 2.4, 3.5), 1e-4);  // sonic at the throat
    const double m2 = SupersonicMach(2, 1.4);
    EXPECT_NEAR(r.wall1d[2].pRatio, std::pow(1 + 0.2 * m2 * m2, -3.5), 1e-4);
    const std::string json = FormatReportJson(r);
    const std::regex ordered(R"("wall": \[\n    \{"x_cm": -2[.0-9]*, "p_ratio": 0\.9[0-9]*\},\n)"
                             R"(    \{"x_cm": 0, "p_ratio": [.0-9]+\},\n    \{"x_cm": 5[.0-9]*, )");
    EXPECT_TRUE(std::regex_search(json, ordered)) << json;
    for (const char* key : {"mach_exit_moc", "discharge_coefficient_cfd", "discharge_coefficient_moc",
                            "cf_vacuum_cfd", "cf_vacuum_moc", "wall_moc"}) {
        EXPECT_NE(json.find(std::string("\"") + key + "\": "), std::string::npos) << key;
    }
}

}  // namespace
}  // namespace bellnozzle

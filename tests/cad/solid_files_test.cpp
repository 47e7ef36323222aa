// The STEP and STL solids, read back by OCCT's STEP reader and by an STL
// reader of the test's own, against volumes and boxes worked out here from
// the profile points.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <algorithm>
#include <array>

#include <unistd.h>

#include "cad/cad_export.h"
#include "cad_test_support.h"
#include "core/error.h"
#include "core/file_names.h"
#include "solids/nozzle_solid.h"

namespace bellnozzle {
namespace {

namespace fs = std::filesystem;
using cadtest::Point;

struct StlFacts {
    std::size_t triangles = 0;
    bool closed = false;  // every edge once in each direction
    double volume = 0.0;
    double min[3] = {1e300, 1e300, 1e300}, max[3] = {-1e300, -1e300, -1e300};
};

StlFacts ReadStl(const std::string& bytes) {
    StlFacts facts;
    std::uint32_t count = 0;
    std::memcpy(&count, bytes.data() + 80, 4);
    facts.triangles = count;
    EXPECT_EQ(bytes.size(), 84 + 50 * std::size_t(count));
    EXPECT_NE(bytes.compare(0, 5, "solid"), 0);
    // Corners with equal coordinates are one vertex: sort them to number them.
    std::vector<std::pair<std::array<float, 3>, std::size_t>> corners(3 * std::size_t(count));
    for (std::size_t t = 0; t < count; ++t) {
        float v[9];
        std::memcpy(v, bytes.data() + 84 + 50 * t + 12, sizeof v);
        for (int c = 0; c < 3; ++c) corners[3 * t + c] = {{v[3 * c], v[3 * c + 1], v[3 * c + 2]}, 3 * t + c};
        const double ax = v[0], ay = v[1], az = v[2], bx = v[3], by = v[4], bz = v[5], cx = v[6], cy = v[7],
                     cz = v[8];
        facts.volume += (ax * (by * cz - bz * cy) + ay * (bz * cx - bx * cz) + az * (bx * cy - by * cx)) / 6.0;
        for (int i = 0; i < 3; ++i) {
            for (int c = 0; c < 3; ++c) {
                facts.min[i] = std::min(facts.min[i], double(v[3 * c + i]));
                facts.max[i] = std::max(facts.max[i], double(v[3 * c + i]));
            }
        }
    }
    std::sort(corners.begin(), corners.end());
    std::vector<std::uint32_t> id(corners.size());
    std::uint32_t next = 0;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        if (i > 0 && corners[i].first != corners[i - 1].first) ++next;
        id[corners[i].second] = next;
    }
    // Closed and consistently facing: each directed edge once, and its
    // reverse once.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> edges;
    edges.reserve(corners.size());
    for (std::size_t t = 0; t < count; ++t) {
        for (int e = 0; e < 3; ++e) edges.push_back({id[3 * t + e], id[3 * t + (e + 1) % 3]});
    }
    std::sort(edges.begin(), edges.end());
    facts.closed = std::adjacent_find(edges.begin(), edges.end()) == edges.end();
    for (const auto& [a, b] : edges) {
        if (a == b || !std::binary_search(edges.begin(), edges.end(), std::pair{b, a})) facts.closed = false;
    }
    return facts;
}

class SolidFiles : public ::testing::Test {
protected:
    void UseProfile(const std::string& text) {
        dir = cadtest::FreshFolder();
        cadtest::WriteBytes(dir / kProfileFileName, text);
        wall = cadtest::PointsOf(text);
    }
    CadSummary Export(CadFormat format, CadBody body, LengthUnit unit = LengthUnit::Millimetre) {
        CadRequest request;
        request.format = format;
        request.body = body;
        request.unit = unit;
        return ExportCad(dir.string(), request);
    }
    // Bounding box of the revolved body: the contour's ends and its largest
    // radius, inner or outer.
    void ExpectBox(const double* min, const double* max, double radius, double tolerance) {
        EXPECT_NEAR(min[0], wall.front().x, tolerance);
        EXPECT_NEAR(max[0], wall.back().x, tolerance);
        for (int i = 1; i < 3; ++i) {
            EXPECT_NEAR(min[i], -radius, tolerance);
            EXPECT_NEAR(max[i], radius, tolerance);
        }
    }
    fs::path dir;
    std::vector<Point> wall;
};

TEST_F(SolidFiles, StepFlowIsOneSolidOfTheGasVolume) {
    UseProfile(cadtest::ProfileText("initial_design"));
    const CadSummary summary = Export(CadFormat::Step, CadBody::Flow);
    const SolidFacts facts = InspectStepFile((dir / "nozzle.step").string());
    EXPECT_EQ(facts.solids, 1);
    EXPECT_TRUE(facts.valid);
    const double expected = cadtest::SmoothVolume(wall);
    EXPECT_NEAR(facts.volumeMm3 / expected, 1.0, 1e-4);
    EXPECT_NEAR(summary.volume / facts.volumeMm3, 1.0, 1e-6) << "the summary's volume is the solid's";
    ExpectBox(facts.min.data(), facts.max.data(), wall.back().r, 1e-3);
}

TEST_F(SolidFiles, StepShellIsTheWallOffsetByTheThickness) {
    UseProfile(cadtest::ProfileText("initial_design"));
    const CadSummary summary = Export(CadFormat::Step, CadBody::Shell);
    const SolidFacts facts = InspectStepFile((dir / "nozzle.step").string());
    EXPECT_EQ(facts.solids, 1);
    EXPECT_TRUE(facts.valid);
    const std::vector<Point> outer = cadtest::OffsetAlongNormals(wall, 2.0);
    const double expected = cadtest::SmoothVolume(outer) - cadtest::SmoothVolume(wall);
    EXPECT_NEAR(facts.volumeMm3 / expected, 1.0, 1e-3);
    EXPECT_NEAR(summary.volume / facts.volumeMm3, 1.0, 1e-5);
    ExpectBox(facts.min.data(), facts.max.data(), outer.back().r, 1e-3);
}

TEST_F(SolidFiles, StepInOtherUnitsHoldsTheSameSolid) {
    UseProfile(cadtest::ProfileText("initial_design"));
    Export(CadFormat::Step, CadBody::Flow);
    const SolidFacts mm = InspectStepFile((dir / "nozzle.step").string());
    for (LengthUnit unit : {LengthUnit::Centimetre, LengthUnit::Inch}) {
        Export(CadFormat::Step, CadBody::Flow, unit);
        // The reader converts to millimetres: the same solid, whatever unit the file states.
        const SolidFacts other = InspectStepFile((dir / "nozzle.step").string());
        EXPECT_NEAR(other.volumeMm3 / mm.volumeMm3, 1.0, 1e-9) << UnitSymbol(unit);
        EXPECT_NEAR(other.max[0], mm.max[0], 1e-6);
        // Every file names its part as the first did, however many the
        // process has written before.
        const std::string step = cadtest::ReadBytes(dir / "nozzle.step");
        EXPECT_NE(step.find("PRODUCT('nozzle','nozzle'"), std::string::npos) << UnitSymbol(unit);
        EXPECT_EQ(step.find("nozzle 2"), std::string::npos) << UnitSymbol(unit);
    }
    EXPECT_NE(cadtest::ReadBytes(dir / "nozzle.step").find("INCH"), std::string::npos);
}

TEST_F(SolidFiles, ConicalProfileBreaksItsCurvesAtTheThroat) {
    // Straight lines meeting at a sharp throat: a curve swung round the corner
    // would bulge; broken there the solid is exactly the stack of frustums.
    const double t15 = std::tan(15.0 * M_PI / 180.0);
    UseProfile(cadtest::ProfileWithPoints({{-2, 3.5}, {-1, 2.5}, {0, 1.5}, {5, 1.5 + 5 * t15}, {10, 1.5 + 10 * t15}}));
    Export(CadFormat::Step, CadBody::Flow);
    const SolidFacts facts = InspectStepFile((dir / "nozzle.step").string());
    EXPECT_TRUE(facts.valid);
    EXPECT_NEAR(facts.volumeMm3 / cadtest::FrustumVolume(wall), 1.0, 1e-7);
    Export(CadFormat::Step, CadBody::Shell);
    EXPECT_TRUE(InspectStepFile((dir / "nozzle.step").string()).valid);
}

TEST_F(SolidFiles, StlIsClosedAndHoldsTheSolidsVolume) {
    UseProfile(cadtest::ProfileText("initial_design"));
    for (CadBody body : {CadBody::Flow, CadBody::Shell}) {
        const double solid = Export(CadFormat::Step, body).volume;
        const CadSummary summary = Export(CadFormat::Stl, body);
        const StlFacts stl = ReadStl(cadtest::ReadBytes(summary.path));
        EXPECT_TRUE(stl.closed) << BodyName(body);
        EXPECT_GT(stl.volume, 0.0) << "triangles face outward";
        EXPECT_NEAR(stl.volume / solid, 1.0, 2e-4) << BodyName(body);
        const double radius = body == CadBody::Flow ? wall.back().r : cadtest::OffsetAlongNormals(wall, 2.0).back().r;
        ExpectBox(stl.min, stl.max, radius, 1e-3);
    }
}

TEST_F(SolidFiles, StlInInchesIsScaled) {
    UseProfile(cadtest::ProfileText("points_3"));
    const StlFacts mm = ReadStl(cadtest::ReadBytes(Export(CadFormat::Stl, CadBody::Flow).path));
    const StlFacts in =
        ReadStl(cadtest::ReadBytes(Export(CadFormat::Stl, CadBody::Flow, LengthUnit::Inch).path));
    EXPECT_NEAR(in.volume * std::pow(25.4, 3) / mm.volume, 1.0, 1e-5);
    EXPECT_TRUE(in.closed);
}

TEST_F(SolidFiles, StepThatCannotBeWrittenLeavesNothing) {
    UseProfile(cadtest::ProfileText("initial_design"));
    cadtest::WriteBytes(dir / "nozzle.step", "old");
    fs::create_directory(dir / "locked");
    fs::permissions(dir / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    CadRequest request;
    request.out = (dir / "locked" / "nozzle.step").string();
    const bool rootIgnoresPermissions = ::access((dir / "locked").c_str(), W_OK) == 0;
    if (!rootIgnoresPermissions) {
        EXPECT_THROW(ExportCad(dir.string(), request), Error);
    }
    request.out = (dir / "no-such-folder" / "nozzle.step").string();
    EXPECT_THROW(ExportCad(dir.string(), request), Error);
    request.out.clear();
    request.thicknessMm = 0.0;
    EXPECT_THROW(ExportCad(dir.string(), request), Error);
    EXPECT_EQ(cadtest::ReadBytes(dir / "nozzle.step"), "old");
    fs::permissions(dir / "locked", fs::perms::owner_all);
    EXPECT_TRUE(fs::is_empty(dir / "locked"));
}

}  // namespace
}  // namespace bellnozzle

// The meshing script: exact coordinates on the wedge sides at any size, the
// boundary names, sizes and cell counts as asked, and the refusals.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <map>
#include <regex>

#include "core/error.h"
#include "core/wedge.h"
#include "export/gmsh_mesh_script_writer.h"
#include "mesh_test_support.h"

namespace bellnozzle {
namespace {

struct ScriptPoint {
    double x, y, z, size;
};

double Number(const std::string& text) {
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(result.ec == std::errc() && result.ptr == text.data() + text.size()) << text;
    return value;
}

std::map<int, ScriptPoint> Points(const std::string& script) {
    static const std::regex line(R"(Point\((\d+)\) = \{([^,]+), ([^,]+), ([^,]+), ([^}]+)\};)");
    std::map<int, ScriptPoint> points;
    for (std::sregex_iterator it(script.begin(), script.end(), line), end; it != end; ++it) {
        points[std::stoi((*it)[1])] = {Number((*it)[2]), Number((*it)[3]), Number((*it)[4]), Number((*it)[5])};
    }
    return points;
}

std::string Script(const ProfileTable& profile, const MeshScriptSettings& settings = {}) {
    return FormatGmshMeshScript(profile, settings, "wedge_mesh.geo", "wedge_mesh.msh");
}

int Occurrences(const std::string& text, const std::string& what) {
    int count = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

// Every wall point of the script is (x, y*s, y*c) of a profile point with the
// products exact, so the face is planar to the last bit; the axis points lie
// under wall points.
TEST(MeshScript, WallPointsAreExactOnThePlusSideAtEverySize) {
    const auto folder = test::FreshFolder();
    const WedgeSinCos w = ComputeWedgeSinCos();
    for (const float diameter : {0.1f, 5.0f, 200.0f}) {
        SCOPED_TRACE(diameter);
        const ProfileTable profile = test::DesignProfile(folder, diameter, 100.0f, 50.0f);
        std::map<float, float> wallAt;  // profile radius at each x
        for (int i = 1; i <= profile.Count; ++i) wallAt[profile.X[i]] = profile.Y[i];
        const std::string script = Script(profile);
        int wall = 0;
        int axis = 0;
        for (const auto& [number, p] : Points(script)) {
            const auto found = wallAt.find(static_cast<float>(p.x));
            // x is the profile's float in its shortest text, shared by the axis points below it.
            ASSERT_NE(found, wallAt.end()) << "point " << number << " at x " << p.x;
            if (p.y == 0.0 && p.z == 0.0) {
                ++axis;
                continue;
            }
            ++wall;
            EXPECT_EQ(p.y, double(found->second) * double(w.s)) << "point " << number;
            EXPECT_EQ(p.z, double(found->second) * double(w.c)) << "point " << number;
            EXPECT_NEAR(p.size, found->second / 15.0, found->second * 1e-5);
        }
        EXPECT_GE(wall, 2);
        EXPECT_GE(axis, 2);
        // Rotated through twice the angle of those points: the minus side mirrors the plus side.
        const double angle = 2.0 * std::atan2(double(w.s), double(w.c));
        const std::smatch extrude = [&] {
            std::smatch m;
            std::regex_search(script, m, std::regex(R"(Extrude \{\{1, 0, 0\}, \{0, 0, 0\}, ([^}]+)\})"));
            return m;
        }();
        ASSERT_FALSE(extrude.empty());
        EXPECT_EQ(Number(extrude[1]), angle);
    }
}

TEST(MeshScript, NamesEveryBoundaryOnceAndTheVolume) {
    const auto folder = test::FreshFolder();
    const std::string script = Script(test::DesignProfile(folder, 5.0f, 80.0f, 10.0f));
    for (const char* name : {"inlet", "outlet", "wall", "axi_symm-f", "axi_symm-r"}) {
        EXPECT_EQ(Occurrences(script, std::string("Physical Surface(\"") + name + "\")"), 1) << name;
    }
    EXPECT_EQ(Occurrences(script, "Physical Volume(\"fluid\")"), 1);
    EXPECT_EQ(Occurrences(script, "Layers{1}; Recombine;"), 1);
    // Saved in metres, ASCII, only what the groups hold.
    for (const char* option : {"Mesh.ScalingFactor = 0.01;", "Mesh.Binary = 0;", "Mesh.SaveAll = 0;"}) {
        EXPECT_EQ(Occurrences(script, option), 1) << option;
    }
    // The header of the profile comes first, as in every export.
    EXPECT_EQ(script.rfind("// [parametros]\n", 0), 0u);
}

TEST(MeshScript, FormatAndSizeOptions) {
    const auto folder = test::FreshFolder();
    const ProfileTable profile = test::DesignProfile(folder, 5.0f, 80.0f, 10.0f);
    MeshScriptSettings settings;
    const std::pair<MeshFileFormat, const char*> formats[] = {
        {MeshFileFormat::Msh2, "Mesh.Format = 1;\nMesh.MshFileVersion = 2.2;\n"},
        {MeshFileFormat::Msh4, "Mesh.Format = 1;\nMesh.MshFileVersion = 4.1;\n"},
        {MeshFileFormat::Su2, "Mesh.Format = 42;\n"},
    };
    for (const auto& [format, options] : formats) {
        settings.format = format;
        EXPECT_EQ(Occurrences(Script(profile, settings), options), 1) << MeshFormatName(format);
    }
    settings.size = 0.125;
    for (const auto& [number, p] : Points(Script(profile, settings))) EXPECT_EQ(p.size, 0.125) << number;
}

TEST(MeshScript, StructuredCountsAddUpOnOppositeSides) {
    const auto folder = test::FreshFolder();
    for (const float diameter : {5.0f, 200.0f}) {
        const ProfileTable profile = test::DesignProfile(folder, diameter, 100.0f, 50.0f);
        MeshScriptSettings settings;
        settings.cellsAxial = 137;
        settings.cellsRadial = 23;
        const std::string script = Script(profile, settings);
        static const std::regex line(R"(Transfinite Curve\{(\d+), (\d+)\} = (\d+);)");
        std::vector<int> counts;
        for (std::sregex_iterator it(script.begin(), script.end(), line), end; it != end; ++it) {
            counts.push_back(std::stoi((*it)[3]));
        }
        ASSERT_GE(counts.size(), 2u);
        EXPECT_EQ(counts[0], 23 + 1);  // inlet and exit radii
        int axial = 0;
        for (std::size_t k = 1; k < counts.size(); ++k) {
            EXPECT_GE(counts[k], 2);
            axial += counts[k] - 1;
        }
        EXPECT_EQ(axial, 137);
        EXPECT_EQ(Occurrences(script, "Transfinite Surface{1}"), 1);
        EXPECT_EQ(Occurrences(script, "Recombine Surface{1};"), 1);
    }
}

void ExpectRefused(const ProfileTable& profile, const MeshScriptSettings& settings, const std::string& expected) {
    try {
        Script(profile, settings);
        ADD_FAILURE() << "accepted; expected: " << expected;
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find(expected), std::string::npos) << error.what();
        EXPECT_FALSE(error.Portuguese().empty());
    }
}

TEST(MeshScript, RefusesSettingsAndProfilesItCannotMesh) {
    const auto folder = test::FreshFolder();
    const ProfileTable profile = test::DesignProfile(folder, 5.0f, 80.0f, 10.0f);
    auto settings = [](double size, int axial, int radial) {
        MeshScriptSettings s;
        s.size = size;
        s.cellsAxial = axial;
        s.cellsRadial = radial;
        return s;
    };
    for (const double size : {-1.0, double(NAN), double(INFINITY)}) ExpectRefused(profile, settings(size, 0, 0), "mesh size");
    ExpectRefused(profile, settings(0.0, 10, 0), "cell counts");
    ExpectRefused(profile, settings(0.0, -10, -10), "cell counts");
    ExpectRefused(profile, settings(0.0, kMaxCellsPerDirection + 1, 10), "cell counts");
    ExpectRefused(profile, settings(0.5, 10, 10), "not both");
    ExpectRefused(profile, settings(0.0, 1, 10), "at least 2 cells along the axis");
    ExpectRefused(profile, settings(0.0, 20000, 20000), "more than the");
    ExpectRefused(profile, settings(0.0005, 0, 0), "more than the");

    ExpectRefused(test::TableOf({{0, 1}}), {}, "single point");
    ExpectRefused(test::TableOf({{0, 1}, {1, 0}, {2, 1}}), {}, "radius of point 2 is not above 0");
    ExpectRefused(test::TableOf({{0, 1}, {1, 1}, {1, 2}}), {}, "x does not increase from point 2 to point 3");
}

}  // namespace
}  // namespace bellnozzle

// Each export of each checked-in profile compared byte for byte with its
// expected file. The profiles hit the list-breaking cases: 1, 2 and 3 points
// (empty and one-point lists), 21 and 22 points (a list's last number or
// point ending a line, 24-character point texts), 53 points with numbers in
// exponent form, and the window's initial design.
//
// BELLNOZZLE_UPDATE_GOLDEN=1 rewrites the expected files instead; every
// rewritten file must be checked by hand before it is committed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "core/file_names.h"
#include "core/profile_reader.h"
#include "export/blockmesh_writer.h"
#include "export/gmsh_revolved_writer.h"
#include "export/gmsh_wedge_writer.h"
#include "export/pov_scene_writer.h"
#include "export_test_files.h"

namespace bellnozzle {
namespace {

using test::ReadBytes;
using test::SourceDir;

struct Export {
    const char* folder;
    const char* extension;
    std::function<std::string(const ProfileTable&)> format;
};

const Export kExports[] = {
    {"blockmesh", ".txt", [](const ProfileTable& p) { return FormatBlockMeshDict(p, 100, 20); }},
    {"gmsh_wedge", ".geo", FormatGmshWedgeGeometry},
    {"gmsh_revolved", ".geo", FormatGmshRevolvedGeometry},
    {"povray", ".pov", FormatPovScene},
};

const char* const kProfiles[] = {"points_1",  "points_2",  "points_3",      "points_21",
                                 "points_22", "points_53", "initial_design"};

class GoldenFiles : public ::testing::TestWithParam<const char*> {};

TEST_P(GoldenFiles, EveryExportMatchesItsExpectedFile) {
    const std::string name = GetParam();
    const ProfileTable profile = ReadProfileTable(SourceDir() / "profiles" / (name + ".txt"));
    const bool update = std::getenv("BELLNOZZLE_UPDATE_GOLDEN") != nullptr;
    for (const Export& e : kExports) {
        const auto expectedPath = SourceDir() / "golden" / e.folder / (name + e.extension);
        const std::string text = e.format(profile);
        if (update) {
            test::WriteBytes(expectedPath, text);
            continue;
        }
        // EXPECT_EQ on the whole text shows the first differing line.
        EXPECT_EQ(text, ReadBytes(expectedPath)) << e.folder << " of " << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Profiles, GoldenFiles, ::testing::ValuesIn(kProfiles));

// The Write* functions write exactly the text the Format* functions build,
// under the fixed names, into the folder given.
TEST(WriteExports, WriteTheFormattedTextUnderTheFixedNames) {
    const auto dir = test::FreshFolder();
    test::WriteBytes(dir / kProfileFileName,
                     ReadBytes(SourceDir() / "profiles" / "initial_design.txt"));
    const ProfileTable profile = ReadProfileTable(dir / kProfileFileName);

    WriteBlockMeshDict(dir, -7, 0);
    EXPECT_EQ(ReadBytes(dir / kBlockMeshFileName), FormatBlockMeshDict(profile, -7, 0));
    WritePovScene(dir);
    EXPECT_EQ(ReadBytes(dir / kPovFileName), FormatPovScene(profile));
    WriteGmshWedgeGeometry(dir);
    EXPECT_EQ(ReadBytes(dir / kGmshFileName), FormatGmshWedgeGeometry(profile));
    // The two Gmsh scripts share their file name; each replaces the other.
    WriteGmshRevolvedGeometry(dir);
    EXPECT_EQ(ReadBytes(dir / kGmshFileName), FormatGmshRevolvedGeometry(profile));
}

}  // namespace
}  // namespace bellnozzle

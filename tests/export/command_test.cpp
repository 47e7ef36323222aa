// The headless export commands: defaults, cell-count conversion, --help and
// the exit statuses 0 (done), 1 (refused or file error) and 2 (wrong usage).
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
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

namespace fs = std::filesystem;

// Runs "bellnozzle <arguments>" in folder and returns its exit status, with
// stdout and stderr kept in files of that folder.
int RunCommand(const fs::path& folder, const std::string& arguments) {
    const std::string command = "cd '" + folder.string() + "' && '" BELLNOZZLE_EXECUTABLE "' " +
                                arguments + " >stdout.txt 2>stderr.txt";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class ExportCommands : public ::testing::Test {
protected:
    void SetUp() override {
        dir = test::FreshFolder();
        test::WriteBytes(dir / kProfileFileName,
                         test::ReadBytes(test::SourceDir() / "profiles" / "points_3.txt"));
        profile = ReadProfileTable(dir / kProfileFileName);
    }
    fs::path dir;
    ProfileTable profile;
};

TEST_F(ExportCommands, WriteInTheCurrentFolderOrTheOneGiven) {
    ASSERT_EQ(RunCommand(dir, "blockmesh"), 0);
    EXPECT_EQ(test::ReadBytes(dir / kBlockMeshFileName), FormatBlockMeshDict(profile, 100, 20));
    EXPECT_EQ(test::ReadBytes(dir / "stdout.txt"), "file=blockMeshDict.txt\n");
    ASSERT_EQ(RunCommand(dir, "povray"), 0);
    EXPECT_EQ(test::ReadBytes(dir / kPovFileName), FormatPovScene(profile));
    ASSERT_EQ(RunCommand(dir, "gmsh"), 0);
    EXPECT_EQ(test::ReadBytes(dir / kGmshFileName), FormatGmshWedgeGeometry(profile));

    const fs::path elsewhere = dir / "elsewhere";
    fs::create_directories(elsewhere);
    ASSERT_EQ(RunCommand(elsewhere, "gmsh2 --dir .."), 0);
    EXPECT_EQ(test::ReadBytes(dir / kGmshFileName), FormatGmshRevolvedGeometry(profile));
    EXPECT_EQ(test::ReadBytes(elsewhere / "stdout.txt"), "file=../mesh.geo\n");
}

// The cell counts are read as atol reads them: the leading whole number
// counts, text without one is 0, negatives and zero are written unchanged.
TEST_F(ExportCommands, CellCountsAreReadAsTheWindowReadsThem) {
    const struct {
        std::string options;
        std::int32_t nx, ny;
    } cases[] = {
        {"--nx 12abc --ny=abc", 12, 0},
        {"--nx ' -5' --ny 0", -5, 0},
        {"--nx=+7 --ny 99999999999", 7, 2147483647},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(RunCommand(dir, "blockmesh " + c.options), 0) << c.options;
        EXPECT_EQ(test::ReadBytes(dir / kBlockMeshFileName), FormatBlockMeshDict(profile, c.nx, c.ny))
            << c.options;
    }
}

TEST_F(ExportCommands, ExitStatuses) {
    for (const char* command : {"blockmesh", "gmsh", "gmsh2", "povray"}) {
        const std::string name = command;
        EXPECT_EQ(RunCommand(dir, name + " --help"), 0) << name;
        EXPECT_NE(test::ReadBytes(dir / "stdout.txt").find("usage: bellnozzle " + name), std::string::npos);
        EXPECT_EQ(RunCommand(dir, name + " --bogus 1"), 2) << name;
        EXPECT_EQ(RunCommand(dir, name + " stray"), 2) << name;
        EXPECT_EQ(RunCommand(dir, name + " --dir"), 2) << name;

        // No profile in the folder: one line naming the file, nothing written.
        const fs::path empty = dir / ("empty_" + name);
        fs::create_directories(empty);
        EXPECT_EQ(RunCommand(empty, name), 1) << name;
        const std::string message = test::ReadBytes(empty / "stderr.txt");
        EXPECT_NE(message.find("zelto_perfil.txt"), std::string::npos) << message;
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
        EXPECT_TRUE(test::ReadBytes(empty / "stdout.txt").empty());

        EXPECT_EQ(RunCommand(dir, name + " --dir no_such_folder"), 1) << name;
    }
    EXPECT_EQ(RunCommand(dir, "gmsh --nx 5"), 2);
}

}  // namespace
}  // namespace bellnozzle

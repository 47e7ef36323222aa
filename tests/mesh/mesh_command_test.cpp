// bellnozzle mesh, run as a user runs it: refused input changes nothing, a
// machine without Gmsh still gets the script and the command to mesh it,
// and with Gmsh the mesh replaces an old one only when it is complete.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

#include "core/profile_reader.h"
#include "export/gmsh_mesh_script_writer.h"
#include "mesh_test_support.h"
#include "process/run_program.h"

namespace bellnozzle {
namespace {

namespace fs = std::filesystem;

class MeshCommand : public ::testing::Test {
protected:
    void SetUp() override {
        root = test::FreshFolder();
        dir = root / "case";
        fs::create_directories(dir);
        test::DesignProfile(dir, 5.0f, 80.0f, 10.0f);
        profileBytes = test::ReadBytes(dir / kProfileFileName);
    }
    // Runs "bellnozzle mesh <arguments>" in folder with the environment prefix
    // env ("PATH=... " or empty); stdout and stderr land in out.txt and
    // err.txt of root, so the case folder holds only what the command wrote.
    int RunMesh(const fs::path& folder, const std::string& arguments, const std::string& env = "") const {
        const std::string command = "cd '" + folder.string() + "' && " + env + "'" BELLNOZZLE_EXECUTABLE
                                    "' mesh " + arguments + " >'" + (root / "out.txt").string() + "' 2>'" +
                                    (root / "err.txt").string() + "'";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Out() const { return test::ReadBytes(root / "out.txt"); }
    std::string Err() const { return test::ReadBytes(root / "err.txt"); }

    fs::path root, dir;
    std::string profileBytes;
};

TEST_F(MeshCommand, RefusedInputIsOneLineAndWritesNothing) {
    test::WriteBytes(dir / "wedge_mesh.msh", "old mesh\n");
    const std::pair<const char*, const char*> refusals[] = {
        {"--size 0", "--size must be a length above 0"},
        {"--size -2", "--size must be a length above 0"},
        {"--size 1,5", "--size must be a length above 0"},
        {"--size 2cm", "--size must be a length above 0"},
        {"--cells-axial 50", "together"},
        {"--cells-axial 0 --cells-radial 10", "whole number from 1"},
        {"--cells-axial 2.5 --cells-radial 10", "whole number from 1"},
        {"--cells-axial 100 --cells-radial 1e9", "whole number from 1"},
        {"--cells-axial 20000 --cells-radial 20000", "more than the"},
        {"--size 0.5 --cells-axial 10 --cells-radial 10", "not both"},
        {"--format vtk", "--format must be"},
        {"--out zelto_perfil.txt", "would replace the profile"},
        {"--out ./wedge_mesh.geo", "would replace the profile or the script"},
        {"--out missing/mesh.msh", "does not exist"},
        {"--out .", "is a folder"},
    };
    const auto before = test::FilesIn(dir);
    for (const auto& [arguments, message] : refusals) {
        EXPECT_EQ(RunMesh(dir, arguments), 1) << arguments;
        const std::string err = Err();
        EXPECT_NE(err.find(message), std::string::npos) << arguments << ": " << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << arguments << ": " << err;
        EXPECT_EQ(test::FilesIn(dir), before) << arguments;
    }
    EXPECT_EQ(test::ReadBytes(dir / kProfileFileName), profileBytes);
    EXPECT_EQ(test::ReadBytes(dir / "wedge_mesh.msh"), "old mesh\n");

    fs::remove(dir / kProfileFileName);
    EXPECT_EQ(RunMesh(dir, ""), 1);
    EXPECT_NE(Err().find("cannot be read"), std::string::npos) << Err();
    EXPECT_EQ(test::FilesIn(dir), (std::vector<fs::path>{"wedge_mesh.msh"}));

    EXPECT_EQ(RunMesh(dir, "--sizes 1"), 2);
}

// Without Gmsh on the PATH: the script, one line saying so and how to mesh
// it, and status 0, since what could be done was done.
TEST_F(MeshCommand, WithoutGmshWritesTheScriptAndSaysHowToMeshIt) {
    ASSERT_EQ(RunMesh(root, "--dir case --format su2", "PATH=/nonexistent "), 0) << Err();
    EXPECT_EQ(Out(), "script=case/wedge_mesh.geo\n");
    const std::string err = Err();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find("gmsh is not installed"), std::string::npos) << err;
    EXPECT_NE(err.find("gmsh -3 case/wedge_mesh.geo -o case/wedge_mesh.su2"), std::string::npos) << err;
    MeshScriptSettings settings;
    settings.format = MeshFileFormat::Su2;
    EXPECT_EQ(test::ReadBytes(dir / "wedge_mesh.geo"),
              FormatGmshMeshScript(ReadProfileTable((dir / kProfileFileName).string()), settings,
                                   "wedge_mesh.geo", "wedge_mesh.su2"));
    EXPECT_EQ(test::FilesIn(dir), (std::vector<fs::path>{"wedge_mesh.geo", kProfileFileName}));
}

class MeshCommandWithGmsh : public MeshCommand {
protected:
    void SetUp() override {
        if (FindProgram("gmsh").empty()) GTEST_SKIP() << "gmsh is not installed";
        MeshCommand::SetUp();
    }
};

TEST_F(MeshCommandWithGmsh, MeshReplacesTheOldOneAndItsCountsArePrinted) {
    test::WriteBytes(dir / "wedge_mesh.msh", "old mesh\n");
    ASSERT_EQ(RunMesh(dir, "--cells-axial 40 --cells-radial 8 --out ../nozzle.msh"), 0) << Err();
    EXPECT_EQ(Out(),
              "script=wedge_mesh.geo\nmesh=../nozzle.msh\nformat=msh2\nnodes=" +
                  std::to_string(2 * 41 * 9 - 41) +  // both sides, the axis nodes once
                  "\ncells=320\n"
                  "group=inlet dimension=2 elements=8\n"
                  "group=wall dimension=2 elements=40\n"
                  "group=outlet dimension=2 elements=8\n"
                  "group=axi_symm-f dimension=2 elements=320\n"
                  "group=axi_symm-r dimension=2 elements=320\n"
                  "group=fluid dimension=3 elements=320\n");
    EXPECT_EQ(Err(), "");
    EXPECT_EQ(test::ReadBytes(dir / "wedge_mesh.msh"), "old mesh\n");
    EXPECT_EQ(test::ReadBytes(root / "nozzle.msh").rfind("$MeshFormat\n2.2 0 8\n", 0), 0u);

    ASSERT_EQ(RunMesh(dir, ""), 0) << Err();
    EXPECT_EQ(test::ReadBytes(dir / "wedge_mesh.msh").rfind("$MeshFormat\n2.2 0 8\n", 0), 0u);
    // An --out named .su2 is SU2 unless --format says otherwise.
    ASSERT_EQ(RunMesh(root, "--dir case --out nozzle.su2"), 0) << Err();
    EXPECT_NE(Out().find("format=su2\n"), std::string::npos) << Out();
    EXPECT_EQ(test::ReadBytes(root / "nozzle.su2").rfind("NDIME= 3\n", 0), 0u);
    EXPECT_EQ(test::FilesIn(dir), (std::vector<fs::path>{"wedge_mesh.geo", "wedge_mesh.msh", kProfileFileName}));
}

// Ctrl-C while Gmsh works: Gmsh is stopped, the old mesh stays, no
// temporary file is left behind, and the status says it was not done.
TEST_F(MeshCommandWithGmsh, InterruptStopsGmshAndKeepsTheOldMesh) {
    test::WriteBytes(dir / "wedge_mesh.msh", "old mesh\n");
    EXPECT_EQ(RunMesh(dir, "--cells-axial 4000 --cells-radial 400", "timeout --preserve-status -s INT 1 "), 1)
        << Err();
    EXPECT_NE(Err().find("stopped"), std::string::npos) << Err();
    EXPECT_EQ(test::ReadBytes(dir / "wedge_mesh.msh"), "old mesh\n");
    EXPECT_EQ(test::FilesIn(dir), (std::vector<fs::path>{"wedge_mesh.geo", "wedge_mesh.msh", kProfileFileName}));
}

}  // namespace
}  // namespace bellnozzle

// The cad and render commands: exit statuses 0, 1 (one line on stderr) and
// 2 (usage), the summary they print, and what a build without solids says.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

#include "cad/cad_export.h"
#include "cad_test_support.h"
#include "core/file_names.h"

namespace bellnozzle {
namespace {

namespace fs = std::filesystem;

class CadCommand : public ::testing::Test {
protected:
    void SetUp() override {
        dir = cadtest::FreshFolder();
        cadtest::WriteBytes(dir / kProfileFileName, cadtest::ProfileText("initial_design"));
    }
    int Run(const std::string& arguments, const std::string& environment = "") {
        const std::string command = "cd '" + dir.string() + "' && " + environment + " '" BELLNOZZLE_EXECUTABLE "' " +
                                    arguments + " >stdout.txt 2>stderr.txt";
        const int status = std::system(command.c_str());
        out = cadtest::ReadBytes(dir / "stdout.txt");
        err = cadtest::ReadBytes(dir / "stderr.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    static int Lines(const std::string& text) { return int(std::count(text.begin(), text.end(), '\n')); }
    fs::path dir;
    std::string out, err;
};

TEST_F(CadCommand, WritesTheFileAndPrintsItsSummary) {
    ASSERT_EQ(Run("cad --format csv --units cm --thickness 0.3"), 0) << err;
    EXPECT_NE(out.find("file=nozzle.csv\n"), std::string::npos) << out;
    EXPECT_NE(out.find("volume_cm3="), std::string::npos);
    EXPECT_NE(out.find("box_cm=-2.65 "), std::string::npos) << out;
    ASSERT_EQ(Run("cad --format dxf --body flow --out sub.dxf"), 0) << err;
    EXPECT_TRUE(fs::exists(dir / "sub.dxf"));
}

TEST_F(CadCommand, RefusesBadInputWithOneLine) {
    for (const char* arguments :
         {"cad --format svg --units m", "cad --format svg --thickness 0", "cad --format svg --thickness 2km",
          "cad --format svg --body solid", "cad --format iges", "cad --format csv --thickness 40",
          "render --width 3", "render --height 1e9", "render --width 80.5"}) {
        EXPECT_EQ(Run(arguments), 1) << arguments;
        EXPECT_EQ(Lines(err), 1) << arguments << ": " << err;
        EXPECT_EQ(err.rfind("bellnozzle: ", 0), 0u) << err;
    }
    fs::remove(dir / kProfileFileName);
    EXPECT_EQ(Run("cad --format csv"), 1);
    EXPECT_NE(err.find("zelto_perfil.txt"), std::string::npos) << err;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2) << "only the two logs";
}

TEST_F(CadCommand, WrongUsageShowsTheUsage) {
    EXPECT_EQ(Run("cad"), 2);
    EXPECT_NE(err.find("usage: bellnozzle cad"), std::string::npos);
    EXPECT_EQ(Run("cad --format"), 2);
    EXPECT_EQ(Run("render --colour red"), 2);
    EXPECT_EQ(Run("cad --help"), 0);
    EXPECT_NE(out.find("--body flow|shell"), std::string::npos);
}

TEST_F(CadCommand, SolidFormatsWithoutSolidsOrRenderWithoutPovraySaySo) {
    if (!SolidFormatsAvailable()) {
        EXPECT_EQ(Run("cad --format step"), 1);
        EXPECT_NE(err.find("OpenCASCADE"), std::string::npos) << err;
        EXPECT_EQ(Lines(err), 1);
    }
    EXPECT_EQ(Run("render", "PATH=/nonexistent"), 1);
    EXPECT_NE(err.find("install the Debian packages povray"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(dir / "nozzle.png"));
}

}  // namespace
}  // namespace bellnozzle

// The rendered picture through the real POV-Ray (label "tools"): a render
// at a given size, and one stopped while it runs, which must leave the old
// picture as it was and no half-written file behind.
#include <gtest/gtest.h>

#include <cstring>

#include "cad/render.h"
#include "cad_test_support.h"
#include "core/error.h"
#include "core/file_names.h"

namespace bellnozzle {
namespace {

namespace fs = std::filesystem;

// Width and height from the PNG's header chunk.
std::pair<int, int> PngSize(const std::string& png) {
    EXPECT_EQ(png.compare(0, 8, "\x89PNG\r\n\x1a\n"), 0);
    const auto big = [&](std::size_t at) {
        return int((unsigned char)png[at]) << 24 | int((unsigned char)png[at + 1]) << 16 |
               int((unsigned char)png[at + 2]) << 8 | int((unsigned char)png[at + 3]);
    };
    return {big(16), big(20)};
}

class Render : public ::testing::Test {
protected:
    void SetUp() override {
        dir = cadtest::FreshFolder();
        cadtest::WriteBytes(dir / kProfileFileName, cadtest::ProfileText("initial_design"));
    }
    fs::path dir;
};

TEST_F(Render, WritesThePictureAtItsSizeAndTheSceneBesideIt) {
    RenderRequest request;
    request.width = 96;
    request.height = 64;
    request.out = (dir / "pictures" / "nozzle.png").string();
    fs::create_directory(dir / "pictures");
    const RenderResult result = RenderNozzle(dir.string(), request);
    EXPECT_EQ(result.scene, (dir / "pictures" / "nozzle.pov").string());
    EXPECT_EQ(PngSize(cadtest::ReadBytes(result.picture)), std::make_pair(96, 64));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "pictures"), fs::directory_iterator()), 2)
        << "no temporary picture or log left";
}

TEST_F(Render, StoppedRenderKeepsTheOldPicture) {
    cadtest::WriteBytes(dir / "nozzle.png", "old");
    RenderRequest request;
    int polls = 0;
    request.shouldStop = [&polls] { return ++polls > 1; };
    request.width = 4096;  // long enough to be stopped
    request.height = 4096;
    try {
        RenderNozzle(dir.string(), request);
        ADD_FAILURE() << "a stopped render reported success";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("stopped"), std::string::npos) << error.what();
    }
    EXPECT_EQ(cadtest::ReadBytes(dir / "nozzle.png"), "old");
    for (const auto& entry : fs::directory_iterator(dir)) {
        EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
    }
}

}  // namespace
}  // namespace bellnozzle

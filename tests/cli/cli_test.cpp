// The headless command as a script uses it: outputs, files and exit codes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "command_fixture.h"

namespace {

using namespace bellnozzle::clitest;

class CommandTest : public CommandFixture {};

int Lines(const std::string& text) {
    int count = 0;
    for (const char c : text) count += c == '\n';
    return count;
}

TEST_F(CommandTest, DesignWithTheWindowsInitialEntries) {
    const Result result = Run({"design"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "theta_n=25.3911\ntheta_s=10.8587\nprofile=zelto_perfil.txt\npoints=53\n");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(Profile(), Slurp(BELLNOZZLE_CORE_GOLDEN_DIR "/profile/initial_design.txt"));

    // The texts convert as the window's entries do: "5", "5,0" and "80%" too.
    for (const char* diameter : {"5", "5,0", "5.0 cm"}) {
        ASSERT_EQ(Run({"design", "--diameter", diameter, "--length=80"}).status, 0);
        EXPECT_EQ(Profile(), Slurp(BELLNOZZLE_CORE_GOLDEN_DIR "/profile/initial_design.txt")) << diameter;
    }
}

TEST_F(CommandTest, DesignWritesIntoTheFolderGiven) {
    std::filesystem::create_directory(dir_ / "sub");
    const Result result = Run({"design", "--dir", "sub", "--diameter", "1", "--length", "60%", "--epsilon", "5"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("profile=sub/zelto_perfil.txt"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir_ / "sub" / "zelto_perfil.txt"));
    EXPECT_FALSE(HaveProfile());
}

TEST_F(CommandTest, RefusedDesignsSayWhyOnOneLineAndWriteNothing) {
    const std::vector<std::vector<std::string>> refused = {
        {"design", "--length", "85"},
        {"design", "--length", "abc"},
        {"design", "--diameter", "0"},
        {"design", "--diameter", "-5"},
        {"design", "--epsilon", "0.5"},
        {"design", "--dir", "no/such/folder"},
    };
    for (const auto& args : refused) {
        const Result result = Run(args);
        EXPECT_EQ(result.status, 1) << args[1] << " " << args[2];
        EXPECT_EQ(Lines(result.err), 1) << result.err;
        EXPECT_EQ(result.err.rfind("bellnozzle: ", 0), 0u) << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_FALSE(HaveProfile());
    }
}

TEST_F(CommandTest, EntriesAtTheEdgesOfAtofNeverCrashOrWriteNonFiniteNumbers) {
    const std::vector<std::string> texts = {"", " ", "+", "-", "1e400", "1e-400", "nan", "inf", "-inf",
                                            "0x10", std::string(500, '9'), "0." + std::string(500, '0') + "1",
                                            "\xC3\xA9", "\xE9"};
    for (const char* option : {"--diameter", "--epsilon", "--length"}) {
        for (const std::string& text : texts) {
            const Result result = Run({"design", option, text});
            EXPECT_TRUE(result.status == 0 || result.status == 1) << option << " '" << text << "': " << result.status;
            if (result.status == 0) {
                const std::string profile = Profile();
                EXPECT_EQ(profile.find("nan"), std::string::npos) << option << " " << text;
                EXPECT_EQ(profile.find("inf"), std::string::npos) << option << " " << text;
            } else {
                EXPECT_EQ(Lines(result.err), 1) << result.err;
            }
            std::filesystem::remove(dir_ / "zelto_perfil.txt");
        }
    }
}

TEST_F(CommandTest, LookupPrintsBothAngles) {
    Result result = Run({"lookup", "--epsilon", "10", "--length", "80%"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "theta_n=25.3911\ntheta_s=10.8587\n");
    result = Run({"lookup", "--epsilon", "50", "--length", "80"});
    EXPECT_EQ(result.out, "theta_n=32.1053\ntheta_s=7.63158\n");
    EXPECT_EQ(Run({"lookup", "--epsilon", "10", "--length", "85"}).status, 1);
    EXPECT_EQ(Run({"lookup", "--epsilon", "10"}).status, 2);
}

TEST_F(CommandTest, ChartPrintsTheSamplesOfTheTenCurves) {
    const Result result = Run({"chart"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(Lines(result.out), 231);
    EXPECT_EQ(result.out.rfind("length_percent,epsilon,theta_n,theta_s\n60,5,28.2895,19.8684\n", 0), 0u);
    EXPECT_NE(result.out.find("\n80,10,25.3911,10.8587\n"), std::string::npos);
    EXPECT_NE(result.out.find("\n60,50,38.2895,12.8947\n"), std::string::npos);
    EXPECT_NE(result.out.find("\n100,50,29.3421,4.60526\n"), std::string::npos);
}

TEST_F(CommandTest, UsageErrorsExitTwoAndHelpExitsZero) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"design", "--bogus", "1"}, {"design", "--dir"}, {"design", "stray"}, {"frobnicate"}}) {
        const Result result = Run(args);
        EXPECT_EQ(result.status, 2) << args[0];
        EXPECT_NE(result.err.find("usage: bellnozzle"), std::string::npos) << result.err;
        EXPECT_FALSE(HaveProfile());
    }
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--help"}, {"design", "--help"}, {"lookup", "--help"}, {"chart", "--help"}}) {
        const Result result = Run(args);
        EXPECT_EQ(result.status, 0);
        EXPECT_NE(result.out.find("usage: bellnozzle"), std::string::npos);
    }
}

}  // namespace

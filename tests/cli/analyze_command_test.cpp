// analyze as scripts use it: what it refuses, with one line and exit status 1
// (2 for wrong usage), and that a refusal writes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "command_fixture.h"

namespace {

using namespace bellnozzle::clitest;

class AnalyzeCommand : public CommandFixture {
protected:
    std::set<std::string> Files() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_)) {
            names.insert(std::filesystem::relative(entry.path(), dir_).string());
        }
        return names;
    }
};

int CountLines(const std::string& text) {
    int count = 0;
    for (const char c : text) count += c == '\n';
    return count;
}

TEST_F(AnalyzeCommand, RefusesOptionsWithoutMeaningAndWritesNothing) {
    ASSERT_EQ(Run({"design"}).status, 0);
    std::filesystem::create_directory(dir_ / "sub");
    const std::string profile = Profile();
    const std::set<std::string> files = Files();
    const struct {
        std::vector<std::string> args;
        int status;
        const char* mentions;
    } cases[] = {
        {{"--frobnicate", "1"}, 2, "--frobnicate"},
        {{"--gamma"}, 2, "--gamma"},
        {{"extra"}, 2, "extra"},
        {{"--gamma", "abc"}, 1, "--gamma"},
        {{"--gamma", "1"}, 1, "gamma"},
        {{"--gamma", "0.9"}, 1, "gamma"},
        {{"--p0", "0"}, 1, "p0"},
        {{"--p0", "inf"}, 1, "--p0"},
        {{"--pa", "-1"}, 1, "pa"},
        {{"--pa", "nan"}, 1, "--pa"},
        {{"--characteristics", "0"}, 1, "--characteristics"},
        {{"--characteristics", "-3"}, 1, "--characteristics"},
        {{"--characteristics", "2.5"}, 1, "--characteristics"},
        {{"--characteristics", "3"}, 1, "--characteristics"},
        {{"--characteristics", "401"}, 1, "--characteristics"},
        {{"--characteristics", "1e9"}, 1, "--characteristics"},
        {{"--characteristics", "ten"}, 1, "--characteristics"},
        {{"--characteristics="}, 1, "--characteristics"},
        // Never over the profile, however it is named, and never two outputs
        // in one file.
        {{"--csv", "zelto_perfil.txt"}, 1, "profile file"},
        {{"--csv", "sub/../zelto_perfil.txt"}, 1, "profile file"},
        {{"--csv", "out.csv", "--png", "out.csv"}, 1, "--png"},
    };
    for (const auto& c : cases) {
        std::string joined;
        for (const std::string& arg : c.args) joined += arg + " ";
        SCOPED_TRACE(joined);
        std::vector<std::string> args = {"analyze"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const Result result = Run(args);
        EXPECT_EQ(result.status, c.status) << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find(c.mentions), std::string::npos) << result.err;
        if (c.status == 1) {
            EXPECT_EQ(CountLines(result.err), 1) << result.err;
        }
        EXPECT_EQ(Files(), files);
        EXPECT_EQ(Profile(), profile);
    }
}

TEST_F(AnalyzeCommand, WithoutAProfileItSaysToRunTheDesign) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"analyze"}, {"analyze", "--dir", "nowhere", "--csv", "wall.csv"}}) {
        const Result result = Run(args);
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(CountLines(result.err), 1) << result.err;
        EXPECT_NE(result.err.find("zelto_perfil.txt"), std::string::npos) << result.err;
        EXPECT_NE(result.err.find("design"), std::string::npos) << result.err;
        EXPECT_FALSE(std::filesystem::exists(dir_ / "wall.csv"));
    }
}

}  // namespace

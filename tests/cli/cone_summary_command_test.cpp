// design --conical and summary as scripts use them: outputs, exit codes, and
// that a refusal writes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "command_fixture.h"

namespace {

using namespace bellnozzle::clitest;

class ConeSummaryCommand : public CommandFixture {};

int CountLines(const std::string& text) {
    int count = 0;
    for (const char c : text) count += c == '\n';
    return count;
}

TEST_F(ConeSummaryCommand, ConicalDesignIgnoresTheChartAndRefusesALength) {
    Result result = Run({"design", "--conical", "--diameter", "5,0"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "theta_n=15\ntheta_s=15\nprofile=zelto_perfil.txt\npoints=59\n");
    const std::string cone = Profile();
    EXPECT_EQ(cone.rfind("[parametros]\nRt=2.5 cm\nepsilon=10\nLf=100 %\nthetan=15 graus\nthetas=15 graus\n", 0),
              0u);
    EXPECT_NE(cone.find("\nlengf=20.668 cm\n[perfil]\n"), std::string::npos);
    EXPECT_NE(cone.find("\n59\t20.668\t7.90569\n"), std::string::npos);

    // Wrong usage and a refused design leave the cone's file as it is.
    result = Run({"design", "--conical", "--length", "80%"});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("--length"), std::string::npos);
    result = Run({"design", "--conical", "--epsilon", "1.05"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(CountLines(result.err), 1) << result.err;
    EXPECT_EQ(Profile(), cone);

    // Without the flag the bell comes back.
    ASSERT_EQ(Run({"design"}).status, 0);
    EXPECT_NE(Profile().find("\nLf=80 %\n"), std::string::npos);
}

TEST_F(ConeSummaryCommand, SummaryAsTextAndJson) {
    ASSERT_EQ(Run({"design", "--epsilon", "20"}).status, 0);
    Result text = Run({"summary", "--gamma=1.2", "--p0", "35", "--pa", "0"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.err, "");
    EXPECT_EQ(text.out.rfind("nozzle=bell\nthroat_diameter=5 cm\n", 0), 0u) << text.out;
    for (const char* line : {"\ngamma=1.2\n", "\np0=35 bar\n", "\npa=0 bar\n", "\nexpansion=under-expanded\n"}) {
        EXPECT_NE(text.out.find(line), std::string::npos) << line;
    }
    Result json = Run({"summary", "--json", "--gamma=1.2", "--p0", "35", "--pa", "0"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.out.front(), '{');
    EXPECT_EQ(json.out.substr(json.out.size() - 2), "}\n");
    // The same figures in both: every text value is in the object.
    std::istringstream lines(text.out);
    for (std::string line; std::getline(lines, line);) {
        const std::string value = line.substr(line.find('=') + 1, line.find(' ') - line.find('=') - 1);
        const bool asNumber = json.out.find(": " + value + ",\n") != std::string::npos;
        const bool asText = json.out.find(": \"" + value + "\",\n") != std::string::npos;
        EXPECT_TRUE(asNumber || asText) << line;
    }

    ASSERT_EQ(Run({"design", "--conical", "--dir", "."}).status, 0);
    text = Run({"summary", "--dir", "."});
    ASSERT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("\ndivergence_factor=0.982963 "), std::string::npos);
}

TEST_F(ConeSummaryCommand, SummaryRefusalsAreOneLineAndExitOne) {
    Result result = Run({"summary"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(CountLines(result.err), 1) << result.err;
    EXPECT_NE(result.err.find("zelto_perfil.txt"), std::string::npos);
    EXPECT_EQ(result.out, "");

    ASSERT_EQ(Run({"design"}).status, 0);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--gamma", "1"}, {"--gamma", "1.4x"}, {"--gamma", "nan"}, {"--p0", "-2"},
          {"--p0", "inf"}, {"--p0", "0"}, {"--pa", "-1"}, {"--pa", "1e999"}, {"--pa", ""}}) {
        std::vector<std::string> command = {"summary"};
        command.insert(command.end(), args.begin(), args.end());
        result = Run(command);
        EXPECT_EQ(result.status, 1) << args[0] << " " << args[1];
        EXPECT_EQ(CountLines(result.err), 1) << result.err;
        EXPECT_EQ(result.out, "");
    }
    EXPECT_EQ(Run({"summary", "--mach", "3"}).status, 2);
    EXPECT_EQ(Run({"summary", "--help"}).status, 0);
}

}  // namespace

// The sweep and report --table commands as a user runs them: what they
// refuse (and that nothing is written then), the case folders against the
// design and case commands' own files, Ctrl-C and the chart.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <regex>
#include <thread>

#include "command_fixture.h"

namespace bellnozzle::clitest {
namespace {

namespace fs = std::filesystem;

using SweepCommand = CommandFixture;

TEST_F(SweepCommand, RefusesWrongUsageAndBadValuesWritingNothing) {
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* says;
    };
    const Case cases[] = {
        {{"sweep", "--json", "--csv", "t.csv"}, 2, "not both"},
        {{"sweep", "--np", "2"}, 2, "--cases"},
        {{"sweep", "--lengths", "80"}, 2, "unknown option"},
        {{"sweep", "--epsilon", "5:50", "--csv", "t.csv"}, 1, "A:B:STEP"},
        {{"sweep", "--method", "bell", "--csv", "t.csv"}, 1, "no contour method"},
        {{"sweep", "--gamma", "1", "--csv", "t.csv"}, 1, "gamma"},
        {{"sweep", "--diameter", "-5", "--csv", "t.csv"}, 1, "diameter"},
        {{"sweep", "--cases", "c", "--cells", "12x", "--csv", "t.csv"}, 1, "--cells"},
        {{"sweep", "--cases", "c", "--np", "0"}, 1, "--np"},
        {{"sweep", "--length", "55", "--method", "chart", "--csv", "t.csv"}, 1, "every design"},
        {{"sweep", "--csv", "no/t.csv"}, 1, "no such folder"},
        {{"sweep", "--png", "no/t.png"}, 1, "no such folder"},
    };
    for (const Case& c : cases) {
        const Result r = Run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[1] << " " << c.args[2] << "\n" << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_TRUE(fs::is_empty(dir_)) << c.args[1] << " " << c.args[2];
    }
}

// The text of a JSON member's value ("0.98765", "null") in text, after from.
std::string Member(const std::string& text, const std::string& key, std::size_t from = 0) {
    std::smatch match;
    const std::regex pattern("\"" + key + "\": ([^,\n}]*)");
    const std::string rest = text.substr(from);
    return std::regex_search(rest, match, pattern) ? match[1].str() : "(no " + key + ")";
}

// A row reads the digits analyze --json and summary --json print for the
// profile the design command writes with the same entries.
TEST_F(SweepCommand, RowsEqualTheAnalysisAndSummaryOfTheWrittenDesign) {
    const Result sweep = Run({"sweep", "--json", "--epsilon", "20", "--length", "70", "--method", "chart,cone",
                              "--gamma", "1.25", "--p0", "30", "--pa", "1"});
    ASSERT_EQ(sweep.status, 0) << sweep.err;
    const std::size_t coneRow = sweep.out.find("\"method\": \"cone\"");
    ASSERT_NE(coneRow, std::string::npos) << sweep.out;
    const struct {
        std::vector<std::string> design;
        std::size_t row;
    } designs[] = {{{"design", "--epsilon", "20", "--length", "70"}, 0}, {{"design", "--conical", "--epsilon", "20"}, coneRow}};
    for (const auto& d : designs) {
        ASSERT_EQ(Run(d.design).status, 0);
        const Result analysis = Run({"analyze", "--json", "--gamma", "1.25", "--p0", "30", "--pa", "1"});
        const Result summary = Run({"summary", "--json", "--gamma", "1.25", "--p0", "30", "--pa", "1"});
        ASSERT_EQ(analysis.status, 0) << analysis.err;
        ASSERT_EQ(summary.status, 0) << summary.err;
        EXPECT_EQ(Member(sweep.out, "error", d.row), "null");
        for (const char* key : {"efficiency", "cf_vacuum", "cf_ambient", "cf_ambient_separated", "separation_x_cm",
                                "shock_x_cm", "discharge_coefficient", "exit_mach_mean"}) {
            EXPECT_EQ(Member(sweep.out, key, d.row), Member(analysis.out, key)) << d.design[1] << " " << key;
        }
        for (const char* key : {"length_cm", "length_saved_cm", "wall_area_cm2"}) {
            EXPECT_EQ(Member(sweep.out, key, d.row), Member(summary.out, key)) << d.design[1] << " " << key;
        }
        EXPECT_EQ(Member(sweep.out, "exit_angle_deg", d.row), Member(summary.out, "theta_s_deg"));
    }
}

// Each case folder holds the profile the design command writes for the same
// entries and the case the case command writes of it.
TEST_F(SweepCommand, CasesAreTheDesignAndCaseCommandsOwnFiles) {
    fs::create_directories(dir_ / "sweep");
    const Result r = Run({"sweep", "--epsilon", "4", "--length", "80", "--method", "chart,cone", "--cases", "sweep",
                          "--cells", "12x4", "--np", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Slurp(dir_ / "sweep/cases.txt"), "chart_eps4_L80/nozzle_case\ncone_eps4/nozzle_case\n");
    for (const char* script : {"sweep.slurm", "run-local.sh"}) {
        EXPECT_TRUE((fs::status(dir_ / "sweep" / script).permissions() & fs::perms::owner_exec) != fs::perms::none);
    }
    const std::string slurm = Slurp(dir_ / "sweep/sweep.slurm");
    for (const char* line : {"#SBATCH --array=1-2\n", "#SBATCH --ntasks=2\n", "##SBATCH --partition=",
                             "##SBATCH --time=", "##SBATCH --account=", "/Allrun\" 2 >"}) {
        EXPECT_NE(slurm.find(line), std::string::npos) << line;
    }

    fs::create_directories(dir_ / "own/chart");
    fs::create_directories(dir_ / "own/cone");
    ASSERT_EQ(Run({"design", "--dir", "own/chart", "--epsilon", "4", "--length", "80"}).status, 0);
    ASSERT_EQ(Run({"design", "--conical", "--dir", "own/cone", "--epsilon", "4"}).status, 0);
    for (const auto& [mine, sweep] : {std::pair{"own/chart", "sweep/chart_eps4_L80"}, {"own/cone", "sweep/cone_eps4"}}) {
        EXPECT_EQ(Slurp(dir_ / sweep / "zelto_perfil.txt"), Slurp(dir_ / mine / "zelto_perfil.txt")) << mine;
        ASSERT_EQ(Run({"case", "--dir", mine, "--nx", "12", "--ny", "4", "--np", "2"}).status, 0);
        for (const char* file : {"system/blockMeshDict", "system/controlDict", "0/p", "README", "Allrun"}) {
            EXPECT_EQ(Slurp(dir_ / sweep / "nozzle_case" / file), Slurp(dir_ / mine / "nozzle_case" / file))
                << sweep << "/" << file;
        }
    }

    // A folder that holds anything is never written into.
    const Result again = Run({"sweep", "--epsilon", "4", "--length", "80", "--cases", "sweep"});
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.err.find("not an empty folder"), std::string::npos) << again.err;
    EXPECT_EQ(Slurp(dir_ / "sweep/cases.txt"), "chart_eps4_L80/nozzle_case\ncone_eps4/nozzle_case\n");
    for (const auto& entry : fs::directory_iterator(dir_)) {
        EXPECT_EQ(entry.path().filename().string().find(".part-"), std::string::npos) << entry.path();
    }
}

// Ctrl-C: the rows done so far, marked incomplete, status 130, no file.
TEST_F(SweepCommand, InterruptPrintsTheRowsDoneAndWritesNothing) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (chdir(dir_.c_str()) != 0) _exit(99);
        if (!freopen("out.txt", "w", stdout) || !freopen("err.txt", "w", stderr)) _exit(99);
        execl(BELLNOZZLE_BINARY, BELLNOZZLE_BINARY, "sweep", "--epsilon", "2:100001:1", "--length", "80",
              "--method", "cone", "--csv", "t.csv", static_cast<char*>(nullptr));
        _exit(98);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    kill(child, SIGINT);
    int raw = 0;
    ASSERT_EQ(waitpid(child, &raw, 0), child);
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 130);
    const std::string out = Slurp(dir_ / "out.txt"), err = Slurp(dir_ / "err.txt");
    EXPECT_EQ(out.rfind("method ", 0), 0u) << out.substr(0, 200);
    EXPECT_NE(out.find("\ncone       2 "), std::string::npos) << out.substr(0, 400);
    EXPECT_NE(out.find("incomplete: stopped after "), std::string::npos);
    EXPECT_NE(err.find("no file written"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(dir_ / "t.csv"));
}

TEST_F(SweepCommand, DrawsTheTradeChart) {
    const Result r = Run({"sweep", "--epsilon", "10,20", "--png", "chart.png"});
#ifdef BELLNOZZLE_TEST_WITH_GUI
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Slurp(dir_ / "chart.png").substr(0, 8), "\x89PNG\r\n\x1a\n");
#else
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("window build"), std::string::npos) << r.err;
#endif
}

TEST_F(SweepCommand, ReportTableRefusesAFolderWithoutCases) {
    fs::create_directories(dir_ / "empty");
    const Result none = Run({"report", "--table", "empty", "--csv", "t.csv"});
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("no case of bellnozzle"), std::string::npos) << none.err;
    EXPECT_EQ(Run({"report", "--table", "missing"}).status, 1);
    EXPECT_FALSE(fs::exists(dir_ / "t.csv"));
}

}  // namespace
}  // namespace bellnozzle::clitest

// The sweep and report --table commands as a user runs them: what they
// refuse (and that nothing is written then), the case folders against the
// design and case commands' own files, Ctrl-C and the chart.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
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
    };
    for (const Case& c : cases) {
        const Result r = Run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[1] << " " << c.args[2] << "\n" << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_TRUE(fs::is_empty(dir_)) << c.args[1] << " " << c.args[2];
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

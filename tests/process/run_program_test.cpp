// Running outside programs: exit status and signals reported as they are,
// output in the log, the environment and folder passed, and a stop that
// ends the whole process group.
#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "process/run_program.h"

namespace bellnozzle {
namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Gone, or a zombie left to a parent that does not reap (as in a container
// whose first process is a plain shell).
bool IsRunning(std::string pid) {
    while (!pid.empty() && (pid.back() == '\n' || pid.back() == ' ')) pid.pop_back();
    const std::string stat = ReadAll("/proc/" + pid + "/stat");
    const std::size_t close = stat.rfind(')');
    return close != std::string::npos && close + 2 < stat.size() && stat[close + 2] != 'Z';
}

class RunProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / ("bellnozzle-run-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    std::filesystem::path dir_;
};

TEST_F(RunProgramTest, ReportsExitStatusAndOutput) {
    RunOptions options;
    options.workDir = dir_.string();
    options.logPath = Path("log.txt");
    options.environment = {"BELLNOZZLE_GREETING=olá", "HOME=/nowhere"};
    const RunResult result =
        RunProgram({"sh", "-c", "pwd; echo $BELLNOZZLE_GREETING $HOME; echo oops >&2; read x; exit 3"}, options);
    EXPECT_TRUE(result.started);
    EXPECT_FALSE(result.Succeeded());
    EXPECT_EQ(result.exitStatus, 3);
    EXPECT_EQ(ReadAll(Path("log.txt")),
              std::filesystem::canonical(dir_).string() + "\nolá /nowhere\noops\n");
    EXPECT_TRUE(RunProgram({"true"}).Succeeded());
}

TEST_F(RunProgramTest, MissingProgramsAndFoldersAreReported) {
    EXPECT_EQ(FindProgram("bellnozzle-no-such-program"), "");
    EXPECT_NE(FindProgram("sh"), "");
    RunResult result = RunProgram({"bellnozzle-no-such-program"});
    EXPECT_FALSE(result.started);
    EXPECT_NE(result.error.find("not found"), std::string::npos);

    RunOptions options;
    options.workDir = Path("missing");
    result = RunProgram({"true"}, options);
    EXPECT_FALSE(result.Succeeded());
    EXPECT_FALSE(result.error.empty());

    options.workDir.clear();
    options.logPath = Path("missing/log.txt");
    result = RunProgram({"true"}, options);
    EXPECT_FALSE(result.started);
    EXPECT_NE(result.error.find("log"), std::string::npos);
}

TEST_F(RunProgramTest, StopEndsTheWholeGroupAndSaysSo) {
    // The child starts a grandchild that would outlive a stop sent to the
    // child alone; the grandchild's pid file lets the test look for it.
    RunOptions options;
    options.workDir = dir_.string();
    int ticks = 0;
    options.onTick = [&] { ++ticks; };
    options.shouldStop = [&] { return ticks >= 3; };
    const auto start = std::chrono::steady_clock::now();
    const RunResult result = RunProgram({"sh", "-c", "sleep 30 & echo $! > grandchild; wait"}, options);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_TRUE(result.started);
    EXPECT_TRUE(result.stopped);
    EXPECT_FALSE(result.Succeeded());
    const std::string grandchild = ReadAll(Path("grandchild"));
    for (int i = 0; i < 50 && IsRunning(grandchild); ++i) usleep(20000);
    EXPECT_FALSE(IsRunning(grandchild)) << "the grandchild outlived the stop";
}

TEST_F(RunProgramTest, SignalsAreReported) {
    const RunResult result = RunProgram({"sh", "-c", "kill -KILL $$"});
    EXPECT_EQ(result.signal, 9);
    EXPECT_FALSE(result.Succeeded());
}

}  // namespace
}  // namespace bellnozzle

// What the command tests share: a fresh working folder per test and a run of
// the real program in it, with its status, standard output and standard error.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace bellnozzle::clitest {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// One argument for the shell, whatever quotes it holds.
inline std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (const char c : arg) quoted += (c == '\'') ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

class CommandFixture : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("bellnozzle-cli-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
                std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    Result Run(const std::vector<std::string>& args) {
        std::string command = "cd " + Quote(dir_.string()) + " && " + Quote(BELLNOZZLE_BINARY);
        for (const std::string& arg : args) command += " " + Quote(arg);
        command += " >out.txt 2>err.txt </dev/null";
        const int raw = std::system(command.c_str());
        Result result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
        result.out = Slurp(dir_ / "out.txt");
        result.err = Slurp(dir_ / "err.txt");
        std::filesystem::remove(dir_ / "out.txt");
        std::filesystem::remove(dir_ / "err.txt");
        return result;
    }
    std::string Profile() const { return Slurp(dir_ / "zelto_perfil.txt"); }
    bool HaveProfile() const { return std::filesystem::exists(dir_ / "zelto_perfil.txt"); }

    std::filesystem::path dir_;
};

}  // namespace bellnozzle::clitest

#include "process/run_program.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

extern char** environ;

namespace bellnozzle {
namespace {

bool IsExecutableFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

std::string NameOf(const std::string& entry) { return entry.substr(0, entry.find('=')); }

// The inherited environment with the options' entries put in, built before
// the fork: the child of a threaded program may only call async-signal-safe
// functions, so it must not touch the environment itself.
std::vector<std::string> ChildEnvironment(const std::vector<std::string>& changes) {
    std::vector<std::string> entries;
    for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
        const std::string text = *entry;
        bool replaced = false;
        for (const std::string& change : changes) replaced = replaced || NameOf(change) == NameOf(text);
        if (!replaced) entries.push_back(text);
    }
    entries.insert(entries.end(), changes.begin(), changes.end());
    return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// In the child, between fork and exec: only async-signal-safe calls.
[[noreturn]] void StartChild(const char* program, char** argv, char** envp, const char* workDir, int logFd) {
    setpgid(0, 0);
    const int input = open("/dev/null", O_RDONLY);
    if (input >= 0) dup2(input, STDIN_FILENO);
    dup2(logFd, STDOUT_FILENO);
    dup2(logFd, STDERR_FILENO);
    if (workDir[0] != '\0' && chdir(workDir) != 0) _exit(127);
    signal(SIGINT, SIG_DFL);
    signal(SIGTERM, SIG_DFL);
    execve(program, argv, envp);
    _exit(127);
}

// Asks the whole group to end, and forces it after two seconds. The child is
// only looked at, not reaped, so the caller's wait still sees its status.
void Stop(pid_t pid) {
    kill(-pid, SIGTERM);
    for (int i = 0; i < 20; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        siginfo_t info{};
        if (waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid)
            return;
    }
    kill(-pid, SIGKILL);
}

}  // namespace

std::string FindProgram(const std::string& name) {
    if (name.empty()) return {};
    if (name.find('/') != std::string::npos) return IsExecutableFile(name) ? name : std::string();
    const char* path = std::getenv("PATH");
    std::string folders = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= folders.size()) {
        std::size_t end = folders.find(':', start);
        if (end == std::string::npos) end = folders.size();
        const std::string folder = end > start ? folders.substr(start, end - start) : ".";
        const std::string candidate = folder + "/" + name;
        if (IsExecutableFile(candidate)) return candidate;
        start = end + 1;
    }
    return {};
}

RunResult RunProgram(const std::vector<std::string>& argv, const RunOptions& options) {
    RunResult result;
    if (argv.empty()) {
        result.error = "no program to run";
        return result;
    }
    const std::string program = FindProgram(argv[0]);
    if (program.empty()) {
        result.error = "program \"" + argv[0] + "\" not found on PATH";
        return result;
    }
    const std::string logPath = options.logPath.empty() ? "/dev/null" : options.logPath;
    const int logFd = open(logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (logFd < 0) {
        result.error = "cannot write the log \"" + logPath + "\": " + std::strerror(errno);
        return result;
    }
    std::vector<std::string> arguments = argv;
    std::vector<std::string> environment = ChildEnvironment(options.environment);
    std::vector<char*> argPointers = Pointers(arguments);
    std::vector<char*> envPointers = Pointers(environment);

    const pid_t pid = fork();
    if (pid < 0) {
        result.error = std::string("cannot start \"") + argv[0] + "\": " + std::strerror(errno);
        close(logFd);
        return result;
    }
    if (pid == 0) StartChild(program.c_str(), argPointers.data(), envPointers.data(), options.workDir.c_str(), logFd);
    // Also set here, so a stop right after the fork reaches the group.
    setpgid(pid, pid);
    close(logFd);
    result.started = true;

    int status = 0;
    for (;;) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        if (done < 0 && errno != EINTR) {
            result.error = std::string("lost track of \"") + argv[0] + "\": " + std::strerror(errno);
            return result;
        }
        if (options.onTick) options.onTick();
        if (!result.stopped && options.shouldStop && options.shouldStop()) {
            result.stopped = true;
            Stop(pid);
            continue;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (WIFEXITED(status)) {
        result.exitStatus = WEXITSTATUS(status);
        if (result.exitStatus == 127 && !result.stopped)
            result.error = "\"" + argv[0] + "\" could not be started in \"" + options.workDir + "\"";
    } else if (WIFSIGNALED(status)) {
        result.signal = WTERMSIG(status);
    }
    return result;
}

}  // namespace bellnozzle

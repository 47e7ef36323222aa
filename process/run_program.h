// Running the outside programs this tool hands its files to (Gmsh, OpenFOAM,
// POV-Ray) as the real programs: found on PATH, run in a folder of their own
// with their output in a log file, watched while they run, and stoppable.
// POSIX only; no toolkit.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace bellnozzle {

// The absolute path of name found on PATH, or name itself when it holds a
// slash and is executable; empty when there is no such program.
std::string FindProgram(const std::string& name);

struct RunOptions {
    std::string workDir;                   // empty: the current folder
    std::string logPath;                   // standard output and error go here (emptied first); empty: /dev/null
    std::vector<std::string> environment;  // "NAME=value", added to or replacing the inherited environment
    // Polled about ten times a second; when it returns true the program is
    // stopped: SIGTERM to its process group, SIGKILL 2 s later.
    std::function<bool()> shouldStop;
    std::function<void()> onTick;  // called at each poll, e.g. to read progress from the log
};

struct RunResult {
    bool started = false;  // false: it could not be started, error says why
    bool stopped = false;  // ended because shouldStop asked for it
    int exitStatus = -1;   // the exit status when it exited by itself
    int signal = 0;        // the signal that ended it, if one did
    std::string error;

    bool Succeeded() const { return started && !stopped && signal == 0 && exitStatus == 0; }
};

// Runs argv (argv[0] searched on PATH) in a process group of its own with
// standard input from /dev/null, and waits for it to end.
RunResult RunProgram(const std::vector<std::string>& argv, const RunOptions& options = {});

}  // namespace bellnozzle

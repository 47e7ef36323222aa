// Following a run from its logs while it goes: which tool runs, and how far
// the solver's simulated time has come.
#pragma once

#include <cstdint>
#include <string>

namespace bellnozzle {

// Reads a growing log in pieces: each Poll reads only what was added since
// the last one (and starts over if the file was replaced by a shorter one).
class LogFollower {
public:
    explicit LogFollower(std::string path) : path_(std::move(path)) {}

    // The value of the last complete "Time = VALUE" line seen so far, or a
    // negative number when there was none.
    double LastTime();

private:
    void Poll();

    std::string path_;
    std::uint64_t offset_ = 0;
    std::string partial_;  // an unfinished last line
    double lastTime_ = -1;
};

// The last "Time = VALUE" line of a whole solver log's text; negative if none.
double LastSolverTime(const std::string& logText);

// The tool Allrun runs now, from its own log ("Allrun: TOOL ..." lines):
// empty before the first.
std::string CurrentAllrunStep(const std::string& allrunLogText);

}  // namespace bellnozzle

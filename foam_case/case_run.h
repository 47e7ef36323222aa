// Running a case through its Allrun, with progress and a way to stop it.
#pragma once

#include <functional>
#include <string>

namespace bellnozzle {

struct RunProgress {
    std::string step;             // the tool running now ("blockMesh", "rhoCentralFoam", ...)
    double simulatedTime = 0;     // s, the solver's time so far
    double endTime = 0;           // s
    double elapsedSeconds = 0;    // wall time since the run started
    double secondsLeft = -1;      // estimate; negative while unknown

    double Fraction() const;  // simulated time over end time, 0 to 1
};

struct CaseRunOptions {
    int processes = 0;                  // 0: as the case was written
    std::function<bool()> shouldStop;   // polled about ten times a second
    std::function<void(const RunProgress&)> onProgress;  // called as often
};

enum class RunOutcome { Finished, Stopped, Failed };

struct CaseRunResult {
    RunOutcome outcome = RunOutcome::Failed;
    std::string english;     // why it failed or was stopped; empty when finished
    std::string portuguese;
    double wallSeconds = 0;
};

// Runs caseDir/Allrun (with the process count) and waits for it. Throws
// Error before starting when caseDir is no case of this program, the process
// count is refused, or an OpenFOAM program it needs is missing. A stopped
// run leaves the case as it was written plus partial results; Allrun starts
// from the written case again.
CaseRunResult RunCaseFolder(const std::string& caseDir, const CaseRunOptions& options);

}  // namespace bellnozzle

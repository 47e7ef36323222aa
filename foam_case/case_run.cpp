#include "foam_case/case_run.h"

#include <algorithm>
#include <chrono>
#include <vector>

#include "core/error.h"
#include "core/file_names.h"
#include "core/text_file.h"
#include "core/text_format.h"
#include "foam_case/case_files.h"
#include "foam_case/case_writer.h"
#include "foam_case/solver_log.h"
#include "process/run_program.h"

namespace bellnozzle {
namespace {

void RequirePrograms(int processes) {
    std::vector<std::string> needed = {"sh", "blockMesh", "checkMesh", "rhoCentralFoam"};
    if (processes > 1) needed.insert(needed.end(), {"decomposePar", "mpirun", "reconstructPar"});
    for (const std::string& program : needed) {
        if (FindProgram(program).empty()) {
            throw Error("'" + program + "' is not on PATH; install OpenFOAM (Debian package openfoam" +
                            (program == "mpirun" ? ", and openmpi-bin" : "") + ")",
                        "'" + program + "' não está no PATH; instale o OpenFOAM (pacote Debian openfoam" +
                            (program == "mpirun" ? " e openmpi-bin" : "") + ")");
        }
    }
}

// The first non-empty line after start that is not a "From ..." or "in file"
// line: the message of an OpenFOAM fatal error.
std::string FatalMessage(const std::string& log) {
    std::size_t start = log.find("FOAM FATAL");
    if (start == std::string::npos) return "";
    start = log.find('\n', start);
    while (start != std::string::npos && start + 1 < log.size()) {
        const std::size_t end = std::min(log.find('\n', start + 1), log.size());
        std::string line = log.substr(start + 1, end - start - 1);
        line.erase(0, std::min(line.find_first_not_of(' '), line.size()));
        if (!line.empty() && line.rfind("From ", 0) != 0 && line.rfind("in file", 0) != 0) return line;
        start = end;
    }
    return "";
}

// The line Allrun leaves when a step fails, and the message of an OpenFOAM
// fatal error in that step's log.
std::string FailureDetail(const std::string& caseDir) {
    std::string allrunLog;
    try {
        allrunLog = ReadWholeFile(PathIn(caseDir, kRunLogName));
    } catch (const Error&) {
        return "";
    }
    const std::size_t last = allrunLog.rfind("Allrun: ");
    if (last == std::string::npos) return "";
    std::string detail = allrunLog.substr(last + 8);
    detail.erase(std::min(detail.find('\n'), detail.size()));
    const std::size_t see = detail.rfind("see log.");
    if (see == std::string::npos) return detail;
    try {
        const std::string message = FatalMessage(ReadWholeFile(PathIn(caseDir, detail.substr(see + 4))));
        if (!message.empty()) detail += ": " + message;
    } catch (const Error&) {
    }
    return detail;
}

}  // namespace

double RunProgress::Fraction() const {
    if (endTime <= 0 || simulatedTime <= 0) return 0;
    return std::clamp(simulatedTime / endTime, 0.0, 1.0);
}

CaseRunResult RunCaseFolder(const std::string& caseDir, const CaseRunOptions& options) {
    const RecordedCase recorded = ReadRecordedCase(caseDir);
    const int processes = options.processes > 0 ? options.processes : recorded.settings.processes;
    CheckProcessCount(processes, recorded.settings.axialCells);
    RequirePrograms(processes);

    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    Clock::time_point solverStart{};
    double solverStartTime = -1;
    LogFollower solverLog(PathIn(caseDir, kSolverLogName));
    RunProgress progress;
    progress.endTime = recorded.endTime;

    RunOptions run;
    run.workDir = caseDir;
    run.logPath = PathIn(caseDir, kRunLogName);
    run.shouldStop = options.shouldStop;
    int ticks = 0;
    run.onTick = [&] {
        const Clock::time_point now = Clock::now();
        progress.elapsedSeconds = std::chrono::duration<double>(now - start).count();
        // The step changes rarely; the Allrun log is short, read it each second.
        if (ticks++ % 10 == 0) {
            try {
                progress.step = CurrentAllrunStep(ReadWholeFile(run.logPath));
            } catch (const Error&) {
            }
        }
        const double time = progress.step == "rhoCentralFoam" || progress.step == "reconstructPar"
                                ? solverLog.LastTime()
                                : -1;
        if (time > 0) {
            if (solverStartTime < 0) {
                solverStartTime = time;
                solverStart = now;
            }
            progress.simulatedTime = time;
            const double wall = std::chrono::duration<double>(now - solverStart).count();
            const double done = time - solverStartTime;
            progress.secondsLeft = done > 0 && wall > 1 ? (recorded.endTime - time) * wall / done : -1;
            if (progress.secondsLeft < 0 && time >= recorded.endTime) progress.secondsLeft = 0;
        }
        if (options.onProgress) options.onProgress(progress);
    };
    std::string count;
    AppendInt(count, processes);
    const RunResult result = RunProgram({"sh", "./Allrun", count}, run);

    CaseRunResult outcome;
    outcome.wallSeconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (!result.started) {
        outcome.english = "cannot start Allrun: " + result.error;
        outcome.portuguese = "não foi possível iniciar o Allrun: " + result.error;
    } else if (result.stopped) {
        outcome.outcome = RunOutcome::Stopped;
        outcome.english = "the run was stopped; the case can be run again";
        outcome.portuguese = "a execução foi interrompida; o caso pode ser executado de novo";
    } else if (result.Succeeded()) {
        outcome.outcome = RunOutcome::Finished;
    } else {
        const std::string detail = FailureDetail(caseDir);
        outcome.english = "the run failed" + (detail.empty() ? std::string() : ": " + detail) +
                          " (logs in " + caseDir + ")";
        outcome.portuguese = "a execução falhou" + (detail.empty() ? std::string() : ": " + detail) +
                             " (registros em " + caseDir + ")";
    }
    return outcome;
}

}  // namespace bellnozzle

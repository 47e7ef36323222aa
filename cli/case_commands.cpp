// case, cfd and report: an OpenFOAM case of the nozzle, its run and its
// result against 1-D theory, through the same library the window uses.
#include <unistd.h>

#include <atomic>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <string>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/number_option.h"
#include "cli/option_flags.h"
#include "cli/report_table.h"
#include "core/entry_conversion.h"
#include "core/error.h"
#include "core/file_names.h"
#include "core/text_format.h"
#include "export/number_text.h"
#include "foam_case/case_report.h"
#include "foam_case/case_run.h"
#include "foam_case/case_writer.h"

#ifdef BELLNOZZLE_WITH_GUI
#include "ui/run_picture_file.h"
#endif

namespace bellnozzle::cli {
namespace {

const char kCaseUsage[] =
    "usage: bellnozzle case [--dir DIR] [--out CASE] [--p0 BAR] [--T0 K] [--gamma G]\n"
    "                       [--molar-mass G_PER_MOL] [--nx N] [--ny N] [--np N]\n"
    "                       [--start 1d|fill] [--force]\n"
    "\n"
    "Writes an OpenFOAM case folder of the nozzle in DIR/zelto_perfil.txt: an\n"
    "inviscid compressible run of the 5-degree wedge with rhoCentralFoam, with\n"
    "Allrun, Allclean and a README holding the design, the conditions and the 1-D\n"
    "predictions, a copy of the profile and an empty CASE.foam for ParaView. Run it\n"
    "with 'bellnozzle cfd CASE' or CASE/Allrun; from the 1-D start the run ends once\n"
    "the outlet's mass flow and exit Mach have settled, at the latest at its end time.\n"
    "  --dir DIR         folder of the profile file (default: the current folder)\n"
    "  --out CASE        case folder (default DIR/nozzle_case)\n"
    "  --p0 BAR          chamber pressure in bar (default 20)\n"
    "  --T0 K            chamber temperature in K (default 3000)\n"
    "  --gamma G         ratio of specific heats (default 1.4)\n"
    "  --molar-mass G    molar mass in g/mol (default 28.96, air)\n"
    "  --nx N, --ny N    cells along the axis and from the axis to the wall\n"
    "                    (default 100 and 20)\n"
    "  --np N            processes to run on (default 1)\n"
    "  --start 1d|fill   what the run starts from: every cell at the quasi-1-D\n"
    "                    isentropic flow of its axial position (1d, the default),\n"
    "                    or the nozzle filled with a thin, cool gas (fill)\n"
    "  --force           replace CASE whatever it holds\n"
    "An existing CASE is replaced only when it is empty or an earlier case of\n"
    "bellnozzle without results; otherwise nothing is written.\n";

const char kCfdUsage[] =
    "usage: bellnozzle cfd CASE [--np N]\n"
    "\n"
    "Runs the OpenFOAM case CASE (written by 'bellnozzle case') through its Allrun:\n"
    "blockMesh, checkMesh, rhoCentralFoam (on N processes with mpirun when N > 1),\n"
    "reconstructPar. Shows the simulated time against the end time and an\n"
    "estimate of the time left on stderr, then prints the report ('bellnozzle\n"
    "report'). A run starts from the case as written: it first removes the\n"
    "results of an earlier run. Ctrl-C stops the run; the case can then be run\n"
    "again.\n"
    "  --np N  processes (default: as the case was written)\n";

const char kReportUsage[] =
    "usage: bellnozzle report CASE [--json] [--png FILE]\n"
    "\n"
    "Reads the finished run of CASE and prints, against 1-D isentropic theory for\n"
    "the same gamma and area ratio: exit Mach (area average), exit pressure and\n"
    "temperature ratios, mass flow against the choked-flow formula, the\n"
    "inlet/outlet mass imbalance, thrust and thrust coefficient into vacuum from\n"
    "the outlet plane, the discharge coefficient, and whether the run settled.\n"
    "Beside them, the 2-D analysis (method of characteristics, as 'analyze') of the\n"
    "case's copy of the profile: exit Mach, discharge coefficient, vacuum thrust\n"
    "coefficient, and the wall pressure's largest difference past the throat.\n"
    "  --json      print the same as one JSON object, with the wall pressure at\n"
    "              the end of the run face by face (wall: x_cm, p_ratio by x),\n"
    "              1-D theory's (wall_1d) and the analysis' (wall_moc)\n"
    "  --png FILE  also draw the Mach number on the wedge's side faces into FILE,\n"
    "              and below it the wall pressure of the run, the analysis and\n"
    "              1-D theory (needs the window build; drawn without a display)\n";

// Takes the first argument that is neither an option nor an option's value.
bool TakePositional(Args& args, const std::vector<std::string>& valued, std::string& positional) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("-", 0) == 0) {
            const std::string name = arg.substr(arg.rfind("--", 0) == 0 ? 2 : 1);
            if (std::find(valued.begin(), valued.end(), name) != valued.end()) ++i;
            continue;
        }
        positional = arg;
        args.erase(args.begin() + static_cast<long>(i));
        return true;
    }
    return false;
}

std::atomic<bool> interrupted{false};

extern "C" void OnInterrupt(int) { interrupted = true; }

// Seconds as "1 min 20 s" or "12 s".
std::string Duration(double seconds) {
    const long long whole = static_cast<long long>(seconds + 0.5);
    std::string text;
    if (whole >= 60) {
        AppendInt(text, whole / 60);
        text += " min ";
    }
    AppendInt(text, whole % 60);
    return text + " s";
}

// One progress line: step, simulated time of end time, estimate.
std::string ProgressLine(const RunProgress& p) {
    std::string line = "[";
    AppendInt(line, static_cast<long long>(p.Fraction() * 100));
    line += " %] ";
    line += p.step.empty() ? "starting" : p.step;
    if (p.simulatedTime > 0) {
        line += ": t = " + std::string(GText(p.simulatedTime, 4).View()) + " s of " +
                std::string(GText(p.endTime, 4).View()) + " s";
    }
    line += ", " + Duration(p.elapsedSeconds) + " so far";
    // To the end time: a run that settles sooner ends sooner.
    if (p.secondsLeft >= 0) line += ", at most about " + Duration(p.secondsLeft) + " left";
    return line;
}

int PrintReport(const std::string& caseDir, bool json, const std::string& png) {
    try {
        const CaseReport report = ReadCaseReport(caseDir);
        if (!png.empty()) {
#ifdef BELLNOZZLE_WITH_GUI
            std::string error;
            if (!ui::WriteRunPicture(caseDir, report, png, error)) return ReportRefusal(error);
#else
            return ReportRefusal("--png needs the window build (this one was built with BELLNOZZLE_GUI=OFF)");
#endif
        }
        std::fputs(json ? FormatReportJson(report).c_str() : FormatReportText(report).c_str(), stdout);
    } catch (const Error& error) {
        return ReportRefusal(error.what());
    }
    return kExitOk;
}

int CountOption(const ParsedOptions& options, const char* name, int fallback) {
    const double value = NumberOr(options, name, fallback);
    if (value != std::floor(value) || value < -2e9 || value > 2e9) {
        throw Error("--" + std::string(name) + " needs a whole number, not '" + options.values.at(name) + "'",
                    "--" + std::string(name) + " precisa de um número inteiro");
    }
    return static_cast<int>(value);
}

}  // namespace

int RunCaseCommand(const Args& arguments) {
    Args args = arguments;
    const bool force = TakeFlag(args, "force");
    ParsedOptions options;
    if (!ParseOptions(args, {"dir", "out", "p0", "T0", "gamma", "molar-mass", "nx", "ny", "np", "start"},
                      kCaseUsage, options)) {
        return kExitUsage;
    }
    if (options.help) {
        std::fputs(kCaseUsage, stdout);
        return kExitOk;
    }
    const std::string dir = OptionOr(options, "dir", "");
    const std::string caseDir = OptionOr(options, "out", PathIn(dir, kDefaultCaseFolderName));
    try {
        CaseSettings settings;
        settings.gas.chamberPressure = NumberOr(options, "p0", 20) * 1e5;
        settings.gas.chamberTemperature = NumberOr(options, "T0", 3000);
        settings.gas.gamma = NumberOr(options, "gamma", 1.4);
        settings.gas.molarMass = NumberOr(options, "molar-mass", 28.96);
        settings.axialCells = CountOption(options, "nx", 100);
        settings.radialCells = CountOption(options, "ny", 20);
        settings.processes = CountOption(options, "np", 1);
        const std::string start = OptionOr(options, "start", "1d");
        if (!ParseCaseStart(start, settings.start)) {
            throw Error("--start needs 1d or fill, not '" + start + "'", "--start precisa de 1d ou fill");
        }
        WriteCase(PathIn(dir, kProfileFileName), caseDir, settings, force);
    } catch (const Error& error) {
        return ReportRefusal(error.what());
    }
    std::printf("case=%s\n", caseDir.c_str());
    return kExitOk;
}


int RunCfdCommand(const Args& arguments) {
    Args args = arguments;
    std::string caseDir;
    const bool haveCase = TakePositional(args, {"np"}, caseDir);
    ParsedOptions options;
    if (!ParseOptions(args, {"np"}, kCfdUsage, options)) return kExitUsage;
    if (options.help) {
        std::fputs(kCfdUsage, stdout);
        return kExitOk;
    }
    if (!haveCase) {
        std::fprintf(stderr, "bellnozzle: cfd needs the case folder\n%s", kCfdUsage);
        return kExitUsage;
    }
    CaseRunResult result;
    try {
        CaseRunOptions run;
        run.processes = CountOption(options, "np", 0);
        if (options.values.count("np") != 0) {
            CheckProcessCount(run.processes, ReadRecordedCase(caseDir).settings.axialCells);
        }
        interrupted = false;
        struct sigaction action {};
        action.sa_handler = OnInterrupt;
        sigemptyset(&action.sa_mask);
        struct sigaction previousInt {}, previousTerm {};
        sigaction(SIGINT, &action, &previousInt);
        sigaction(SIGTERM, &action, &previousTerm);
        const bool terminal = ::isatty(STDERR_FILENO) != 0;
        double lastShown = -1;
        int lastTenth = -1;
        run.shouldStop = [] { return interrupted.load(); };
        run.onProgress = [&](const RunProgress& progress) {
            // On a terminal the line is redrawn twice a second; in a log a
            // line is added at each tenth of the run and each new step.
            if (terminal) {
                if (progress.elapsedSeconds - lastShown < 0.5) return;
                lastShown = progress.elapsedSeconds;
                std::fprintf(stderr, "\r%s\033[K", ProgressLine(progress).c_str());
                return;
            }
            const int tenth = static_cast<int>(progress.Fraction() * 10);
            if (tenth != lastTenth && (progress.simulatedTime > 0 || lastTenth < 0)) {
                lastTenth = tenth;
                std::fprintf(stderr, "%s\n", ProgressLine(progress).c_str());
            }
        };
        result = RunCaseFolder(caseDir, run);
        if (terminal) std::fputs("\n", stderr);
        sigaction(SIGINT, &previousInt, nullptr);
        sigaction(SIGTERM, &previousTerm, nullptr);
    } catch (const Error& error) {
        return ReportRefusal(error.what());
    }
    if (result.outcome != RunOutcome::Finished) return ReportRefusal(result.english);
    std::fprintf(stderr, "run finished in %s\n", Duration(result.wallSeconds).c_str());
    return PrintReport(caseDir, false, "");
}

int RunReportCommand(const Args& arguments) {
    if (AsksForReportTable(arguments)) return RunReportTableCommand(arguments);
    Args args = arguments;
    const bool json = TakeFlag(args, "json");
    std::string caseDir;
    const bool haveCase = TakePositional(args, {"png"}, caseDir);
    ParsedOptions options;
    if (!ParseOptions(args, {"png"}, kReportUsage, options)) return kExitUsage;
    if (options.help) {
        std::fputs(kReportUsage, stdout);
        std::printf("\n%s", ReportTableUsage());
        return kExitOk;
    }
    if (!haveCase) {
        std::fprintf(stderr, "bellnozzle: report needs the case folder\n%s", kReportUsage);
        return kExitUsage;
    }
    return PrintReport(caseDir, json, OptionOr(options, "png", ""));
}

}  // namespace bellnozzle::cli

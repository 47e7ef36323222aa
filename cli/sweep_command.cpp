// sweep: a trade study of area ratios, lengths and contour methods, its
// chart, and the OpenFOAM cases of its designs.
#include <unistd.h>

#include <atomic>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>

#include "characteristics/trade_sweep.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/number_option.h"
#include "cli/option_flags.h"
#include "cli/sweep_cases.h"
#include "core/entry_conversion.h"
#include "core/error.h"
#include "core/text_file.h"
#include "core/text_format.h"

#ifdef BELLNOZZLE_WITH_GUI
#include "ui/sweep_picture.h"
#endif

namespace bellnozzle::cli {
namespace {

const char kSweepUsage[] =
    "usage: bellnozzle sweep [--diameter D] [--epsilon LIST] [--length LIST] [--method LIST]\n"
    "                        [--gamma G] [--p0 BAR] [--pa BAR] [--csv FILE | --json] [--png FILE]\n"
    "                        [--cases DIR [--cells NXxNY] [--np N]]\n"
    "\n"
    "Designs every combination of area ratio, length and contour method in memory\n"
    "(no profile file is written), analyses each by the method of characteristics\n"
    "on every core, and prints one row per design: method, epsilon, length per\n"
    "cent and in cm, the length saved against the 15-degree cone, efficiency,\n"
    "vacuum and ambient thrust coefficients, the separation point at pa (or\n"
    "'attached'), exit angle and wall area. A design that is refused is a row\n"
    "saying why; the sweep goes on. The cone has one length: one row per epsilon.\n"
    "A LIST is comma-separated values (60,70,80) or a range A:B:STEP (5:50:5).\n"
    "  --diameter D   throat diameter in cm (default 5)\n"
    "  --epsilon LIST area ratios (default 10)\n"
    "  --length LIST  lengths in per cent of the 15-degree cone (default 60:100:10)\n"
    "  --method LIST  contour methods of 'design': chart, cone, ideal, tic,\n"
    "                 parabola, toc (default chart,cone)\n"
    "  --gamma G      ratio of specific heats (default 1.4)\n"
    "  --p0 BAR       chamber pressure in bar (default 20)\n"
    "  --pa BAR       ambient pressure in bar, 0 for vacuum (default 1.01325)\n"
    "  --json         print the rows as a JSON array of objects instead\n"
    "  --csv FILE     also write the rows to FILE as CSV\n"
    "  --png FILE     also draw the trade chart into FILE (needs the window build)\n"
    "  --cases DIR    also write one OpenFOAM case per design under DIR, with\n"
    "                 DIR/sweep.slurm (a Slurm job array) and DIR/run-local.sh\n"
    "  --cells NXxNY  cells of each case (default 100x20)\n"
    "  --np N         processes each case runs on (default 1)\n"
    "A progress bar shows on a terminal. Ctrl-C stops the sweep: the rows done so\n"
    "far are printed and marked incomplete, no file is written, and the exit\n"
    "status is 130. Exit status 1 when every design was refused.\n";

std::atomic<bool> stopRequested{false};

extern "C" void OnSweepInterrupt(int) { stopRequested = true; }

// Ctrl-C (and a polite kill) stop the sweep instead of the program while it
// runs.
class InterruptScope {
public:
    InterruptScope() {
        stopRequested = false;
        struct sigaction action {};
        action.sa_handler = OnSweepInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &previousInt_);
        sigaction(SIGTERM, &action, &previousTerm_);
    }
    ~InterruptScope() {
        sigaction(SIGINT, &previousInt_, nullptr);
        sigaction(SIGTERM, &previousTerm_, nullptr);
    }
    InterruptScope(const InterruptScope&) = delete;
    InterruptScope& operator=(const InterruptScope&) = delete;

private:
    struct sigaction previousInt_ {}, previousTerm_ {};
};

int WholeNumber(const std::string& text, const std::string& what) {
    double value = 0;
    if (!ParseNumber(text, value) || value != std::floor(value) || value < 1 || value > 2e9) {
        throw Error(what + " needs a whole number from 1 on, not '" + text + "'",
                    what + " precisa de um número inteiro a partir de 1");
    }
    return static_cast<int>(value);
}

moc::SweepRequest ReadRequest(const ParsedOptions& options) {
    moc::SweepRequest r;
    r.diameter = static_cast<float>(NumberOr(options, "diameter", 5.0));
    r.epsilons = moc::ParseSweepNumbers(OptionOr(options, "epsilon", "10"), "--epsilon");
    r.lengthPercents = moc::ParseSweepNumbers(OptionOr(options, "length", "60:100:10"), "--length");
    r.methods = moc::ParseSweepMethods(OptionOr(options, "method", "chart,cone"));
    r.gamma = NumberOr(options, "gamma", 1.4);
    r.p0Bar = NumberOr(options, "p0", 20.0);
    r.paBar = NumberOr(options, "pa", 1.01325);
    return r;
}

CaseSettings ReadCaseSettings(const ParsedOptions& options, const moc::SweepRequest& request) {
    CaseSettings s;
    s.gas.gamma = request.gamma;
    s.gas.chamberPressure = request.p0Bar * 1e5;
    const std::string cells = OptionOr(options, "cells", "100x20");
    const std::size_t x = cells.find_first_of("xX");
    if (x == std::string::npos) {
        throw Error("--cells needs NXxNY, such as 100x20, not '" + cells + "'",
                    "--cells precisa de NXxNY, como 100x20");
    }
    s.axialCells = WholeNumber(cells.substr(0, x), "--cells");
    s.radialCells = WholeNumber(cells.substr(x + 1), "--cells");
    s.processes = WholeNumber(OptionOr(options, "np", "1"), "--np");
    CheckCaseSettings(s);
    return s;
}

// The folder an output file goes to must exist.
void CheckOutputFolder(const ParsedOptions& options, const char* name) {
    const auto found = options.values.find(name);
    if (found == options.values.end()) return;
    const std::filesystem::path folder = std::filesystem::path(found->second).parent_path();
    std::error_code error;
    if (found->second.empty() || (!folder.empty() && !std::filesystem::is_directory(folder, error))) {
        throw Error("--" + std::string(name) + " '" + found->second + "': no such folder to write into",
                    "--" + std::string(name) + " '" + found->second + "': a pasta não existe");
    }
}

// "[#########...........]  123/460 designs" redrawn in place on stderr.
void ShowProgress(const moc::SweepProgress& p) {
    constexpr int kWidth = 30;
    const int filled = p.total > 0 ? static_cast<int>(kWidth * p.done / p.total) : 0;
    std::string bar = "\r[" + std::string(std::size_t(filled), '#') + std::string(std::size_t(kWidth - filled), '.');
    bar += "] " + Format("%lld/%lld designs", p.done, p.total) + "\033[K";
    std::fputs(bar.c_str(), stderr);
    std::fflush(stderr);
}

void Print(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

bool AnyDesign(const moc::SweepResult& result) {
    for (const moc::SweepRow& row : result.rows) {
        if (!row.Refused()) return true;
    }
    return false;
}

// The files asked for besides the printed rows, each whole or not at all.
void WriteOutputs(const ParsedOptions& options, const moc::SweepRequest& request, const moc::SweepResult& result) {
    if (options.values.count("csv") != 0) WriteTextFileAtomically(options.values.at("csv"), FormatSweepCsv(result));
    if (options.values.count("png") != 0) {
#ifdef BELLNOZZLE_WITH_GUI
        std::string error;
        if (!ui::WriteSweepPicture(result, options.values.at("png"), error)) throw Error(error, error);
#else
        throw Error("--png needs the window build (this one was built with BELLNOZZLE_GUI=OFF)",
                    "--png precisa da versão com janela");
#endif
    }
    if (options.values.count("cases") != 0) {
        const int count =
            WriteSweepCases(request, result, options.values.at("cases"), ReadCaseSettings(options, request));
        std::fprintf(stderr, "cases=%d in %s\n", count, options.values.at("cases").c_str());
    }
}

}  // namespace

int RunSweepCommand(const Args& arguments) {
    Args args = arguments;
    const bool json = TakeFlag(args, "json");
    ParsedOptions options;
    if (!ParseOptions(args,
                      {"diameter", "epsilon", "length", "method", "gamma", "p0", "pa", "csv", "png", "cases", "cells",
                       "np"},
                      kSweepUsage, options)) {
        return kExitUsage;
    }
    if (options.help) {
        std::fputs(kSweepUsage, stdout);
        return kExitOk;
    }
    if (json && options.values.count("csv") != 0) {
        std::fprintf(stderr, "bellnozzle: sweep takes --csv FILE or --json, not both\n%s", kSweepUsage);
        return kExitUsage;
    }
    if (options.values.count("cases") == 0 && (options.values.count("cells") + options.values.count("np")) != 0) {
        std::fprintf(stderr, "bellnozzle: --cells and --np go with --cases DIR\n%s", kSweepUsage);
        return kExitUsage;
    }
    try {
        const moc::SweepRequest request = ReadRequest(options);
        // What would be refused at the end is refused before the sweep runs.
        if (options.values.count("cases") != 0) {
            ReadCaseSettings(options, request);
            CheckSweepCasesFolder(options.values.at("cases"));
        }
        for (const char* file : {"csv", "png"}) CheckOutputFolder(options, file);
        const bool terminal = ::isatty(STDERR_FILENO) != 0;
        moc::SweepResult result;
        {
            InterruptScope interrupts;
            result = moc::RunSweep(request, terminal ? ShowProgress : std::function<void(const moc::SweepProgress&)>{},
                                   &stopRequested);
        }
        if (terminal) std::fputs("\r\033[K", stderr);
        Print(json ? FormatSweepJson(result) : FormatSweepText(result));
        if (!result.complete) {
            std::fprintf(stderr, "bellnozzle: sweep stopped after %zu of %lld designs; no file written\n",
                         result.rows.size(), result.total);
            return 128 + SIGINT;
        }
        if (!AnyDesign(result)) return ReportRefusal("every design of the sweep was refused (see the rows)");
        WriteOutputs(options, request, result);
    } catch (const Error& error) {
        return ReportRefusal(error.what());
    }
    return kExitOk;
}

}  // namespace bellnozzle::cli

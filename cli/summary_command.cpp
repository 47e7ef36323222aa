// summary: the figures of the profile in a folder, as text or JSON.
#include <cstdio>
#include <string>

#include "characteristics/analysis_summary.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/number_option.h"
#include "cli/option_flags.h"
#include "core/error.h"
#include "core/file_names.h"

namespace bellnozzle::cli {
namespace {

const char kSummaryUsage[] =
    "usage: bellnozzle summary [--dir DIR] [--gamma G] [--p0 BAR] [--pa BAR] [--json]\n"
    "\n"
    "Reads DIR/zelto_perfil.txt and prints, one labelled line each: throat and exit\n"
    "diameters, the area ratio of the file's radii against the epsilon entered, the\n"
    "length and that of the 15-degree reference cone with the length saved, theta_n\n"
    "and theta_s, the wall's surface area and the internal volume, and from 1-D\n"
    "isentropic flow: exit Mach number, exit pressure and temperature ratios, the\n"
    "ideal thrust coefficient in vacuum and at pa, and whether the nozzle is under-\n"
    "or over-expanded there. For the conical nozzle also its divergence factor.\n"
    "Then the 2-D analysis of the wall by the method of characteristics (see\n"
    "'bellnozzle analyze'): its efficiency, discharge coefficient, thrust\n"
    "coefficients, area-averaged exit Mach number, internal shock and\n"
    "separation at pa; a bell's divergence factor is that efficiency. A wall\n"
    "the analysis refuses keeps its 1-D figures and the line analysis_2d=refused.\n"
    "  --gamma G  ratio of specific heats, above 1 (default 1.4)\n"
    "  --p0 BAR   chamber pressure in bar, above 0 (default 20)\n"
    "  --pa BAR   ambient pressure in bar, 0 for vacuum (default 1.01325)\n"
    "  --json     the same figures as one JSON object (units in the key names)\n"
    "  --dir DIR  folder of the profile file (default: the current folder)\n";

}  // namespace

int RunSummaryCommand(const Args& givenArgs) {
    Args args = givenArgs;
    const bool json = TakeFlag(args, "json");
    ParsedOptions options;
    if (!ParseOptions(args, {"dir", "gamma", "p0", "pa"}, kSummaryUsage, options)) return kExitUsage;
    if (options.help) {
        std::fputs(kSummaryUsage, stdout);
        return kExitOk;
    }
    FlowConditions flow;
    if (!NumberOption(options, "gamma", flow.gamma) || !NumberOption(options, "p0", flow.p0Bar) ||
        !NumberOption(options, "pa", flow.paBar)) {
        return kExitRefused;
    }
    const std::string path = PathIn(OptionOr(options, "dir", ""), kProfileFileName);
    try {
        const moc::AnalysedSummary summary = moc::SummarizeProfileFileWithAnalysis(path, flow);
        const std::string text =
            json ? moc::FormatAnalysedSummaryJson(summary) : moc::FormatAnalysedSummaryText(summary);
        std::fwrite(text.data(), 1, text.size(), stdout);
    } catch (const Error& error) {
        return ReportRefusal(error.what());
    }
    return kExitOk;
}

}  // namespace bellnozzle::cli

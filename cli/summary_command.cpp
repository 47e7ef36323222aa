// summary: the figures of the profile in a folder, as text or JSON.
#include <cstdio>
#include <string>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/option_flags.h"
#include "core/design_summary.h"
#include "core/entry_conversion.h"
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
    "  --gamma G  ratio of specific heats, above 1 (default 1.4)\n"
    "  --p0 BAR   chamber pressure in bar, above 0 (default 20)\n"
    "  --pa BAR   ambient pressure in bar, 0 for vacuum (default 1.01325)\n"
    "  --json     the same figures as one JSON object (units in the key names)\n"
    "  --dir DIR  folder of the profile file (default: the current folder)\n";

// A number option given as plain decimal text; false (after saying why) when
// it is not one.
bool NumberOption(const ParsedOptions& options, const char* name, double& value) {
    const auto found = options.values.find(name);
    if (found == options.values.end()) return true;
    if (ParseNumber(found->second, value)) return true;
    ReportRefusal(std::string("--") + name + " needs a finite decimal number, not '" + found->second + "'");
    return false;
}

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
        const DesignSummary summary = SummarizeProfileFile(path, flow);
        const std::string text = json ? FormatSummaryJson(summary) : FormatSummaryText(summary);
        std::fwrite(text.data(), 1, text.size(), stdout);
    } catch (const Error& error) {
        return ReportRefusal(error.what());
    }
    return kExitOk;
}

}  // namespace bellnozzle::cli

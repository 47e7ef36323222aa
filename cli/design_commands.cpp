// design, lookup and chart: the design side of the window without the window.
#include <cstdio>
#include <string>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/option_flags.h"
#include "core/conical_contour.h"
#include "core/design.h"
#include "core/entry_conversion.h"
#include "core/error.h"
#include "core/file_names.h"
#include "core/profile_reader.h"
#include "core/wall_angle_chart.h"

#ifdef BELLNOZZLE_WITH_GUI
#include "ui/run_window.h"
#endif

namespace bellnozzle::cli {
namespace {

const char kDesignUsage[] =
    "usage: bellnozzle design [--dir DIR] [--diameter TEXT] [--length TEXT] [--epsilon TEXT]\n"
    "       bellnozzle design --conical [--dir DIR] [--diameter TEXT] [--epsilon TEXT]\n"
    "\n"
    "Runs the design of the \"Calculo\" button: looks theta_n and theta_s up on the\n"
    "design chart, computes the contour and writes DIR/zelto_perfil.txt.\n"
    "With --conical (the \"bocal conico\" box), designs the 15-degree conical nozzle\n"
    "the bell length is measured against instead; it has no length to choose.\n"
    "The texts are read as the window reads its entries (leading number counts):\n"
    "  --diameter TEXT  throat diameter in cm (default \"5.0\")\n"
    "  --length TEXT    bell length, 60, 70, 80, 90 or 100 per cent (default \"80%\")\n"
    "  --epsilon TEXT   area ratio; the chart covers 5 to 50 (default \"10\")\n"
    "  --dir DIR        folder to write into (default: the current folder)\n"
    "Prints theta_n, theta_s, the profile file written and its point count.\n";

const char kLookupUsage[] =
    "usage: bellnozzle lookup --epsilon TEXT --length TEXT\n"
    "\n"
    "Prints theta_n and theta_s (degrees) read off the design chart for the area\n"
    "ratio and the bell length (60, 70, 80, 90 or 100 per cent).\n";

const char kChartUsage[] =
    "usage: bellnozzle chart [--bmp FILE]\n"
    "\n"
    "Prints the design chart as CSV: for each bell length (60 to 100 per cent) and\n"
    "epsilon 5, 6, ..., 50, theta_n and theta_s, as the \"Graficos\" button plots them.\n"
    "  --bmp FILE  instead, draw the chart picture and save it as a bitmap (for\n"
    "              theta.bmp; needs the window build)\n";

}  // namespace

int RunDesignCommand(const Args& givenArgs) {
    Args args = givenArgs;
    const bool conical = TakeFlag(args, "conical");
    ParsedOptions options;
    if (!ParseOptions(args, {"dir", "diameter", "length", "epsilon"}, kDesignUsage, options)) {
        return kExitUsage;
    }
    if (options.help) {
        std::fputs(kDesignUsage, stdout);
        return kExitOk;
    }
    if (conical && options.values.count("length")) {
        std::fprintf(stderr, "bellnozzle: --length has no meaning with --conical (the cone is the 100 %% "
                             "length)\n%s", kDesignUsage);
        return kExitUsage;
    }
    const float diameter = ConvertDecimal(OptionOr(options, "diameter", "5.0"));
    const float lengthPercent = ConvertDecimal(OptionOr(options, "length", "80%"));
    const float epsilon = ConvertDecimal(OptionOr(options, "epsilon", "10"));
    const std::string path = PathIn(OptionOr(options, "dir", ""), kProfileFileName);
    try {
        const DesignResult result = conical ? RunConicalNozzleDesign(diameter, epsilon, path)
                                            : RunDesign(diameter, lengthPercent, epsilon, path);
        const int points = ReadProfileTable(path).Count;
        std::printf("theta_n=%s\ntheta_s=%s\nprofile=%s\npoints=%d\n", FormatAngle(result.thetaN).c_str(),
                    FormatAngle(result.thetaS).c_str(), path.c_str(), points);
    } catch (const Error& error) {
        return ReportRefusal(error.what());
    }
    return kExitOk;
}

int RunLookupCommand(const Args& args) {
    ParsedOptions options;
    if (!ParseOptions(args, {"epsilon", "length"}, kLookupUsage, options)) return kExitUsage;
    if (options.help) {
        std::fputs(kLookupUsage, stdout);
        return kExitOk;
    }
    for (const char* required : {"epsilon", "length"}) {
        if (!options.values.count(required)) {
            std::fprintf(stderr, "bellnozzle: lookup needs --%s\n%s", required, kLookupUsage);
            return kExitUsage;
        }
    }
    const float epsilon = ConvertDecimal(options.values["epsilon"]);
    const float lengthPercent = ConvertDecimal(options.values["length"]);
    try {
        RequireChartLengthPercent(lengthPercent);
    } catch (const Error& error) {
        return ReportRefusal(error.what());
    }
    float thetaN = 0.0f;
    float thetaS = 0.0f;
    LookupWallAngles(epsilon, lengthPercent, thetaN, thetaS);
    std::printf("theta_n=%s\ntheta_s=%s\n", FormatAngle(thetaN).c_str(), FormatAngle(thetaS).c_str());
    return kExitOk;
}

int RunChartCommand(const Args& args) {
    ParsedOptions options;
    if (!ParseOptions(args, {"bmp"}, kChartUsage, options)) return kExitUsage;
    if (options.help) {
        std::fputs(kChartUsage, stdout);
        return kExitOk;
    }
    if (options.values.count("bmp")) {
#ifdef BELLNOZZLE_WITH_GUI
        std::string error;
        if (!ui::WriteChartBitmap(options.values["bmp"], error)) return ReportRefusal(error);
        return kExitOk;
#else
        return ReportRefusal("drawing the chart picture needs the window build (BELLNOZZLE_GUI=ON)");
#endif
    }
    // The same samples as the "Graficos" button: a single-precision epsilon
    // counter from 5 to 50 in steps of 1, for each length of the chart.
    std::printf("length_percent,epsilon,theta_n,theta_s\n");
    for (const float lengthPercent : kChartLengthPercents) {
        for (float epsilon = 5.0f; epsilon <= 50.0f; epsilon = epsilon + 1.0f) {
            float thetaN = 0.0f;
            float thetaS = 0.0f;
            LookupWallAngles(epsilon, lengthPercent, thetaN, thetaS);
            std::printf("%g,%g,%g,%g\n", double(lengthPercent), double(epsilon), double(thetaN),
                        double(thetaS));
        }
    }
    return kExitOk;
}

}  // namespace bellnozzle::cli

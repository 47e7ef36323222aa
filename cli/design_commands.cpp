// design, lookup and chart: the design side of the window without the window.
#include <cstdio>
#include <string>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/option_flags.h"
#include "characteristics/contour_methods.h"
#include "core/chart_range.h"
#include "core/design.h"
#include "core/entry_conversion.h"
#include "core/error.h"
#include "core/file_names.h"
#include "core/profile_reader.h"
#include "core/text_file.h"
#include "core/wall_angle_chart.h"

#ifdef BELLNOZZLE_WITH_GUI
#include "ui/run_window.h"
#endif

namespace bellnozzle::cli {
namespace {

const char kDesignUsage[] =
    "usage: bellnozzle design [--dir DIR] [--diameter TEXT] [--length TEXT] [--epsilon TEXT]\n"
    "                         [--method M] [--gamma G]\n"
    "       bellnozzle design --conical [--dir DIR] [--diameter TEXT] [--epsilon TEXT]\n"
    "\n"
    "Designs the contour and writes DIR/zelto_perfil.txt. By default (--method\n"
    "chart) it is the design of the \"Calculo\" button: theta_n and theta_s looked up\n"
    "on the design chart (epsilon 5 to 50; off the chart the angles are\n"
    "extrapolated, with a note, and refused where they make no nozzle).\n"
    "  --method M       how the contour is designed:\n"
    "                   chart     the parabola with the design chart's angles\n"
    "                   parabola  the same parabola, its two angles chosen by the\n"
    "                             method of characteristics for the largest vacuum\n"
    "                             thrust at this area ratio, length and gamma\n"
    "                   toc       Rao's thrust-optimised contour (Rao 1958); not\n"
    "                             built yet, refused\n"
    "                   ideal     the ideal nozzle: uniform, axial exit flow\n"
    "                   tic       the ideal nozzle truncated at the bell length\n"
    "                   cone      the 15-degree conical nozzle the length is\n"
    "                             measured against (the same as --conical)\n"
    "  --gamma G        ratio of specific heats for parabola, toc, ideal and tic,\n"
    "                   above 1 and at most 5/3 (default 1.4)\n"
    "The texts are read as the window reads its entries (leading number counts):\n"
    "  --diameter TEXT  throat diameter in cm (default \"5.0\")\n"
    "  --length TEXT    bell length in per cent of the 15-degree cone (default\n"
    "                   \"80%\"); the chart has 60, 70, 80, 90 and 100; ideal and\n"
    "                   cone have no length to choose\n"
    "  --epsilon TEXT   area ratio (default \"10\")\n"
    "  --dir DIR        folder to write into (default: the current folder)\n"
    "Prints theta_n, theta_s, the profile file written and its point count; notes\n"
    "(extrapolated angles) go to the error stream.\n";

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

namespace {

int DesignUsageError(const std::string& message) {
    std::fprintf(stderr, "bellnozzle: %s\n%s", message.c_str(), kDesignUsage);
    return kExitUsage;
}

void PrintNotes(const std::vector<std::string>& notes) {
    for (const std::string& note : notes) std::fprintf(stderr, "bellnozzle: note: %s\n", note.c_str());
}

}  // namespace

int RunDesignCommand(const Args& givenArgs) {
    Args args = givenArgs;
    const bool conical = TakeFlag(args, "conical");
    ParsedOptions options;
    if (!ParseOptions(args, {"dir", "diameter", "length", "epsilon", "method", "gamma"}, kDesignUsage, options)) {
        return kExitUsage;
    }
    if (options.help) {
        std::fputs(kDesignUsage, stdout);
        return kExitOk;
    }
    moc::DesignRequest request;
    request.method = conical ? moc::ContourMethod::Cone : moc::ContourMethod::Chart;
    if (options.values.count("method")) {
        moc::ContourMethod named{};
        if (!moc::ParseContourMethod(options.values["method"], named)) {
            return DesignUsageError("unknown --method '" + options.values["method"] +
                                    "'; choose chart, parabola, toc, ideal, tic or cone");
        }
        if (conical && named != moc::ContourMethod::Cone) {
            return DesignUsageError("--conical is the cone; it cannot go with --method " + options.values["method"]);
        }
        request.method = named;
    }
    const char* const methodName = moc::ContourMethodName(request.method);
    if (options.values.count("length") && !moc::MethodUsesLength(request.method)) {
        if (conical) {
            return DesignUsageError("--length has no meaning with --conical (the cone is the 100 % length)");
        }
        return DesignUsageError(std::string("--length has no meaning with --method ") + methodName);
    }
    if (options.values.count("gamma")) {
        if (!moc::MethodUsesGamma(request.method)) {
            return DesignUsageError(std::string("--gamma has no meaning with --method ") + methodName +
                                    " (its contour does not depend on the gas)");
        }
        if (!ParseNumber(options.values["gamma"], request.gamma)) {
            return ReportRefusal("--gamma needs a finite decimal number, not '" + options.values["gamma"] + "'");
        }
    }
    request.diameter = ConvertDecimal(OptionOr(options, "diameter", "5.0"));
    request.lengthPercent = ConvertDecimal(OptionOr(options, "length", "80%"));
    request.epsilon = ConvertDecimal(OptionOr(options, "epsilon", "10"));
    const std::string path = PathIn(OptionOr(options, "dir", ""), kProfileFileName);
    try {
        const moc::DesignedProfile design = moc::DesignProfile(request);
        WriteTextFileAtomically(path, design.profileText);
        PrintNotes(design.notes);
        const int points = ReadProfileTable(path).Count;
        std::printf("theta_n=%s\ntheta_s=%s\nprofile=%s\npoints=%d\n", FormatAngle(design.thetaN).c_str(),
                    FormatAngle(design.thetaS).c_str(), path.c_str(), points);
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
    if (auto note = ChartExtrapolationNote(epsilon)) PrintNotes({note->english});
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

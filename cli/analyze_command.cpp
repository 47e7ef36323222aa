// analyze: the supersonic flow of the profile in a folder by the method of
// characteristics, as text or JSON, with the wall distribution as CSV and
// the net and wall pressure as a picture.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "characteristics/analysis_report.h"
#include "characteristics/nozzle_analysis.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/number_option.h"
#include "cli/option_flags.h"
#include "core/design_summary.h"
#include "core/entry_conversion.h"
#include "core/error.h"
#include "core/file_names.h"
#include "core/profile_reader.h"
#include "core/text_file.h"
#include "core/text_format.h"

#ifdef BELLNOZZLE_WITH_GUI
#include "ui/analysis_picture.h"
#endif

namespace bellnozzle::cli {
namespace {

std::string AnalyzeUsage() {
    return Format(
        "usage: bellnozzle analyze [--dir DIR] [--gamma G] [--p0 BAR] [--pa BAR]\n"
        "                          [--characteristics N] [--json] [--csv FILE] [--png FILE]\n"
        "\n"
        "Reads the wall of DIR/zelto_perfil.txt (a designed bell, a cone or a profile\n"
        "edited by hand) and computes its supersonic flow by the method of\n"
        "characteristics, from the transonic throat to the exit plane. Prints, one\n"
        "labelled line each: the discharge coefficient, the thrust coefficients in\n"
        "vacuum and at pa against those of the ideal 1-D nozzle of the same area\n"
        "ratio, the efficiency cf_vacuum / (discharge_coefficient cf_vacuum_1d), the\n"
        "exit Mach number (area average, on the axis, at the lip), the mass balance,\n"
        "where an internal shock starts, and where the flow separates at pa\n"
        "(Schmucker's criterion; Summerfield's 0.4 pa beside it) with the thrust\n"
        "coefficient the separated nozzle gives.\n"
        "  --gamma G            ratio of specific heats, above 1 (default 1.4)\n"
        "  --p0 BAR             chamber pressure in bar, above 0 (default 20)\n"
        "  --pa BAR             ambient pressure in bar, 0 for vacuum (default 1.01325)\n"
        "  --characteristics N  characteristics on the initial line, %d to %d (default\n"
        "                       %d; doubling it changes the efficiency by under 0.05 %%)\n"
        "  --json               the same figures as one JSON object, with the wall\n"
        "                       stations (x_cm, y_cm, mach, p_ratio)\n"
        "  --csv FILE           also write the wall stations to FILE as CSV\n"
        "  --png FILE           also draw the net over the contour, coloured by Mach,\n"
        "                       and the wall p/p0 against 1-D theory (window build)\n"
        "  --dir DIR            folder of the profile file (default: the current folder)\n",
        moc::kMinCharacteristics, moc::kMaxCharacteristics, moc::kDefaultCharacteristics);
}

bool CharacteristicsOption(const ParsedOptions& options, int& characteristics) {
    const auto found = options.values.find("characteristics");
    if (found == options.values.end()) return true;
    double value = 0;
    if (ParseNumber(found->second, value) && value == std::floor(value) && value >= moc::kMinCharacteristics &&
        value <= moc::kMaxCharacteristics) {
        characteristics = static_cast<int>(value);
        return true;
    }
    ReportRefusal(Format("--characteristics needs a whole number of characteristics from %d to %d, not '%s'",
                         moc::kMinCharacteristics, moc::kMaxCharacteristics, found->second.c_str()));
    return false;
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    if (std::filesystem::equivalent(a, b, error)) return true;
    const auto canonicalA = std::filesystem::weakly_canonical(a, error);
    if (error) return false;
    const auto canonicalB = std::filesystem::weakly_canonical(b, error);
    return !error && canonicalA == canonicalB;
}

// The files asked for must be neither the profile nor each other.
void RefuseOutputs(const std::string& profile, const std::string& csv, const std::string& png) {
    for (const std::string* out : {&csv, &png}) {
        if (!out->empty() && SameFile(*out, profile)) {
            throw Error("\"" + *out + "\" is the profile file; choose another file to write",
                        "\"" + *out + "\" é o arquivo de perfil; escolha outro arquivo para gravar");
        }
    }
    if (!csv.empty() && !png.empty() && SameFile(csv, png)) {
        throw Error("--csv and --png name the same file \"" + csv + "\"",
                    "--csv e --png indicam o mesmo arquivo \"" + csv + "\"");
    }
}

void WritePicture(const moc::AnalysisResult& result, const std::string& png) {
#ifdef BELLNOZZLE_WITH_GUI
    std::string error;
    if (!ui::WriteAnalysisPicture(result, png, error)) throw Error(error, error);
#else
    (void)result;
    (void)png;
#endif
}

}  // namespace

int RunAnalyzeCommand(const Args& givenArgs) {
    Args args = givenArgs;
    const bool json = TakeFlag(args, "json");
    const std::string usage = AnalyzeUsage();
    ParsedOptions options;
    if (!ParseOptions(args, {"dir", "gamma", "p0", "pa", "characteristics", "csv", "png"}, usage.c_str(),
                      options)) {
        return kExitUsage;
    }
    if (options.help) {
        std::fputs(usage.c_str(), stdout);
        return kExitOk;
    }
    moc::AnalysisOptions analysis;
    if (!NumberOption(options, "gamma", analysis.gamma) || !NumberOption(options, "p0", analysis.p0Bar) ||
        !NumberOption(options, "pa", analysis.paBar) || !CharacteristicsOption(options, analysis.characteristics)) {
        return kExitRefused;
    }
    const std::string csv = OptionOr(options, "csv", "");
    const std::string png = OptionOr(options, "png", "");
#ifndef BELLNOZZLE_WITH_GUI
    if (!png.empty()) {
        return ReportRefusal("--png needs the window build (this one was built with BELLNOZZLE_GUI=OFF)");
    }
#endif
    const std::string path = PathIn(OptionOr(options, "dir", ""), kProfileFileName);
    try {
        CheckFlowConditions({analysis.gamma, analysis.p0Bar, analysis.paBar});
        const ProfileTable profile = ReadProfileTable(path);
        RefuseOutputs(path, csv, png);
        const moc::AnalysisResult result = moc::AnalyzeProfile(profile, analysis, path);
        std::string text = json ? moc::FormatAnalysisJson(result) : moc::FormatAnalysisText(result);
        if (!png.empty()) {
            WritePicture(result, png);
            if (!json) text += "png=" + png + "\n";
        }
        if (!csv.empty()) {
            WriteTextFileAtomically(csv, moc::FormatWallCsv(result));
            if (!json) text += "csv=" + csv + "\n";
        }
        std::fwrite(text.data(), 1, text.size(), stdout);
    } catch (const Error& error) {
        return ReportRefusal(error.what());
    }
    return kExitOk;
}

}  // namespace bellnozzle::cli

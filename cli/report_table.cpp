#include "cli/report_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "cli/command_line.h"
#include "core/design_summary.h"
#include "core/error.h"
#include "core/file_names.h"
#include "core/profile_reader.h"
#include "core/text_file.h"
#include "core/text_format.h"
#include "foam_case/case_folder.h"
#include "foam_case/case_report.h"
#include "foam_case/case_writer.h"

namespace bellnozzle::cli {
namespace {

namespace fs = std::filesystem;

const char kTableUsage[] =
    "usage: bellnozzle report --table DIR [--csv FILE]\n"
    "\n"
    "Gathers every case under DIR (a CFD sweep's folder) into one table, a row\n"
    "each: the design (epsilon and length per cent from the case's profile),\n"
    "whether the run settled (or why there is no result), and the run against\n"
    "the analysis of the design by characteristics, as the report gives them:\n"
    "exit Mach (area average), discharge coefficient and vacuum thrust\n"
    "coefficient.\n"
    "  --table DIR  the folder to gather\n"
    "  --csv FILE   also write the table to FILE as CSV\n";

// Sweep folders are DIR/DESIGN/nozzle_case; a case may also lie directly in
// DIR or in a folder of folders.
constexpr int kSearchDepth = 3;

struct TableRow {
    std::string name;  // the case folder, relative to DIR
    std::optional<double> epsilon, lengthPercent;
    std::string state;  // "yes", "no", "no result"
    std::optional<double> machCfd, machAnalysis, cdCfd, cdAnalysis, cfCfd, cfAnalysis;
    std::string note;
};

std::vector<fs::path> FindCases(const fs::path& dir) {
    std::vector<fs::path> cases;
    std::error_code error;
    for (fs::recursive_directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
        if (it.depth() >= kSearchDepth) it.disable_recursion_pending();
        if (it->path().filename() == kCaseMarkerName && it->is_regular_file(error)) {
            cases.push_back(it->path().parent_path());
        }
    }
    std::sort(cases.begin(), cases.end());
    return cases;
}

void AddNote(TableRow& row, const std::string& note) {
    if (!row.note.empty()) row.note += "; ";
    row.note += note;
}

// The run and, beside it, the report's own analysis of the case's copy of
// the profile (into vacuum, the case's gas and chamber pressure).
void AddRun(const fs::path& caseDir, TableRow& row) {
    try {
        const CaseReport report = ReadCaseReport(caseDir.string());
        row.state = report.settled ? "yes" : "no";
        if (!report.settled) AddNote(row, report.settledWhy);
        row.machCfd = report.machExitCfd;
        row.cdCfd = report.dischargeCoefficientCfd;
        row.cfCfd = report.thrustCoefficientCfd;
        row.machAnalysis = report.machExitMoc;
        row.cdAnalysis = report.dischargeCoefficientMoc;
        row.cfAnalysis = report.cfVacuumMoc;
        if (!report.analysisUnavailable.empty()) AddNote(row, report.analysisUnavailable);
    } catch (const Error& error) {
        row.state = "no result";
        AddNote(row, error.what());
    }
}

// The design's epsilon and length from the case's copy of its profile (or,
// for a case written before it kept one, the profile beside it).
void AddDesign(const fs::path& caseDir, TableRow& row) {
    std::error_code error;
    for (const fs::path& path : {caseDir / kProfileFileName, caseDir.parent_path() / kProfileFileName}) {
        if (!fs::is_regular_file(path, error)) continue;
        try {
            const ProfileTable profile = ReadProfileTable(path.string());
            double value = 0;
            if (ProfileHeaderValue(profile, "epsilon", value)) row.epsilon = value;
            if (ProfileHeaderValue(profile, "Lf", value)) row.lengthPercent = value;
        } catch (const Error& failure) {
            AddNote(row, failure.what());
        }
        return;
    }
}

std::string Number(const std::optional<double>& value) {
    if (!value || !std::isfinite(*value)) return "";
    std::string text;
    AppendG(text, *value);
    return text;
}

std::string Text(const std::vector<TableRow>& rows) {
    std::size_t width = 4;
    for (const TableRow& row : rows) width = std::max(width, row.name.size());
    std::string out;
    auto cell = [&](const std::string& text, std::size_t w) {
        out += text;
        out.append(text.size() < w ? w - text.size() : 0, ' ');
        out += ' ';
    };
    cell("case", width);
    for (const char* title : {"epsilon", "length_%", "settled", "mach_cfd", "mach_moc", "cd_cfd", "cd_moc",
                              "cf_cfd", "cf_moc"}) {
        cell(title, 9);
    }
    out += "note\n";
    for (const TableRow& r : rows) {
        cell(r.name, width);
        cell(Number(r.epsilon), 9);
        cell(Number(r.lengthPercent), 9);
        cell(r.state, 9);
        for (const auto* value : {&r.machCfd, &r.machAnalysis, &r.cdCfd, &r.cdAnalysis, &r.cfCfd, &r.cfAnalysis}) {
            cell(Number(*value), 9);
        }
        out += r.note + "\n";
    }
    return out;
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string Csv(const std::vector<TableRow>& rows) {
    std::string out =
        "case,epsilon,length_percent,settled,exit_mach_cfd,exit_mach_analysis,discharge_coefficient_cfd,"
        "discharge_coefficient_analysis,cf_vacuum_cfd,cf_vacuum_analysis,note\n";
    for (const TableRow& r : rows) {
        out += Quoted(r.name) + "," + Number(r.epsilon) + "," + Number(r.lengthPercent) + "," + r.state;
        for (const auto* value : {&r.machCfd, &r.machAnalysis, &r.cdCfd, &r.cdAnalysis, &r.cfCfd, &r.cfAnalysis}) {
            out += "," + Number(*value);
        }
        out += "," + Quoted(r.note) + "\n";
    }
    return out;
}

}  // namespace

bool AsksForReportTable(const Args& args) {
    return std::any_of(args.begin(), args.end(),
                       [](const std::string& a) { return a == "--table" || a.rfind("--table=", 0) == 0; });
}

const char* ReportTableUsage() { return kTableUsage; }

int RunReportTableCommand(const Args& args) {
    ParsedOptions options;
    if (!ParseOptions(args, {"table", "csv"}, kTableUsage, options)) return kExitUsage;
    if (options.help) {
        std::fputs(kTableUsage, stdout);
        return kExitOk;
    }
    const std::string dir = options.values.at("table");
    std::error_code error;
    if (!fs::is_directory(dir, error)) return ReportRefusal("--table: \"" + dir + "\" is no folder");
    std::vector<TableRow> rows;
    for (const fs::path& caseDir : FindCases(dir)) {
        TableRow row;
        // A sweep's case is named by its design's folder.
        const bool besideProfile = caseDir.filename() == kDefaultCaseFolderName &&
                                   fs::exists(caseDir.parent_path() / kProfileFileName, error);
        row.name = (besideProfile ? caseDir.parent_path() : caseDir).lexically_relative(dir).string();
        if (row.name.empty() || row.name == "." || row.name.rfind("..", 0) == 0) {
            row.name = caseDir.lexically_relative(dir).string();
        }
        AddRun(caseDir, row);
        AddDesign(caseDir, row);
        rows.push_back(row);
    }
    if (rows.empty()) return ReportRefusal("no case of bellnozzle under \"" + dir + "\"");
    try {
        if (options.values.count("csv") != 0) WriteTextFileAtomically(options.values.at("csv"), Csv(rows));
    } catch (const Error& failure) {
        return ReportRefusal(failure.what());
    }
    const std::string text = Text(rows);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return kExitOk;
}

}  // namespace bellnozzle::cli

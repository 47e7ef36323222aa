#include "characteristics/analysis_summary.h"

#include <optional>
#include <utility>

#include "characteristics/analysis_report.h"
#include "characteristics/json_members.h"
#include "core/error.h"
#include "core/profile_reader.h"
#include "core/text_format.h"

namespace bellnozzle::moc {
namespace {

AnalysisOptions OptionsFor(const FlowConditions& flow) {
    AnalysisOptions options;
    options.gamma = flow.gamma;
    options.p0Bar = flow.p0Bar;
    options.paBar = flow.paBar;
    return options;
}

void AppendLine(std::string& out, const char* name, double value, const char* rest = "") {
    out += name;
    out += '=';
    AppendG(out, value);
    out += rest;
    out += '\n';
}

}  // namespace

AnalysedSummary SummarizeWithAnalysis(const ProfileTable& profile, const FlowConditions& flow,
                                      const std::string& path) {
    DesignSummary summary = SummarizeDesign(profile, flow, path);
    AnalysisResult analysis;
    try {
        analysis = AnalyzeProfile(profile, OptionsFor(flow), path);
    } catch (const Error& error) {
        AnalysedSummary s;
        s.summary = std::move(summary);
        s.refusal = error.what();
        s.refusalPortuguese = error.Portuguese();
        return s;
    }
    return CombineWithAnalysis(std::move(summary), std::move(analysis));
}

AnalysedSummary CombineWithAnalysis(DesignSummary summary, AnalysisResult analysis) {
    AnalysedSummary s;
    s.summary = std::move(summary);
    if (!s.summary.conical) s.summary.divergenceFactor = analysis.efficiency;
    s.analysis = std::move(analysis);
    return s;
}

AnalysedSummary SummarizeProfileFileWithAnalysis(const std::string& path, const FlowConditions& flow) {
    CheckFlowConditions(flow);
    return SummarizeWithAnalysis(ReadProfileTable(path), flow, path);
}

std::string FormatAnalysedSummaryText(const AnalysedSummary& s) {
    std::string out = FormatSummaryText(s.summary);
    if (!s.analysis) {
        out += "analysis_2d=refused (" + s.refusal + ")\n";
        return out;
    }
    const AnalysisResult& r = *s.analysis;
    out += "analysis_2d=done (method of characteristics with ";
    AppendInt(out, r.options.characteristics);
    out += " characteristics)\n";
    AppendLine(out, "efficiency", r.efficiency, " (cf_vacuum_2d / (discharge_coefficient cf_vacuum))");
    AppendLine(out, "discharge_coefficient", r.dischargeCoefficient);
    AppendLine(out, "cf_vacuum_2d", r.cfVacuum);
    AppendLine(out, "cf_ambient_2d", r.cfAmbient, " (at pa)");
    AppendLine(out, "exit_mach_mean_2d", r.exitMachMean, " (area average)");
    AppendShockAndSeparationText(r, out);
    return out;
}

std::string FormatAnalysedSummaryJson(const AnalysedSummary& s) {
    std::string out = FormatSummaryJson(s.summary);
    // Reopen the object after its last member.
    const std::string end = "\n}\n";
    if (out.size() >= end.size() && out.compare(out.size() - end.size(), end.size(), end) == 0) {
        out.resize(out.size() - end.size());
    }
    out += ",\n";
    JsonMembers json(out);
    const AnalysisResult* r = s.analysis ? &*s.analysis : nullptr;
    json.Text("analysis_2d", r ? "done" : "refused");
    if (r) {
        json.Raw("analysis_2d_reason", "null");
        json.Number("efficiency", r->efficiency);
        json.Number("discharge_coefficient", r->dischargeCoefficient);
        json.Number("cf_vacuum_2d", r->cfVacuum);
        json.Number("cf_ambient_2d", r->cfAmbient);
        json.Number("exit_mach_mean_2d", r->exitMachMean);
        AppendShockAndSeparationJson(*r, json);
        json.Integer("characteristics", r->options.characteristics);
    } else {
        json.Text("analysis_2d_reason", s.refusal);
        for (const char* key : {"efficiency", "discharge_coefficient", "cf_vacuum_2d", "cf_ambient_2d",
                                "exit_mach_mean_2d", "shock", "shock_x_cm", "shock_r_cm", "separation",
                                "separation_x_cm", "separation_summerfield_x_cm", "cf_ambient_separated",
                                "characteristics"}) {
            json.Raw(key, "null");
        }
    }
    out += "\n}\n";
    return out;
}

}  // namespace bellnozzle::moc

// A sweep's rows as a text table, CSV and JSON. Numbers are printed as the
// analyze command's JSON prints them, so a row reads the same digits as the
// analysis of the same design.
#include <cmath>

#include "characteristics/json_members.h"
#include "characteristics/trade_sweep.h"
#include "core/text_format.h"

namespace bellnozzle::moc {
namespace {

void AppendNumber(std::string& out, double value) { AppendJsonNumber(out, value); }

// The figures of a row in the order of every format: name and value, or no
// value (refused, attached, no shock).
struct Figure {
    const char* name;
    std::optional<double> value;
};

std::vector<Figure> Figures(const SweepRow& r) {
    if (r.Refused()) {
        return {{"length_cm", {}},     {"length_saved_cm", {}}, {"length_saved_percent", {}},
                {"efficiency", {}},    {"cf_vacuum", {}},       {"cf_ambient", {}},
                {"cf_ambient_separated", {}}, {"separation_x_cm", {}}, {"shock_x_cm", {}},
                {"discharge_coefficient", {}}, {"exit_mach_mean", {}}, {"exit_angle_deg", {}},
                {"wall_area_cm2", {}}};
    }
    return {{"length_cm", r.lengthCm},
            {"length_saved_cm", r.lengthSavedCm},
            {"length_saved_percent", r.lengthSavedPercent},
            {"efficiency", r.efficiency},
            {"cf_vacuum", r.cfVacuum},
            {"cf_ambient", r.cfAmbient},
            {"cf_ambient_separated", r.cfAmbientSeparated},
            {"separation_x_cm", r.separationXCm},
            {"shock_x_cm", r.shockXCm},
            {"discharge_coefficient", r.dischargeCoefficient},
            {"exit_mach_mean", r.exitMachMean},
            {"exit_angle_deg", r.exitAngleDeg},
            {"wall_area_cm2", r.wallAreaCm2}};
}

std::string IncompleteLine(const SweepResult& result) {
    return Format("incomplete: stopped after %zu of %lld designs\n", result.rows.size(), result.total);
}

void AppendPadded(std::string& out, const std::string& text, std::size_t width) {
    out += text;
    if (text.size() < width) out.append(width - text.size(), ' ');
    out += ' ';
}

std::string GText(double value) {
    std::string text;
    AppendG(text, value);
    return text;
}

}  // namespace

std::string FormatSweepText(const SweepResult& result, const std::string& refused) {
    static const char* const kColumns[] = {"method",     "epsilon",   "length_%",   "length_cm",
                                           "saved_cm",   "efficiency", "cf_vacuum", "cf_ambient",
                                           "sep_x_cm",   "exit_deg",  "wall_cm2"};
    constexpr std::size_t kWidth = 10;
    std::string out;
    for (const char* column : kColumns) AppendPadded(out, column, kWidth);
    out.erase(out.find_last_not_of(' ') + 1);
    out += '\n';
    for (const SweepRow& r : result.rows) {
        AppendPadded(out, ContourMethodName(r.method), kWidth);
        AppendPadded(out, GText(r.epsilon), kWidth);
        if (r.Refused()) {
            AppendPadded(out, GText(r.lengthPercent), kWidth);
            out += refused + r.error + "\n";
            continue;
        }
        for (const double value : {double(r.lengthPercent), r.lengthCm, r.lengthSavedCm, r.efficiency,
                                   r.cfVacuum, r.cfAmbient}) {
            AppendPadded(out, GText(value), kWidth);
        }
        AppendPadded(out, r.separationXCm ? GText(*r.separationXCm) : "attached", kWidth);
        AppendPadded(out, GText(r.exitAngleDeg), kWidth);
        out += GText(r.wallAreaCm2) + "\n";
    }
    if (!result.complete) out += IncompleteLine(result);
    return out;
}

std::string FormatSweepCsv(const SweepResult& result) {
    std::string out = "method,epsilon,length_percent";
    for (const Figure& f : Figures(SweepRow{})) {
        out += ',';
        out += f.name;
    }
    out += ",error\n";
    for (const SweepRow& r : result.rows) {
        out += ContourMethodName(r.method);
        out += ',';
        AppendNumber(out, r.epsilon);
        out += ',';
        AppendNumber(out, r.lengthPercent);
        for (const Figure& f : Figures(r)) {
            out += ',';
            if (f.value) AppendNumber(out, *f.value);
        }
        out += ',';
        if (r.Refused()) {
            std::string quoted = "\"";
            for (const char c : r.error) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
            out += quoted + "\"";
        }
        out += '\n';
    }
    return out;
}

std::string FormatSweepJson(const SweepResult& result) {
    std::string out = "[";
    bool firstRow = true;
    for (const SweepRow& r : result.rows) {
        out += firstRow ? "\n  {" : ",\n  {";
        firstRow = false;
        out += "\"method\": ";
        AppendJsonString(out, ContourMethodName(r.method));
        out += ", \"epsilon\": ";
        AppendNumber(out, r.epsilon);
        out += ", \"length_percent\": ";
        AppendNumber(out, r.lengthPercent);
        for (const Figure& f : Figures(r)) {
            out += ", \"";
            out += f.name;
            out += "\": ";
            if (f.value) {
                AppendNumber(out, *f.value);
            } else {
                out += "null";
            }
        }
        out += ", \"error\": ";
        if (r.Refused()) {
            AppendJsonString(out, r.error);
        } else {
            out += "null";
        }
        out += '}';
    }
    out += firstRow ? "]\n" : "\n]\n";
    return out;
}

}  // namespace bellnozzle::moc

#include "characteristics/analysis_report.h"

#include <cmath>
#include <vector>

#include "characteristics/json_members.h"
#include "core/isentropic_flow.h"
#include "core/text_format.h"

namespace bellnozzle::moc {
namespace {

// One line of the text in both languages. A line with a word prints the word
// (English or Portuguese) in place of the number.
struct Line {
    const char* name;       // English: "name=value unit (note)"
    const char* label;      // Portuguese: "label: value unit (note)"
    double value = 0;
    const char* unit = "";  // the same in both languages
    const char* note = "";
    const char* notePt = "";
    const char* word = nullptr;
    const char* wordPt = nullptr;
};

const char* GeometryName(const AnalysisResult& r) { return r.options.planar ? "planar" : "axisymmetric"; }

// The lines of the shock and the separation: a word saying whether it
// happens, and where only when it does.
void AddShockAndSeparation(const AnalysisResult& r, std::vector<Line>& lines) {
    if (r.shock) {
        lines.push_back({"shock", "Choque interno", 0, "", "left-running characteristics cross",
                         "características da mesma família se cruzam", "formed", "forma-se"});
        lines.push_back({"shock_x", "Início do choque, x", r.shock->xCm, " cm"});
        lines.push_back({"shock_r", "Início do choque, r", r.shock->rCm, " cm"});
    } else {
        lines.push_back({"shock", "Choque interno", 0, "", "", "", "none", "nenhum"});
    }
    const char* criterion = "Schmucker's criterion at pa";
    const char* criterionPt = "critério de Schmucker em pa";
    if (r.separationXCm) {
        lines.push_back({"separation", "Separação", 0, "", criterion, criterionPt, "separated", "descolado"});
        lines.push_back({"separation_x", "Separação, x", *r.separationXCm, " cm"});
    } else {
        lines.push_back({"separation", "Separação", 0, "", criterion, criterionPt, "attached", "colado"});
    }
    if (r.separationXCmSummerfield) {
        lines.push_back({"separation_summerfield_x", "Separação segundo Summerfield, x", *r.separationXCmSummerfield,
                         " cm", "wall pressure below 0.4 pa", "pressão na parede abaixo de 0.4 pa"});
    }
    lines.push_back({"cf_ambient_separated", "Cf em pa com separação", r.cfAmbientSeparated, "",
                     "the wall beyond separation at pa", "a parede após a separação em pa"});
}

std::vector<Line> Lines(const AnalysisResult& r) {
    const bool planar = r.options.planar;
    std::vector<Line> lines = {
        {"characteristics", "Características na linha inicial", double(r.options.characteristics), "",
         planar ? "planar method of characteristics" : "axisymmetric method of characteristics",
         planar ? "método das características plano" : "método das características axissimétrico"},
        {"gamma", "Gama", r.options.gamma},
        {"p0", "Pressão na câmara p0", r.options.p0Bar, " bar"},
        {"pa", "Pressão ambiente pa", r.options.paBar, " bar"},
        {"throat_radius", "Raio da garganta", r.throatRadiusCm, " cm"},
        {"exit_radius", "Raio de saída", r.exitRadiusCm, " cm"},
        {"area_ratio", "Razão de áreas", r.areaRatio, "", planar ? "Re/Rt" : "the square of Re/Rt",
         planar ? "Re/Rt" : "o quadrado de Re/Rt"},
        {"wall_shape", "Parede", 0, "",
         r.wallFromHeader ? "arcs and parabola or cone of the profile header" : "through the profile's points",
         r.wallFromHeader ? "arcos e parábola ou cone do cabeçalho do perfil" : "pelos pontos do perfil",
         r.wallFromHeader ? "header" : "spline", r.wallFromHeader ? "cabeçalho" : "spline"},
        {"throat_curvature_radius", "Raio de curvatura da parede na garganta", r.throatCurvatureRadiusCm, " cm",
         "upstream of the throat: the transonic solution's", "a montante da garganta: a da solução transônica"},
        {"discharge_coefficient", "Coeficiente de descarga Cd", r.dischargeCoefficient, "",
         "mass flow over the 1-D choked flow", "vazão sobre a vazão 1-D bloqueada"},
        {"cf_vacuum", "Cf no vácuo", r.cfVacuum, "", "exit momentum and pressure per p0 At",
         "quantidade de movimento e pressão na saída por p0 At"},
        {"cf_ambient", "Cf em pa", r.cfAmbient, "", "at pa", "em pa"},
        {"cf_vacuum_1d", "Cf 1-D ideal no vácuo", r.cfVacuum1d, "", "ideal 1-D nozzle of the same area ratio",
         "bocal 1-D ideal da mesma razão de áreas"},
        {"cf_ambient_1d", "Cf 1-D ideal em pa", r.cfAmbient1d, "", "at pa", "em pa"},
        {"efficiency", "Eficiência", r.efficiency, "", "cf_vacuum / (discharge_coefficient cf_vacuum_1d)",
         "Cf no vácuo / (Cd · Cf 1-D no vácuo)"},
        {"exit_mach_mean", "Mach de saída médio", r.exitMachMean, "", "area average over the exit plane",
         "média na área da saída"},
        {"exit_mach_axis", "Mach de saída no eixo", r.exitMachAxis},
        {"exit_mach_lip", "Mach de saída no lábio", r.exitMachLip},
        {"mass_balance", "Balanço de massa", 100.0 * r.massBalance, " %",
         "exit mass flow against the initial line's", "vazão na saída contra a da linha inicial"},
    };
    AddShockAndSeparation(r, lines);
    lines.push_back({"wall_stations", "Estações na parede", double(r.wall.size())});
    return lines;
}

void AppendLine(std::string& out, const Line& line, bool portuguese) {
    out += portuguese ? line.label : line.name;
    out += portuguese ? ": " : "=";
    if (line.word != nullptr) {
        out += portuguese ? line.wordPt : line.word;
    } else {
        AppendG(out, line.value);
        out += line.unit;
    }
    const char* note = portuguese ? line.notePt : line.note;
    if (*note != '\0') {
        out += " (";
        out += note;
        out += ')';
    }
    out += '\n';
}

std::string FormatLines(const std::vector<Line>& lines, bool portuguese) {
    std::string out;
    for (const Line& line : lines) AppendLine(out, line, portuguese);
    return out;
}

std::string WallJson(const AnalysisResult& r) {
    if (r.wall.empty()) return "[]";
    std::string out = "[\n";
    for (std::size_t i = 0; i < r.wall.size(); ++i) {
        const WallStation& s = r.wall[i];
        out += "    {\"x_cm\": ";
        AppendJsonNumber(out, s.xCm);
        out += ", \"y_cm\": ";
        AppendJsonNumber(out, s.yCm);
        out += ", \"mach\": ";
        AppendJsonNumber(out, s.mach);
        out += ", \"p_ratio\": ";
        AppendJsonNumber(out, s.pRatio);
        out += i + 1 < r.wall.size() ? "},\n" : "}\n";
    }
    return out + "  ]";
}

}  // namespace

std::string FormatAnalysisText(const AnalysisResult& result) { return FormatLines(Lines(result), false); }

std::string FormatAnalysisTextPortuguese(const AnalysisResult& result) {
    return "Análise 2-D pelo método das características\n" + FormatLines(Lines(result), true);
}

void AppendShockAndSeparationText(const AnalysisResult& result, std::string& out) {
    std::vector<Line> lines;
    AddShockAndSeparation(result, lines);
    out += FormatLines(lines, false);
}

void AppendShockAndSeparationJson(const AnalysisResult& r, JsonMembers& json) {
    json.Text("shock", r.shock ? "formed" : "none");
    json.Number("shock_x_cm", r.shock ? std::optional<double>(r.shock->xCm) : std::nullopt);
    json.Number("shock_r_cm", r.shock ? std::optional<double>(r.shock->rCm) : std::nullopt);
    json.Text("separation", r.separationXCm ? "separated" : "attached");
    json.Number("separation_x_cm", r.separationXCm);
    json.Number("separation_summerfield_x_cm", r.separationXCmSummerfield);
    json.Number("cf_ambient_separated", r.cfAmbientSeparated);
}

std::string FormatAnalysisJson(const AnalysisResult& r) {
    std::string out = "{\n";
    JsonMembers json(out);
    json.Integer("characteristics", r.options.characteristics);
    json.Text("geometry", GeometryName(r));
    json.Number("gamma", r.options.gamma);
    json.Number("p0_bar", r.options.p0Bar);
    json.Number("pa_bar", r.options.paBar);
    json.Number("throat_radius_cm", r.throatRadiusCm);
    json.Number("exit_radius_cm", r.exitRadiusCm);
    json.Number("area_ratio", r.areaRatio);
    json.Text("wall_shape", r.wallFromHeader ? "header" : "spline");
    json.Number("throat_curvature_radius_cm", r.throatCurvatureRadiusCm);
    json.Number("discharge_coefficient", r.dischargeCoefficient);
    json.Number("cf_vacuum", r.cfVacuum);
    json.Number("cf_ambient", r.cfAmbient);
    json.Number("cf_vacuum_1d", r.cfVacuum1d);
    json.Number("cf_ambient_1d", r.cfAmbient1d);
    json.Number("efficiency", r.efficiency);
    json.Number("exit_mach_mean", r.exitMachMean);
    json.Number("exit_mach_axis", r.exitMachAxis);
    json.Number("exit_mach_lip", r.exitMachLip);
    json.Number("mass_balance_percent", 100.0 * r.massBalance);
    AppendShockAndSeparationJson(r, json);
    json.Raw("wall", WallJson(r));
    out += "\n}\n";
    return out;
}

std::string FormatWallCsv(const AnalysisResult& result) {
    std::string out = "x_cm,y_cm,mach,p_ratio\n";
    for (const WallStation& s : result.wall) {
        AppendG(out, s.xCm);
        out += ',';
        AppendG(out, s.yCm);
        out += ',';
        AppendG(out, s.mach);
        out += ',';
        AppendG(out, s.pRatio);
        out += '\n';
    }
    return out;
}

double OneDimensionalWallPressureRatio(const AnalysisResult& result, double yCm) {
    const double radiusRatio = yCm / result.throatRadiusCm;
    const double areaRatio = result.options.planar ? radiusRatio : radiusRatio * radiusRatio;
    if (!(areaRatio >= 1.0)) return std::nan("");
    return PressureRatioAtMach(MachAtAreaRatio(areaRatio, result.options.gamma), result.options.gamma);
}

}  // namespace bellnozzle::moc

#include "core/design_summary.h"

#include <cmath>

#include "core/conical_contour.h"
#include "core/entry_conversion.h"
#include "core/error.h"
#include "core/isentropic_flow.h"
#include "core/text_format.h"

namespace bellnozzle {
namespace {

constexpr double kPi = 3.141592653589793;
// Within this share of pa the exit pressure counts as matched: the radii in
// the file carry six digits, and nobody designs closer than this.
constexpr double kMatchedPressureShare = 1e-3;
// Summerfield's rule of thumb: a nozzle flowing full separates once the
// exit pressure falls below about 0.4 of the ambient pressure.
constexpr double kSeparationPressureShare = 0.4;

[[noreturn]] void RefuseProfile(const std::string& path, const std::string& english,
                                const std::string& portuguese) {
    throw Error("profile file \"" + path + "\" " + english +
                    "; run the design (bellnozzle design, or \"Cálculo\" in the window) first",
                "arquivo de perfil \"" + path + "\" " + portuguese + "; execute o projeto (botão \"Cálculo\") antes");
}

double RequireHeaderValue(const ProfileTable& profile, const char* name, const std::string& path) {
    double value = 0;
    if (!ProfileHeaderValue(profile, name, value)) {
        RefuseProfile(path, Format("has no usable \"%s=\" line", name),
                      Format("não tem uma linha \"%s=\" utilizável", name));
    }
    return value;
}

// The wall as a surface of revolution through consecutive points: each pair
// bounds a conical frustum.
void AddWallIntegrals(const ProfileTable& profile, DesignSummary& s) {
    for (int i = 2; i <= profile.Count; ++i) {
        const double x1 = profile.X[std::size_t(i - 1)], y1 = profile.Y[std::size_t(i - 1)];
        const double x2 = profile.X[std::size_t(i)], y2 = profile.Y[std::size_t(i)];
        s.wallArea += kPi * (y1 + y2) * std::hypot(x2 - x1, y2 - y1);
        s.volume += kPi * (x2 - x1) * (y1 * y1 + y1 * y2 + y2 * y2) / 3.0;
    }
}

void AddFlowFigures(DesignSummary& s) {
    const FlowConditions& flow = s.flow;
    s.exitMach = MachAtAreaRatio(s.areaRatio, flow.gamma);
    s.exitPressureRatio = PressureRatioAtMach(s.exitMach, flow.gamma);
    s.exitTemperatureRatio = TemperatureRatioAtMach(s.exitMach, flow.gamma);
    s.exitPressureBar = s.exitPressureRatio * flow.p0Bar;
    s.thrustCoefficientVacuum = IdealThrustCoefficient(s.areaRatio, flow.gamma, 0.0);
    s.thrustCoefficientAmbient = IdealThrustCoefficient(s.areaRatio, flow.gamma, flow.paBar / flow.p0Bar);
    const double pe = s.exitPressureBar;
    const double pa = flow.paBar;
    if (std::fabs(pe - pa) <= kMatchedPressureShare * pa) {
        s.expansion = Expansion::Ideal;
    } else {
        s.expansion = pe > pa ? Expansion::Under : Expansion::Over;
    }
    s.separationLikely = pe < kSeparationPressureShare * pa;
}

// Extreme gammas overflow the isentropic exponents or put the exit Mach
// number beyond what the solver brackets; such figures are refused rather
// than printed.
void RequireSolvedFlow(const DesignSummary& s) {
    bool solved = std::fabs(AreaRatioAtMach(s.exitMach, s.flow.gamma) / s.areaRatio - 1.0) < 1e-6;
    const double figures[] = {s.coneLength, s.wallArea, s.volume, s.exitMach, s.exitPressureRatio,
                              s.exitTemperatureRatio, s.thrustCoefficientVacuum, s.thrustCoefficientAmbient};
    for (const double figure : figures) solved = solved && std::isfinite(figure);
    if (solved) return;
    throw Error(Format("the 1-D relations give no usable exit state for gamma %g at the area ratio %g; "
                       "use the gamma of a real gas (about 1.1 to 1.67)",
                       s.flow.gamma, s.areaRatio),
                Format("as relações 1-D não dão um estado de saída utilizável para gama %g com razão de áreas "
                       "%g; use o gama de um gás real (cerca de 1,1 a 1,67)",
                       s.flow.gamma, s.areaRatio));
}

const char* ExpansionText(Expansion expansion) {
    switch (expansion) {
        case Expansion::Under: return "under-expanded";
        case Expansion::Over: return "over-expanded";
        case Expansion::Ideal: break;
    }
    return "ideally expanded";
}

}  // namespace

bool ProfileHeaderValue(const ProfileTable& profile, const std::string& name, double& value) {
    const std::string prefix = name + "=";
    for (const std::string& line : profile.Header) {
        if (line.rfind(prefix, 0) != 0) continue;
        const std::size_t start = prefix.size();
        const std::size_t end = line.find_first_of(" \t\r\n", start);
        return ParseNumber(line.substr(start, end == std::string::npos ? std::string::npos : end - start), value);
    }
    return false;
}

void CheckFlowConditions(const FlowConditions& flow) {
    if (!std::isfinite(flow.gamma) || !(flow.gamma > 1.0)) {
        throw Error(Format("gamma (the ratio of specific heats) must be a finite number above 1 (got %g)",
                           flow.gamma),
                    Format("gama (razão de calores específicos) deve ser um número finito maior que 1 (valor %g)",
                           flow.gamma));
    }
    if (!std::isfinite(flow.p0Bar) || !(flow.p0Bar > 0.0)) {
        throw Error(Format("the chamber pressure p0 must be a finite number above 0 bar (got %g)", flow.p0Bar),
                    Format("a pressão de câmara p0 deve ser um número finito maior que 0 bar (valor %g)",
                           flow.p0Bar));
    }
    if (!std::isfinite(flow.paBar) || !(flow.paBar >= 0.0)) {
        throw Error(Format("the ambient pressure pa must be a finite number of at least 0 bar (got %g)",
                           flow.paBar),
                    Format("a pressão ambiente pa deve ser um número finito maior ou igual a 0 bar (valor %g)",
                           flow.paBar));
    }
}

DesignSummary SummarizeDesign(const ProfileTable& profile, const FlowConditions& flow, const std::string& path) {
    CheckFlowConditions(flow);
    const double Rt = RequireHeaderValue(profile, "Rt", path);
    const double Re = RequireHeaderValue(profile, "Re", path);
    if (!(Rt > 0.0) || !(Re >= Rt)) {
        RefuseProfile(path, Format("gives a throat radius of %g cm and an exit radius of %g cm: no nozzle", Rt, Re),
                      Format("traz raio de garganta %g cm e raio de saída %g cm: não é um bocal", Rt, Re));
    }
    DesignSummary s;
    s.flow = flow;
    s.epsilonEntered = RequireHeaderValue(profile, "epsilon", path);
    const double lengthPercent = RequireHeaderValue(profile, "Lf", path);
    s.thetaN = RequireHeaderValue(profile, "thetan", path);
    s.thetaS = RequireHeaderValue(profile, "thetas", path);
    const double R1 = RequireHeaderValue(profile, "R1", path);
    const double R2 = RequireHeaderValue(profile, "R2", path);
    s.length = RequireHeaderValue(profile, "lengf", path);

    if (!(s.epsilonEntered >= 1.0) || !std::isfinite(float(Rt)) || !std::isfinite(float(s.epsilonEntered))) {
        RefuseProfile(path, Format("gives Rt = %g cm and epsilon = %g, which no design has", Rt, s.epsilonEntered),
                      Format("traz Rt = %g cm e epsilon = %g, que nenhum projeto tem", Rt, s.epsilonEntered));
    }
    s.conical = R2 == R1 && s.thetaN == kConeWallAngle && s.thetaS == kConeWallAngle && lengthPercent == 100.0;
    s.throatDiameter = 2.0 * Rt;
    s.exitDiameter = 2.0 * Re;
    s.areaRatio = (Re / Rt) * (Re / Rt);
    s.coneLength = ReferenceConeLength(float(Rt), float(s.epsilonEntered));
    s.lengthSaved = s.conical ? 0.0 : s.coneLength - s.length;
    s.lengthSavedPercent = 100.0 * s.lengthSaved / s.coneLength;
    if (s.conical) s.divergenceFactor = (1.0 + std::cos(double(kConeWallAngle) * kPi / 180.0)) / 2.0;
    AddWallIntegrals(profile, s);
    AddFlowFigures(s);
    RequireSolvedFlow(s);
    return s;
}

DesignSummary SummarizeProfileFile(const std::string& path, const FlowConditions& flow) {
    CheckFlowConditions(flow);
    return SummarizeDesign(ReadProfileTable(path), flow, path);
}

std::string FormatSummaryText(const DesignSummary& s) {
    std::string out;
    auto line = [&out](const char* name, double value, const char* rest) {
        out += name;
        out += '=';
        AppendG(out, value);
        out += rest;
        out += '\n';
    };
    out += s.conical ? "nozzle=conical (15 degrees)\n" : "nozzle=bell\n";
    line("throat_diameter", s.throatDiameter, " cm");
    line("exit_diameter", s.exitDiameter, " cm");
    std::string entered = " (epsilon entered ";
    AppendG(entered, s.epsilonEntered);
    entered += ')';
    line("area_ratio", s.areaRatio, entered.c_str());
    line("length", s.length, " cm (throat to exit)");
    line("cone_length", s.coneLength, " cm (15-degree reference cone)");
    std::string saved = " cm (";
    AppendG(saved, s.lengthSavedPercent);
    saved += " % of the cone)";
    line("length_saved", s.lengthSaved, saved.c_str());
    line("theta_n", s.thetaN, " deg");
    line("theta_s", s.thetaS, " deg");
    line("wall_area", s.wallArea, " cm2 (whole contour)");
    line("volume", s.volume, " cm3 (whole contour)");
    line("gamma", s.flow.gamma, "");
    line("p0", s.flow.p0Bar, " bar");
    line("pa", s.flow.paBar, " bar");
    line("exit_mach", s.exitMach, "");
    line("exit_pressure_ratio", s.exitPressureRatio, " (pe/p0)");
    line("exit_temperature_ratio", s.exitTemperatureRatio, " (Te/T0)");
    line("exit_pressure", s.exitPressureBar, " bar");
    line("cf_vacuum", s.thrustCoefficientVacuum, "");
    line("cf_ambient", s.thrustCoefficientAmbient, " (at pa)");
    out += "expansion=";
    out += ExpansionText(s.expansion);
    out += s.separationLikely ? " (pe below 0.4 pa: the flow is likely to separate)\n" : "\n";
    if (s.conical) {
        line("divergence_factor", s.divergenceFactor, " ((1 + cos 15 deg) / 2)");
    } else if (s.divergenceFactor > 0) {
        line("divergence_factor", s.divergenceFactor, " (the efficiency of the 2-D analysis)");
    }
    return out;
}

std::string FormatSummaryJson(const DesignSummary& s) {
    std::string out = "{\n";
    bool first = true;
    auto key = [&](const char* name) {
        if (!first) out += ",\n";
        first = false;
        out += "  \"";
        out += name;
        out += "\": ";
    };
    auto number = [&](const char* name, double value) {
        key(name);
        AppendG(out, value);
    };
    key("nozzle");
    AppendJsonString(out, s.conical ? "conical" : "bell");
    number("throat_diameter_cm", s.throatDiameter);
    number("exit_diameter_cm", s.exitDiameter);
    number("area_ratio", s.areaRatio);
    number("epsilon_entered", s.epsilonEntered);
    number("length_cm", s.length);
    number("cone_length_cm", s.coneLength);
    number("length_saved_cm", s.lengthSaved);
    number("length_saved_percent", s.lengthSavedPercent);
    number("theta_n_deg", s.thetaN);
    number("theta_s_deg", s.thetaS);
    number("wall_area_cm2", s.wallArea);
    number("volume_cm3", s.volume);
    number("gamma", s.flow.gamma);
    number("p0_bar", s.flow.p0Bar);
    number("pa_bar", s.flow.paBar);
    number("exit_mach", s.exitMach);
    number("exit_pressure_ratio", s.exitPressureRatio);
    number("exit_temperature_ratio", s.exitTemperatureRatio);
    number("exit_pressure_bar", s.exitPressureBar);
    number("cf_vacuum", s.thrustCoefficientVacuum);
    number("cf_ambient", s.thrustCoefficientAmbient);
    key("expansion");
    AppendJsonString(out, ExpansionText(s.expansion));
    key("separation_likely");
    out += s.separationLikely ? "true" : "false";
    key("divergence_factor");
    if (s.conical || s.divergenceFactor > 0) {
        AppendG(out, s.divergenceFactor);
    } else {
        out += "null";
    }
    out += "\n}\n";
    return out;
}

}  // namespace bellnozzle

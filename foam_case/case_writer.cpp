#include "foam_case/case_writer.h"

#include <charconv>

#include "core/error.h"
#include "core/file_names.h"
#include "core/text_file.h"
#include "export/number_text.h"
#include "foam_case/case_folder.h"

namespace bellnozzle {
namespace {

// Round-trip precision: the report recomputes the theory from these.
void AddValue(std::string& out, const char* name, double value) {
    out += name;
    out += '=';
    out += GText(value, 17).View();
    out += '\n';
}

std::string MarkerValues(const CaseOutline& o) {
    std::string out;
    const GasConditions& gas = o.settings.gas;
    AddValue(out, "chamber_pressure_pa", gas.chamberPressure);
    AddValue(out, "chamber_temperature_k", gas.chamberTemperature);
    AddValue(out, "gamma", gas.gamma);
    AddValue(out, "molar_mass_g_per_mol", gas.molarMass);
    AddValue(out, "axial_cells", o.settings.axialCells);
    AddValue(out, "radial_cells", o.settings.radialCells);
    AddValue(out, "processes", o.settings.processes);
    AddValue(out, "inlet_x_m", o.nozzle.inletX);
    AddValue(out, "exit_x_m", o.nozzle.exitX);
    AddValue(out, "inlet_radius_m", o.nozzle.inletRadius);
    AddValue(out, "throat_radius_m", o.nozzle.throatRadius);
    AddValue(out, "throat_x_m", o.nozzle.throatX);
    AddValue(out, "exit_radius_m", o.nozzle.exitRadius);
    AddValue(out, "wedge_sin", o.nozzle.wedgeSin);
    AddValue(out, "wedge_cos", o.nozzle.wedgeCos);
    AddValue(out, "end_time_s", o.endTime);
    out += "start=";
    out += CaseStartName(o.settings.start);
    out += '\n';
    return out;
}

}  // namespace

std::string ParaViewFileName(const std::string& caseDir) {
    std::string name = caseDir;
    while (name.size() > 1 && name.back() == '/') name.pop_back();
    const std::size_t slash = name.rfind('/');
    if (slash != std::string::npos) name.erase(0, slash + 1);
    if (name.empty() || name == "." || name == "..") name = kDefaultCaseFolderName;
    return name + ".foam";
}

CaseOutline WriteCase(const std::string& profilePath, const std::string& caseDir,
                      const CaseSettings& settings, bool force) {
    CheckCaseSettings(settings);
    const ProfileTable profile = ReadProfileTable(profilePath);
    const CaseOutline outline = OutlineCase(profile, settings);
    std::vector<CaseFile> files = ComposeCaseFiles(profile, outline);
    // The profile itself, for the report's analysis of the same wall, and
    // the empty file ParaView opens the case by.
    files.push_back({kProfileFileName, ReadWholeFile(profilePath)});
    files.push_back({ParaViewFileName(caseDir), ""});
    WriteCaseFolder(caseDir, files, MarkerValues(outline), force);
    return outline;
}

RecordedCase ReadRecordedCase(const std::string& caseDir) {
    const auto values = ReadCaseMarker(caseDir);
    auto get = [&](const char* name) {
        for (const auto& [key, text] : values) {
            if (key != name) continue;
            double value = 0;
            const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
            if (result.ec == std::errc() && result.ptr == text.data() + text.size()) return value;
        }
        throw Error("the case marker of \"" + caseDir + "\" has no usable " + name + "; write the case again",
                    "o marcador do caso \"" + caseDir + "\" não tem " + name + " válido; grave o caso de novo");
    };
    RecordedCase r;
    r.settings.gas.chamberPressure = get("chamber_pressure_pa");
    r.settings.gas.chamberTemperature = get("chamber_temperature_k");
    r.settings.gas.gamma = get("gamma");
    r.settings.gas.molarMass = get("molar_mass_g_per_mol");
    r.settings.axialCells = static_cast<int>(get("axial_cells"));
    r.settings.radialCells = static_cast<int>(get("radial_cells"));
    r.settings.processes = static_cast<int>(get("processes"));
    r.nozzle.inletX = get("inlet_x_m");
    r.nozzle.exitX = get("exit_x_m");
    r.nozzle.inletRadius = get("inlet_radius_m");
    r.nozzle.throatRadius = get("throat_radius_m");
    r.nozzle.throatX = get("throat_x_m");
    r.nozzle.exitRadius = get("exit_radius_m");
    r.nozzle.wedgeSin = get("wedge_sin");
    r.nozzle.wedgeCos = get("wedge_cos");
    r.endTime = get("end_time_s");
    // Cases written before the 1-D start had only the fill.
    r.settings.start = CaseStart::Fill;
    for (const auto& [key, text] : values) {
        if (key == "start" && !ParseCaseStart(text, r.settings.start)) {
            throw Error("the case marker of \"" + caseDir + "\" names an unknown start \"" + text + "\"",
                        "o marcador do caso \"" + caseDir + "\" indica um início desconhecido \"" + text + "\"");
        }
    }
    CheckCaseSettings(r.settings);
    return r;
}

}  // namespace bellnozzle

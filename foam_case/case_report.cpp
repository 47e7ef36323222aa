#include "foam_case/case_report.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>

#include "characteristics/nozzle_analysis.h"
#include "core/error.h"
#include "core/file_names.h"
#include "core/text_file.h"
#include "export/number_text.h"
#include "foam_case/case_files.h"
#include "foam_case/case_writer.h"
#include "foam_case/nozzle_flow.h"

namespace bellnozzle {
namespace fs = std::filesystem;
namespace {

using Rows = std::vector<std::vector<double>>;

// The rows of every start-time folder of one function object, in time order;
// a restarted run's rows replace the ones they overlap.
Rows ReadFunctionObject(const std::string& caseDir, const char* name) {
    const fs::path dir = fs::path(caseDir) / "postProcessing" / name;
    std::vector<std::pair<double, fs::path>> starts;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(dir, error)) {
        const std::string folder = entry.path().filename().string();
        double start = 0;
        const auto result = std::from_chars(folder.data(), folder.data() + folder.size(), start);
        if (result.ec == std::errc() && result.ptr == folder.data() + folder.size() &&
            fs::is_regular_file(entry.path() / "surfaceFieldValue.dat")) {
            starts.emplace_back(start, entry.path() / "surfaceFieldValue.dat");
        }
    }
    std::sort(starts.begin(), starts.end());
    Rows rows;
    for (const auto& [start, file] : starts) {
        while (!rows.empty() && rows.back()[0] >= start) rows.pop_back();
        Rows more = ReadSampleRows(ReadWholeFile(file.string()));
        rows.insert(rows.end(), more.begin(), more.end());
    }
    if (rows.empty()) {
        throw Error("\"" + caseDir + "\" holds no records of " + name + " under postProcessing/; run it first "
                    "(bellnozzle cfd)",
                    "\"" + caseDir + "\" não tem registros de " + name + " em postProcessing/; execute o caso "
                    "antes");
    }
    return rows;
}

const std::vector<double>& LastRow(const Rows& rows, std::size_t columns, const char* name) {
    if (rows.back().size() < columns) {
        throw Error(std::string("the records of ") + name + " have too few columns",
                    std::string("os registros de ") + name + " têm colunas de menos");
    }
    return rows.back();
}

// Relative spread (max - min) / |mean| of a column over the rows from a time on.
double Spread(const Rows& rows, std::size_t column, double fromTime, int& count) {
    double low = INFINITY, high = -INFINITY, sum = 0;
    count = 0;
    for (const auto& row : rows) {
        if (row[0] < fromTime || row.size() <= column) continue;
        low = std::min(low, row[column]);
        high = std::max(high, row[column]);
        sum += row[column];
        ++count;
    }
    if (count == 0) return INFINITY;
    const double mean = sum / count;
    return mean == 0 ? INFINITY : (high - low) / std::fabs(mean);
}

std::string G(double value, int digits = 6) {
    if (!std::isfinite(value)) return "-";
    return std::string(GText(value, digits).View());
}

std::string Percent(double fraction, bool withSign = true) {
    if (!std::isfinite(fraction)) return "-";
    char buffer[32];
    const double value = fraction * 100;
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                      std::fabs(value) < 0.1 ? 3 : 2);
    std::string text(buffer, result.ptr);
    if (withSign && value >= 0) text = "+" + text;
    return text + " %";
}

double Difference(double cfd, double theory) { return theory == 0 ? NAN : cfd / theory - 1; }

std::string Pad(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

// Whether the solver ended because its run-time control found the flow
// settled: its log's last lines say so.
bool StoppedSettled(const std::string& caseDir) {
    std::string log;
    try {
        log = ReadWholeFile((fs::path(caseDir) / kSolverLogName).string());
    } catch (const Error&) {
        return false;
    }
    const std::size_t tail = log.size() > 8192 ? log.size() - 8192 : 0;
    const std::size_t stop = log.find("Stopping calculation", tail);
    return stop != std::string::npos && log.find("\nEnd", stop) != std::string::npos;
}

// The 2-D analysis of the case's copy of its profile, into vacuum.
void CompareWithAnalysis(const std::string& caseDir, const GasConditions& gas, CaseReport& r) {
    const std::string path = (fs::path(caseDir) / kProfileFileName).string();
    try {
        std::error_code error;
        if (!fs::is_regular_file(path, error)) {
            throw Error("the case holds no copy of its profile (" + std::string(kProfileFileName) +
                            "); write it again to compare",
                        "o caso não tem cópia do perfil (" + std::string(kProfileFileName) +
                            "); grave-o de novo para comparar");
        }
        moc::AnalysisOptions options;
        options.gamma = gas.gamma;
        options.p0Bar = gas.chamberPressure / 1e5;
        options.paBar = 0;
        const moc::AnalysisResult a = moc::AnalyzeProfile(ReadProfileTable(path), options, path);
        r.machExitMoc = a.exitMachMean;
        r.dischargeCoefficientMoc = a.dischargeCoefficient;
        r.cfVacuumMoc = a.cfVacuum;
        for (const moc::WallStation& s : a.wall) r.wallMoc.push_back({s.xCm, s.pRatio});
        const double from = r.throatXCm + kWallCompareFromThroat * r.throatRadiusCm;
        r.wallDifferenceMoc = LargestDifference(r.wall, r.wallMoc, from);
        r.wallRelativeDifferenceMoc = LargestDifference(r.wall, r.wallMoc, from, true);
    } catch (const Error& error) {
        r.analysisUnavailable = error.what();
        r.analysisUnavailablePortuguese = error.Portuguese();
    } catch (const std::exception& error) {
        r.analysisUnavailable = r.analysisUnavailablePortuguese = error.what();
    }
}

std::string JsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// The run against the 2-D analysis, or why there is none.
std::string AnalysisText(const CaseReport& r, bool portuguese) {
    if (!r.analysisUnavailable.empty()) {
        return portuguese ? "análise 2-D (características) indisponível: " + r.analysisUnavailablePortuguese + "\n"
                          : "2-D analysis (characteristics) unavailable: " + r.analysisUnavailable + "\n";
    }
    struct Line {
        const char* english;
        const char* portuguese;
        double cfd, moc;
    };
    const Line lines[] = {
        {"exit Mach (area average)", "Mach na saída (média na área)", r.machExitCfd, r.machExitMoc},
        {"discharge coefficient", "coeficiente de descarga", r.dischargeCoefficientCfd, r.dischargeCoefficientMoc},
        {"thrust coefficient (vacuum)", "coeficiente de empuxo (vácuo)", r.thrustCoefficientCfd, r.cfVacuumMoc},
    };
    std::string t = portuguese ? "Contra a análise 2-D (método das características) da mesma parede\n" +
                                     Pad("", 32) + Pad("CFD", 14) + Pad("2-D", 14) + "diferença\n"
                               : "Against the 2-D analysis (method of characteristics) of the same wall\n" +
                                     Pad("", 32) + Pad("CFD", 14) + Pad("2-D", 14) + "difference\n";
    for (const Line& line : lines) {
        t += Pad(portuguese ? line.portuguese : line.english, portuguese ? 33 : 32);
        t += Pad(G(line.cfd), 14) + Pad(G(line.moc), 14) + Percent(Difference(line.cfd, line.moc)) + "\n";
    }
    const std::string from = G(r.throatXCm + kWallCompareFromThroat * r.throatRadiusCm, 4);
    const std::string absolute = G(r.wallDifferenceMoc, 3), relative = Percent(r.wallRelativeDifferenceMoc, false);
    t += portuguese ? "p/p0 na parede, maior diferença a jusante de x = " + from + " cm: " + absolute + " (" +
                          relative + " do p/p0 local)"
                    : "wall p/p0, largest difference downstream of x = " + from + " cm: " + absolute + " (" +
                          relative + " of the local p/p0)";
    return t + "\n";
}

}  // namespace

Rows ReadSampleRows(const std::string& text) {
    Rows rows;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string_view line(text.data() + start, end - start);
        start = end + 1;
        if (line.empty() || line[0] == '#') continue;
        std::vector<double> row;
        const char* p = line.data();
        const char* const stop = line.data() + line.size();
        bool ok = true;
        while (p < stop) {
            if (*p == ' ' || *p == '\t' || *p == '(' || *p == ')' || *p == '\r') {
                ++p;
                continue;
            }
            double value = 0;
            const auto result = std::from_chars(p, stop, value);
            if (result.ec != std::errc()) {
                ok = false;
                break;
            }
            row.push_back(value);
            p = result.ptr;
        }
        // A line cut short by a run that was stopped while writing it.
        if (ok && row.size() >= 2 && (rows.empty() || rows.back().size() == row.size())) rows.push_back(row);
    }
    return rows;
}

CaseReport ReadCaseReport(const std::string& caseDir) {
    const RecordedCase recorded = ReadRecordedCase(caseDir);
    const GasConditions& gas = recorded.settings.gas;
    const NozzleMeasures& nozzle = recorded.nozzle;
    const IsentropicPrediction theory = PredictIsentropicFlow(nozzle, gas);
    const double whole = nozzle.WedgeToWhole();

    const Rows inletFlow = ReadFunctionObject(caseDir, kInletFlowName);
    const Rows outletFlow = ReadFunctionObject(caseDir, kOutletFlowName);
    const Rows outletAverage = ReadFunctionObject(caseDir, kOutletAverageName);
    const Rows momentum = ReadFunctionObject(caseDir, kOutletMomentumName);
    const Rows pressure = ReadFunctionObject(caseDir, kOutletPressureName);
    const auto& in = LastRow(inletFlow, 2, kInletFlowName);
    const auto& out = LastRow(outletFlow, 2, kOutletFlowName);
    const auto& average = LastRow(outletAverage, 4, kOutletAverageName);
    const auto& flux = LastRow(momentum, 4, kOutletMomentumName);
    const auto& force = LastRow(pressure, 2, kOutletPressureName);

    CaseReport r;
    r.endTime = recorded.endTime;
    r.timeReached = out[0];
    r.areaRatio = nozzle.AreaRatio();
    r.gamma = gas.gamma;
    r.machExitCfd = average[1];
    r.machExit1d = theory.exitMach;
    r.pressureRatioCfd = average[2] / gas.chamberPressure;
    r.pressureRatio1d = theory.exitPressureRatio;
    r.temperatureRatioCfd = average[3] / gas.chamberTemperature;
    r.temperatureRatio1d = theory.exitTemperatureRatio;
    // phi is negative where the gas enters.
    r.massFlowInletCfd = -in[1] * whole;
    r.massFlowCfd = out[1] * whole;
    r.massFlow1d = theory.massFlow;
    r.massImbalance = r.massFlowInletCfd != 0 ? (r.massFlowInletCfd - r.massFlowCfd) / r.massFlowInletCfd : NAN;
    r.thrustCfd = (flux[1] + force[1]) * whole;
    r.thrust1d = theory.thrust;
    r.thrustCoefficientCfd = r.thrustCfd / (gas.chamberPressure * nozzle.ThroatArea());
    r.thrustCoefficient1d = theory.thrustCoefficient;
    r.dischargeCoefficientCfd = r.massFlow1d > 0 ? r.massFlowCfd / r.massFlow1d : NAN;
    r.start = CaseStartName(recorded.settings.start);

    std::vector<double> radii;
    r.wall = ReadWallPressure(caseDir, gas.chamberPressure, nozzle.wedgeCos, &radii);
    r.wall1d = OneDimensionalWall(r.wall, radii, nozzle, gas.gamma);
    r.throatXCm = nozzle.throatX * 100;
    r.throatRadiusCm = nozzle.throatRadius * 100;
    CompareWithAnalysis(caseDir, gas, r);

    const bool finished = r.timeReached >= recorded.endTime * (1 - 1e-6) || StoppedSettled(caseDir);
    int samples = 0;
    const double from = 0.75 * (finished ? r.timeReached : recorded.endTime);
    const double flowSpread = Spread(outletFlow, 1, from, samples);
    int machSamples = 0;
    const double machSpread = Spread(outletAverage, 1, from, machSamples);
    const std::string spreads = Percent(flowSpread, false) + " / " + Percent(machSpread, false);
    if (!finished) {
        r.settledWhy = "the run stopped at t = " + G(r.timeReached) + " s of " + G(r.endTime) + " s";
        r.settledWhyPortuguese = "a execução parou em t = " + G(r.timeReached) + " s de " + G(r.endTime) + " s";
    } else if (samples < 3 || machSamples < 3) {
        r.settledWhy = "too few samples over the last quarter of the run";
        r.settledWhyPortuguese = "amostras de menos no último quarto da execução";
    } else {
        const bool still = flowSpread < kSettledTolerance && machSpread < kSettledTolerance;
        const bool balanced = std::fabs(r.massImbalance) < kSettledTolerance;
        r.settled = still && balanced;
        r.settledWhy = "over the last quarter of the run the outlet mass flow / exit Mach varied by " + spreads;
        r.settledWhyPortuguese = "no último quarto da execução a vazão na saída / o Mach na saída variaram " +
                                 spreads;
        if (still && !balanced) {
            r.settledWhy += ", but inlet and outlet mass flows differ by " + Percent(r.massImbalance);
            r.settledWhyPortuguese += ", mas as vazões de entrada e saída diferem " + Percent(r.massImbalance);
        }
    }
    return r;
}

std::string FormatReportText(const CaseReport& r, bool portuguese) {
    struct Line {
        const char* english;
        const char* portuguese;
        double cfd, theory;
    };
    const Line lines[] = {
        {"exit Mach (area average)", "Mach na saída (média na área)", r.machExitCfd, r.machExit1d},
        {"exit pressure ratio pe/p0", "razão de pressões pe/p0", r.pressureRatioCfd, r.pressureRatio1d},
        {"exit temperature ratio Te/T0", "razão de temperaturas Te/T0", r.temperatureRatioCfd,
         r.temperatureRatio1d},
        {"mass flow (kg/s)", "vazão mássica (kg/s)", r.massFlowCfd, r.massFlow1d},
        {"thrust into vacuum (N)", "empuxo no vácuo (N)", r.thrustCfd, r.thrust1d},
        {"thrust coefficient (vacuum)", "coeficiente de empuxo (vácuo)", r.thrustCoefficientCfd,
         r.thrustCoefficient1d},
        {"discharge coefficient", "coeficiente de descarga", r.dischargeCoefficientCfd, 1.0},
    };
    std::string t;
    if (portuguese) {
        t += "Resultado do OpenFOAM contra a teoria isentrópica 1-D (razão de áreas " + G(r.areaRatio) +
             ", gama " + G(r.gamma) + ")\n";
        t += Pad("", 32) + Pad("CFD", 14) + Pad("1-D", 14) + "diferença\n";
    } else {
        t += "OpenFOAM result against 1-D isentropic theory (area ratio " + G(r.areaRatio) + ", gamma " +
             G(r.gamma) + ")\n";
        t += Pad("", 32) + Pad("CFD", 14) + Pad("1-D", 14) + "difference\n";
    }
    for (const Line& line : lines) {
        t += Pad(portuguese ? line.portuguese : line.english, portuguese ? 33 : 32);
        t += Pad(G(line.cfd), 14) + Pad(G(line.theory), 14) + Percent(Difference(line.cfd, line.theory)) + "\n";
    }
    t += AnalysisText(r, portuguese);
    if (portuguese) {
        t += "desbalanço de massa entrada/saída: " + Percent(r.massImbalance) + "\n";
        t += "tempo simulado: " + G(r.timeReached) + " s de " + G(r.endTime) + " s\n";
        t += std::string("regime permanente: ") + (r.settled ? "sim" : "não") + " (" + r.settledWhyPortuguese + ")\n";
    } else {
        t += "inlet/outlet mass imbalance: " + Percent(r.massImbalance) + "\n";
        t += "simulated time: " + G(r.timeReached) + " s of " + G(r.endTime) + " s\n";
        t += std::string("settled: ") + (r.settled ? "yes" : "no") + " (" + r.settledWhy + ")\n";
    }
    return t;
}

std::string FormatReportJson(const CaseReport& r) {
    std::string t = "{";
    bool first = true;
    auto key = [&](const char* name) {
        t += first ? "\n  \"" : ",\n  \"";
        first = false;
        t += name;
        t += "\": ";
    };
    auto number = [&](const char* name, double value) {
        key(name);
        t += JsonNumber(value);
    };
    number("mach_exit_cfd", r.machExitCfd);
    number("mach_exit_1d", r.machExit1d);
    number("pressure_ratio_exit_cfd", r.pressureRatioCfd);
    number("pressure_ratio_exit_1d", r.pressureRatio1d);
    number("temperature_ratio_exit_cfd", r.temperatureRatioCfd);
    number("temperature_ratio_exit_1d", r.temperatureRatio1d);
    number("mass_flow_cfd", r.massFlowCfd);
    number("mass_flow_1d", r.massFlow1d);
    number("mass_flow_inlet_cfd", r.massFlowInletCfd);
    number("mass_imbalance", r.massImbalance);
    number("thrust_cfd", r.thrustCfd);
    number("thrust_1d", r.thrust1d);
    number("thrust_coefficient_cfd", r.thrustCoefficientCfd);
    number("thrust_coefficient_1d", r.thrustCoefficient1d);
    number("area_ratio", r.areaRatio);
    number("gamma", r.gamma);
    number("time_reached", r.timeReached);
    number("end_time", r.endTime);
    auto text = [&](const char* name, const std::string& value) {
        key(name);
        t += '"';
        for (const char c : value) {
            if (c == '"' || c == '\\') t += '\\';
            if (static_cast<unsigned char>(c) >= 0x20) t += c;
        }
        t += '"';
    };
    auto points = [&](const char* name, const std::vector<WallPressurePoint>& wall) {
        key(name);
        t += '[';
        for (std::size_t i = 0; i < wall.size(); ++i) {
            t += i == 0 ? "\n    {\"x_cm\": " : ",\n    {\"x_cm\": ";
            t += JsonNumber(wall[i].xCm) + ", \"p_ratio\": " + JsonNumber(wall[i].pRatio) + "}";
        }
        t += wall.empty() ? "]" : "\n  ]";
    };
    text("start", r.start);
    number("discharge_coefficient_cfd", r.dischargeCoefficientCfd);
    number("discharge_coefficient_moc", r.dischargeCoefficientMoc);
    number("mach_exit_moc", r.machExitMoc);
    number("cf_vacuum_cfd", r.thrustCoefficientCfd);
    number("cf_vacuum_moc", r.cfVacuumMoc);
    number("wall_p_ratio_max_difference_moc", r.wallDifferenceMoc);
    number("wall_p_ratio_max_relative_difference_moc", r.wallRelativeDifferenceMoc);
    if (r.analysisUnavailable.empty()) {
        key("analysis_unavailable");
        t += "null";
    } else {
        text("analysis_unavailable", r.analysisUnavailable);
    }
    points("wall", r.wall);
    points("wall_1d", r.wall1d);
    points("wall_moc", r.wallMoc);
    key("settled");
    t += r.settled ? "true" : "false";
    key("settled_reason");
    t += '"';
    for (const char c : r.settledWhy) {
        if (c == '"' || c == '\\') t += '\\';
        t += c;
    }
    t += "\"\n}\n";
    return t;
}

}  // namespace bellnozzle

// A finished run read back from its function objects' records and set
// against 1-D isentropic theory for the same gas and area ratio, and against
// the 2-D analysis (method of characteristics) of the same wall and gamma.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "foam_case/wall_pressure.h"

namespace bellnozzle {

struct CaseReport {
    double endTime = 0;
    double timeReached = 0;
    bool settled = false;
    std::string settledWhy;  // why not, or how still it held (English)
    std::string settledWhyPortuguese;
    double areaRatio = 0;
    double gamma = 0;

    // Area averages over the outlet (the exit plane), and 1-D at its area.
    double machExitCfd = 0, machExit1d = 0;
    double pressureRatioCfd = 0, pressureRatio1d = 0;        // pe/p0
    double temperatureRatioCfd = 0, temperatureRatio1d = 0;  // Te/T0
    // Whole nozzle, kg/s: through the outlet, the choked-flow formula.
    double massFlowCfd = 0, massFlow1d = 0;
    double massFlowInletCfd = 0;
    double massImbalance = 0;  // (inlet - outlet) / inlet
    // Into vacuum, from the outlet plane: momentum flux plus pressure force.
    double thrustCfd = 0, thrust1d = 0;
    double thrustCoefficientCfd = 0, thrustCoefficient1d = 0;
    // Mass flow over the 1-D choked flow.
    double dischargeCoefficientCfd = 0;
    std::string start;  // "1d" or "fill", as the case was written

    // The 2-D analysis of the case's own copy of the profile, into vacuum;
    // NaN, with the reason, when it is unavailable.
    std::string analysisUnavailable;  // English; empty when it ran
    std::string analysisUnavailablePortuguese;
    double machExitMoc = NAN, dischargeCoefficientMoc = NAN, cfVacuumMoc = NAN;

    // Wall p/p0 at the end of the run, face by face along x; 1-D theory at
    // the same faces; the analysis' stations (throat to exit).
    std::vector<WallPressurePoint> wall, wall1d, wallMoc;
    double throatXCm = 0, throatRadiusCm = 0;
    // The largest |p/p0| difference from the analysis downstream of the
    // throat region (kWallCompareFromThroat throat radii past the throat).
    double wallDifferenceMoc = NAN;
    double wallRelativeDifferenceMoc = NAN;  // the same over the analysis' p/p0
};

inline constexpr double kWallCompareFromThroat = 1.0;

// Over the last quarter of the run (to where it ended: its end time, or
// where its run-time control found it settled), the outlet's mass flow and
// the exit Mach must vary by less than this (relative), and the imbalance
// stay below it.
inline constexpr double kSettledTolerance = 0.005;

// Throws Error naming what is missing when caseDir is no case of this
// program or holds no finished records (run it first).
CaseReport ReadCaseReport(const std::string& caseDir);

// The report as lines of text, in English or in Portuguese (the window's).
std::string FormatReportText(const CaseReport& report, bool portuguese = false);

// The same as one JSON object.
std::string FormatReportJson(const CaseReport& report);

// One record file of a surfaceFieldValue function object: a row per sample,
// the time first, vector components as numbers of their own.
std::vector<std::vector<double>> ReadSampleRows(const std::string& text);

}  // namespace bellnozzle

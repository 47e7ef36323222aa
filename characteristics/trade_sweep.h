// A trade study: every combination of area ratio, length and contour method
// designed in memory and analysed, one row each, on every core. A design that
// is refused is a row saying why; the sweep goes on. The numbers of a row are
// those the analysis gives for the written profile of the same design, since
// the design's profile text is read exactly as the file would be.
#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "characteristics/contour_methods.h"

namespace bellnozzle::moc {

struct SweepRequest {
    float diameter = 5.0f;                        // throat diameter, cm
    std::vector<float> epsilons{10.0f};           // area ratios
    std::vector<float> lengthPercents{80.0f};     // per cent of the 15-degree cone
    std::vector<ContourMethod> methods{ContourMethod::Chart};
    double gamma = 1.4;
    double p0Bar = 20.0;       // chamber pressure
    double paBar = 1.01325;    // ambient pressure, 0 for vacuum
    int threads = 0;           // 0: every core
    int characteristics = 0;   // of the analysis; 0: its default
};

// Designs a sweep may hold; a larger grid is refused before anything runs.
inline constexpr long long kMaxSweepDesigns = 100000;

struct SweepRow {
    ContourMethod method = ContourMethod::Chart;
    float epsilon = 0;           // as requested
    float lengthPercent = 0;     // as requested; for the cone and the ideal nozzle their own length

    // Empty unless the design or its analysis was refused: then it says why
    // (English; the window shows the Portuguese) and the figures below are 0.
    std::string error;
    std::string errorPortuguese;

    double lengthCm = 0;          // throat to exit
    double lengthSavedCm = 0;     // against the 15-degree cone of the same throat and area ratio
    double lengthSavedPercent = 0;
    double efficiency = 0;        // Cf_vac / (Cd Cf_vac,1-D)
    double cfVacuum = 0;
    double cfAmbient = 0;         // at pa, the wall flowing full
    double cfAmbientSeparated = 0;  // at pa, the wall beyond separation at about pa
    std::optional<double> separationXCm;  // none: attached at pa
    std::optional<double> shockXCm;       // where an internal shock starts; none: no shock
    double dischargeCoefficient = 0;
    double exitMachMean = 0;
    double exitAngleDeg = 0;      // the wall angle at the exit (theta_s)
    double wallAreaCm2 = 0;       // the whole contour's wall of revolution

    bool Refused() const { return !error.empty(); }
};

struct SweepProgress {
    long long done = 0;
    long long total = 0;
};

struct SweepResult {
    std::vector<SweepRow> rows;  // in grid order (method, epsilon, length); only the rows done when stopped
    long long total = 0;         // designs in the grid
    bool complete = true;        // false when stopped before the end
};

// The cone and the ideal nozzle: their length follows from the throat, the
// area ratio and the gas, not from a requested percentage.
bool MethodHasOwnLength(ContourMethod method);

// The designs of the grid in the order the rows come: for each method, each
// epsilon, each length. The cone and the ideal nozzle have a length of their
// own, so each gives one design per epsilon whatever the lengths. Throws Error (nothing run) for an empty
// list, a diameter or epsilon that is not a finite number, refused gas or
// pressures, a thread count below 0, or more than kMaxSweepDesigns designs.
std::vector<DesignRequest> SweepDesigns(const SweepRequest& request);

// One row: the design and its analysis; a refusal is caught into the row.
SweepRow RunSweepDesign(const DesignRequest& design, const SweepRequest& request);

// Runs the grid on request.threads threads. progress (when set) is called on
// the calling thread a few times a second and once at the end. Setting *stop
// (when given) ends the sweep soon after: the rows done so far come back and
// the result is marked incomplete. Throws Error as SweepDesigns does.
SweepResult RunSweep(const SweepRequest& request, const std::function<void(const SweepProgress&)>& progress = {},
                     const std::atomic<bool>* stop = nullptr);

// Reads a list of numbers: comma-separated values ("60,70,80") or a range
// "A:B:STEP" from A up to B (B included when the steps reach it). Throws
// Error naming what is wrong (the option name in it) for an empty list, text
// that is not a finite decimal number, a step not above 0, B below A, or more
// than kMaxSweepDesigns values.
std::vector<float> ParseSweepNumbers(const std::string& text, const std::string& optionName);

// Reads a comma-separated list of contour method names ("chart,cone").
std::vector<ContourMethod> ParseSweepMethods(const std::string& text);

// The rows as a table of text, one line each, with a header line; an
// incomplete result ends with a line saying so. A refused row reads refused
// then its error (the window's Portuguese table gives its own word).
std::string FormatSweepText(const SweepResult& result, const std::string& refused = "refused: ");

// The rows as CSV: a header line, then one line per row (the error quoted).
std::string FormatSweepCsv(const SweepResult& result);

// The rows as one JSON array of objects, one per row, with the keys method,
// epsilon, length_percent, length_cm, length_saved_cm, length_saved_percent,
// efficiency, cf_vacuum, cf_ambient, cf_ambient_separated, separation_x_cm,
// shock_x_cm, discharge_coefficient, exit_mach_mean, exit_angle_deg,
// wall_area_cm2 and error (null unless refused; a refused row's figures are
// null). Numbers are printed as analyze --json prints them.
std::string FormatSweepJson(const SweepResult& result);

}  // namespace bellnozzle::moc

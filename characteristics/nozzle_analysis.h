// How good a contour is: its supersonic flow by the method of
// characteristics, from the transonic throat to the exit plane, and the
// figures a designer chooses a bell by (thrust coefficients, efficiency,
// discharge coefficient, exit Mach, wall pressure, internal shock and
// separation at an ambient pressure).
//
// Perfect gas, steady, irrotational, isentropic; axisymmetric (planar as an
// option). Standard library only.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/profile_reader.h"

namespace bellnozzle::moc {

struct AnalysisOptions {
    double gamma = 1.4;        // ratio of specific heats, above 1
    double p0Bar = 20.0;       // chamber total pressure
    double paBar = 1.01325;    // ambient pressure; 0 for vacuum
    int characteristics = 0;   // characteristics on the initial line; 0: the default
    bool planar = false;       // a planar (two-dimensional) nozzle instead of an axisymmetric one
    bool splineWall = false;   // the wall by a spline through the points even where the header describes it
};

// The number of characteristics on the initial line by default, and the
// range accepted: the net's points grow about as the square of the number,
// and 160 on the longest bell of the chart (100 %, epsilon 50) takes a few
// seconds.
inline constexpr int kDefaultCharacteristics = 10;
inline constexpr int kMinCharacteristics = 4;
inline constexpr int kMaxCharacteristics = 160;

// One wall station, from the throat to the exit lip.
struct WallStation {
    double xCm = 0, yCm = 0;
    double mach = 0;
    double pRatio = 0;  // p/p0
};

// A point of the characteristic net, for the picture.
struct NetPoint {
    double xCm = 0, rCm = 0;
    double mach = 0;
};

struct ShockStart {
    double xCm = 0, rCm = 0;
};

struct AnalysisResult {
    AnalysisOptions options;          // as used (characteristics resolved)
    double throatRadiusCm = 0;
    double exitRadiusCm = 0;
    double areaRatio = 0;             // (Re/Rt)^2 of the wall (planar: Re/Rt)
    double throatCurvatureRadiusCm = 0;  // the wall radius the transonic solution used
    bool wallFromHeader = false;      // the wall is the header's geometry (else a spline through the points)

    double dischargeCoefficient = 0;  // mass flow over the 1-D choked flow
    double cfVacuum = 0;              // exit momentum and pressure, per p0 At
    double cfAmbient = 0;             // cfVacuum - (pa/p0) Ae/At
    double cfVacuum1d = 0;            // the ideal 1-D nozzle of the same area ratio
    double cfAmbient1d = 0;
    double efficiency = 0;            // cfVacuum / (Cd cfVacuum1d)

    double exitMachMean = 0;          // area average over the exit plane
    double exitMachAxis = 0;
    double exitMachLip = 0;
    double massBalance = 0;           // exit mass flow over initial-line mass flow, minus 1

    std::optional<ShockStart> shock;  // first crossing of same-family characteristics
    std::optional<double> separationXCm;             // Schmucker's criterion; none: attached
    std::optional<double> separationXCmSummerfield;  // p_wall < 0.4 pa
    double cfAmbientSeparated = 0;    // with the wall beyond separation at about pa (= cfAmbient when attached)

    std::vector<WallStation> wall;                    // throat to exit, x growing
    std::vector<std::vector<NetPoint>> netLines;      // characteristic lines, for drawing
};

// Analyses the wall of a profile table (a designed bell, a cone or a hand-made
// profile). path names the file in the messages. Throws Error (English and
// Portuguese) with one clear line for a wall that is no nozzle or options out
// of range; nothing is left half done.
AnalysisResult AnalyzeProfile(const ProfileTable& profile, const AnalysisOptions& options,
                              const std::string& path);

}  // namespace bellnozzle::moc

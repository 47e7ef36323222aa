// The text of every file of an OpenFOAM case of the nozzle: a compressible,
// inviscid run of the wedge with rhoCentralFoam, from the chamber conditions
// at the inlet to a supersonic outflow.
#pragma once

#include <string>
#include <vector>

#include "core/profile_reader.h"
#include "foam_case/case_settings.h"
#include "foam_case/nozzle_flow.h"

namespace bellnozzle {

struct CaseFile {
    std::string path;  // relative to the case folder, '/' separated
    std::string text;
    bool executable = false;
};

// The numbers the files are made from.
struct CaseOutline {
    CaseSettings settings;
    NozzleMeasures nozzle;
    IsentropicPrediction theory;
    double flowThroughTimes = 0;
    double endTime = 0;          // s
    double fillPressure = 0;     // Pa, the gas the run starts from
    double fillTemperature = 0;  // K
};

// Flow-through times (nozzle length at the chamber's speed of sound) a run
// lasts. A larger area ratio starts later, as its fill must drain far below
// the chamber pressure before the starting shock leaves: the initial design
// (epsilon 10) starts within 2 of them, a 10 cm bell of epsilon 50 on the
// 100 x 20 mesh after 13. The rest lets the flow settle and shows that it
// stays.
double FlowThroughTimes(double areaRatio);

// Throws Error for unusable settings or a profile the case cannot be made of.
CaseOutline OutlineCase(const ProfileTable& profile, const CaseSettings& settings);

// Every file but the marker, in a fixed order.
std::vector<CaseFile> ComposeCaseFiles(const ProfileTable& profile, const CaseOutline& outline);

// system/decomposeParDict for a number of processes (Allrun rewrites it when
// run with another).
std::string DecomposeParDictText(int processes);

// Names the run's function objects write under postProcessing/.
inline constexpr const char* kInletFlowName = "inletFlow";
inline constexpr const char* kOutletFlowName = "outletFlow";
inline constexpr const char* kInletAverageName = "inletAverage";
inline constexpr const char* kOutletAverageName = "outletAverage";
inline constexpr const char* kOutletMomentumName = "outletMomentum";
inline constexpr const char* kOutletPressureName = "outletPressure";
inline constexpr const char* kWallPressureName = "wallPressure";
inline constexpr const char* kSolverLogName = "log.rhoCentralFoam";
inline constexpr const char* kRunLogName = "log.Allrun";
inline constexpr const char* kMachFieldName = "Ma";

}  // namespace bellnozzle

// What a case is made of besides the contour: the chamber conditions, the
// gas, the mesh and the number of processes to run on.
#pragma once

#include <string>

namespace bellnozzle {

struct GasConditions {
    double chamberPressure = 20e5;    // p0, Pa
    double chamberTemperature = 3000;  // T0, K
    double gamma = 1.4;                // ratio of specific heats
    double molarMass = 28.96;          // g/mol (air)

    // Specific gas constant, J/(kg K).
    double GasConstant() const;
};

// What the run starts from: every cell at the quasi-1-D isentropic flow of
// its axial position, or the nozzle filled with a thin, cool gas that the
// flow sweeps out (the older start, slower and, for long bells of high area
// ratio, prone to a start-up vortex that lowers the mass flow).
enum class CaseStart { OneDimensional, Fill };

// The marker's names of the starts: "1d" and "fill".
const char* CaseStartName(CaseStart start);
// False when name is neither.
bool ParseCaseStart(const std::string& name, CaseStart& start);

struct CaseSettings {
    GasConditions gas;
    CaseStart start = CaseStart::OneDimensional;
    int axialCells = 100;  // the window's NX
    int radialCells = 20;  // the window's NY, from the axis to the wall
    int processes = 1;
};

// Limits beyond which a mesh or a decomposition is refused as absurd for a
// one-cell-thick wedge.
inline constexpr int kMaxCellsPerDirection = 100000;
inline constexpr long long kMaxCells = 10000000;
inline constexpr int kMaxProcesses = 4096;

// Throws Error (English and Portuguese, naming the value) unless every value
// is usable: pressure, temperature and molar mass finite and above 0, gamma
// finite and above 1, cell counts from 1 up to the limits above, processes
// from 1 up to the axial cell count (the case is split along the axis).
void CheckCaseSettings(const CaseSettings& settings);

// The process count alone, for a case run again with another count.
void CheckProcessCount(int processes, int axialCells);

}  // namespace bellnozzle

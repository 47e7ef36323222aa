// The start from the flow itself: every cell's p, T and U from quasi-1-D
// isentropic flow at its axial position (subsonic upstream of the throat,
// supersonic downstream), so the run need not sweep out a fill and no
// start-up vortex forms in the convergent part.
#pragma once

#include <string>
#include <vector>

#include "foam_case/case_settings.h"
#include "foam_case/mesh_grading.h"
#include "foam_case/wall_line.h"

namespace bellnozzle {

struct CellCentre {
    double x = 0, r = 0;  // m
};

// The cell centres of the case's block in blockMesh's order (along the axis
// fastest, then from the axis to the wall), from the graded nodes on the axis
// and the wall joined by straight radial lines: within a fraction of a cell
// of blockMesh's own, which is all a starting field needs.
std::vector<CellCentre> EstimateCellCentres(const WallLine& wall, const AxialGrading& grading, int radialCells);

struct CellState {
    double p = 0, T = 0;    // Pa, K
    double ux = 0, ur = 0;  // m/s, along the axis and away from it
};

// The velocity follows the local flow direction of a source flow between the
// axis (parallel to it) and the wall (along it): its angle to the axis is the
// wall's angle times r over the wall radius.
CellState OneDimensionalState(const WallLine& wall, const GasConditions& gas, const CellCentre& centre);

// "nonuniform List<scalar> N (...)" and "nonuniform List<vector> N (...)",
// one value a line, ready to follow "internalField".
std::string ScalarListText(const std::vector<double>& values);
std::string VectorListText(const std::vector<CellState>& states);

}  // namespace bellnozzle

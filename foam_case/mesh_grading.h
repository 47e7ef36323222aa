// Where the case's cells go along the axis: uniform and finest over the
// throat, whose curvature sets the discharge coefficient and the start of the
// expansion, and growing from there towards the inlet and the exit (blockMesh
// multi-grading). Radially they shrink towards the wall, as in the exported
// dictionary.
#pragma once

#include <string>
#include <vector>

#include "foam_case/wall_line.h"

namespace bellnozzle {

// One stretch of an edge as blockMesh's multi-grading gives it: its share of
// the edge's length, its cells, and the last cell's size over the first's.
struct GradingRegion {
    double lengthFraction = 0;
    int cells = 0;
    double expansion = 1;
};

struct AxialGrading {
    int cells = 0;
    std::vector<GradingRegion> axis;  // along the axis, by x
    std::vector<GradingRegion> wall;  // along the wall, by arc length; the same cells
};

// The throat region spans this many throat radii upstream and downstream of
// the throat; inlet cells are kInletGrowth and exit cells kExitGrowth times
// the throat's.
inline constexpr double kThroatRegionUpstream = 1.0;
inline constexpr double kThroatRegionDownstream = 1.0;
inline constexpr double kInletGrowth = 2.0;
inline constexpr double kExitGrowth = 5.0;
// At least this share of the axial cells lies in the throat region.
inline constexpr double kThroatCellShare = 0.4;
inline constexpr double kRadialExpansion = 0.3;  // wall cell over axis cell

// A profile with fewer than kResolvedThroatPoints points from a throat
// radius upstream of the throat to half one downstream (the chart's 1 mm
// throats have two) does not describe its throat arcs: blockMesh's spline
// through so few points turns sharply there, and cells clustered on it came
// out with negative volumes. Such a profile keeps the exported dictionary's
// grading (cells growing threefold from the inlet to the exit). The sparse
// points of a bell's parabola further on are no such case.
inline constexpr int kResolvedThroatPoints = 5;
inline constexpr double kExportedAxialExpansion = 3.0;

bool ResolvesThroat(const WallLine& wall);
AxialGrading ClusterAtThroat(const WallLine& wall, int axialCells);

// The exported dictionary's grading as an AxialGrading.
AxialGrading ExportedGrading(int axialCells);

// The node positions of a graded edge as fractions of its length, 0 to 1
// (cells + 1 of them), as blockMesh places them: geometric within a region.
std::vector<double> GradedNodes(const std::vector<GradingRegion>& regions);

// Radial node fractions from the axis (0) to the wall (1).
std::vector<double> RadialNodes(int radialCells);

// The blockMeshDict grading entry for the case's single block
// (hex (0 1 1 0 2 3 4 5)): "edgeGrading (...)" on one line.
std::string EdgeGradingText(const AxialGrading& grading);

}  // namespace bellnozzle

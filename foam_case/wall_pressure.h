// The wall pressure of a run, face by face from the wall patch as the
// surfaces function object writes it, beside 1-D theory at each face's radius
// and the 2-D analysis' wall stations.
#pragma once

#include <string>
#include <vector>

#include "foam_case/nozzle_flow.h"

namespace bellnozzle {

struct WallPressurePoint {
    double xCm = 0;
    double pRatio = 0;  // p/p0
};

// The wall faces of the latest time the run wrote them, ordered by x, with
// their radius (cm) in radiusCm. Empty when the run wrote none.
std::vector<WallPressurePoint> ReadWallPressure(const std::string& caseDir, double chamberPressure,
                                                double wedgeCos, std::vector<double>* radiusCm = nullptr);

// One "x y z p" row a face (comment lines start with #), to p/p0 by x, and
// the radius of each face centre (on the wedge's mid-plane, r = z / cos).
std::vector<WallPressurePoint> ParseWallPressure(const std::string& text, double chamberPressure,
                                                 double wedgeCos, std::vector<double>* radiusCm = nullptr);

// 1-D isentropic p/p0 at each face: subsonic upstream of the throat.
std::vector<WallPressurePoint> OneDimensionalWall(const std::vector<WallPressurePoint>& faces,
                                                  const std::vector<double>& radiusCm, const NozzleMeasures& nozzle,
                                                  double gamma);

// The largest |p/p0 difference| between the run and a reference (linear
// between its stations) over the faces from fromXCm on that the reference
// covers, or with relative set the largest |difference| over the reference's
// p/p0; NaN when none.
double LargestDifference(const std::vector<WallPressurePoint>& faces,
                         const std::vector<WallPressurePoint>& reference, double fromXCm, bool relative = false);

}  // namespace bellnozzle

// The nozzle wall an analysis runs along, read from a profile table: the
// throat, the exit lip, the upstream wall radius of curvature the transonic
// solution needs, and a smooth wall from the throat to the lip.
//
// The file carries six significant digits, so slopes from neighbouring
// points are noisy. Where the header describes the contour (a bell's or a
// cone's radii, angles and end points) and every point lies on it, the wall
// is that geometry itself; otherwise (a hand-made profile, an edited one) it
// is a cubic spline through the points. Lengths of the shape are in throat
// radii from the throat.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "characteristics/unit_processes.h"
#include "core/profile_reader.h"

namespace bellnozzle::moc {

enum class WallSource { HeaderGeometry, Spline };

struct NozzleWall {
    double throatXCm = 0, throatRadiusCm = 0;
    double exitXCm = 0, exitRadiusCm = 0;
    double curvatureRadius = 0;  // upstream wall radius of curvature at the throat, throat radii
    WallSource source = WallSource::Spline;
    std::shared_ptr<const WallShape> shape;  // from x = 0 (the throat, r = 1) to the lip
};

// The contour a profile's header describes, whatever its points: the throat
// radius (cm, the throat at x = 0), the upstream arc's radius R1 (throat
// radii, centred above the throat) and the wall from the throat to the lip
// (the downstream arc, then the parabola or the straight wall). Empty when
// the header lacks a value or gives no sound contour.
struct HeaderContour {
    double throatRadiusCm = 0;
    double upstreamRadius = 0;
    std::shared_ptr<const WallShape> downstream;
};
std::optional<HeaderContour> ReadHeaderContour(const ProfileTable& profile);

// Throws Error (one line, English and Portuguese, naming path) for a profile
// that is no nozzle: fewer than three points, x not growing, a wall on or
// below the axis, no throat (no interior minimum of the radius), a wall that
// turns back toward the axis downstream of the throat, or an exit no wider
// than the throat.
NozzleWall ReadNozzleWall(const ProfileTable& profile, const std::string& path, bool splineOnly);

}  // namespace bellnozzle::moc

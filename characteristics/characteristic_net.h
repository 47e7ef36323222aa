// The characteristic net of a nozzle: right-running characteristics marched
// one after another from the initial-value line along the wall to the exit
// lip. Each new one starts at the wall, where the left-running
// characteristic from the previous one's second point meets it, and runs
// down to the axis through the points where it meets the left-running
// characteristics from the previous one's lower points. Where the wall turns
// fast (the short downstream throat arc) or the wall points would lie far
// apart, a wall point is placed nearer, on a fresh left-running
// characteristic, so a fan is resolved; each line is kept about as finely
// spaced as the initial line (NetBuilder::Regrid). The last line starts at
// the lip.
//
// Same-family crossings: where compression waves coalesce (parabolic bells,
// the cone's turn from arc to straight wall), a new point lies upstream of a
// point it was computed from along the characteristic joining them. The first
// such point is recorded as the start of the internal shock, and the net
// carries on through it with the isentropic relations, the usual treatment
// of a bell's weak shock (its entropy rise is of third order in its
// strength): the crossed characteristics overlap in a thin fold, which the
// exit-plane integrals traverse in the net's order and so count once. Deeper
// in a fold, where the two characteristics no longer meet near their points
// (see NetBuilder::Plausible), the new line joins the previous one and
// follows it. The mass balance across the net shows what this costs.
//
// Beyond the exit plane a line stops at its first point (nothing there
// reaches back into the nozzle), except near the axis, where it goes on to
// the axis for the axis flow at the exit plane.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "characteristics/unit_processes.h"

namespace bellnozzle::moc {

struct CharacteristicNet {
    // Right-running characteristics, each from the wall (index 0) to the axis
    // (last index) or to its first point beyond the exit plane. The first is
    // the initial-value line; the last starts at the exit lip.
    std::vector<std::vector<FlowPoint>> lines;
    // For each point of `lines`, the left-running characteristic it lies on.
    std::vector<std::vector<int>> leftRunningIds;
    std::optional<FlowPoint> firstCrossing;  // where same-family characteristics first cross
};

// Refusal: a net that would need more points than this is too large to
// finish in a few seconds and is not run.
inline constexpr std::size_t kMaxNetPoints = 1'000'000;

// Marches the net. Throws Error when the flow turns subsonic or the net
// outgrows kMaxNetPoints.
CharacteristicNet MarchNet(std::vector<FlowPoint> initialLine, const WallShape& wall, const Gas& gas);

// The left-running characteristics of the net, each from where it starts
// (the initial line, the axis or a fresh point) to where it ends, for drawing.
std::vector<std::vector<FlowPoint>> LeftRunningLines(const CharacteristicNet& net);

}  // namespace bellnozzle::moc

// The characteristic net of a nozzle: right-running characteristics marched
// one after another from the initial-value line along the wall to the exit
// lip. Each new one starts at the wall, where the left-running
// characteristic from the previous one's second point meets it, and runs
// down to the axis through the points where it meets the left-running
// characteristics from the previous one's lower points. The last starts at
// the lip: the flow on it and upstream of it is all the nozzle's, so the
// thrust and mass through it are those through the exit plane.
//
// Same-family crossings: where compression waves coalesce (parabolic bells,
// the cone's turn from arc to straight wall), a new right-running
// characteristic overtakes the previous one before meeting the left-running
// characteristic from one of its points. The first such place is recorded
// as the start of the internal shock, and the net carries on past it: the
// new line joins the previous one at the overtaken point and follows it to
// the axis, so the weak shock runs along the previous line and the flow
// below it is the flow ahead of the shock; the region between the two lines
// is closed by the wall and the joint, so mass stays balanced. The isentropic
// relations hold on both sides (the entropy rise of a weak shock is of third
// order in its strength); the mass balance across the net shows what the
// treatment costs.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "characteristics/unit_processes.h"

namespace bellnozzle::moc {

struct CharacteristicNet {
    // Right-running characteristics, each from the wall (index 0) to the axis
    // (last index). The first is the initial-value line; the last starts at
    // the exit lip and holds one point more than the others.
    std::vector<std::vector<FlowPoint>> lines;
    // For each point of `lines`, the left-running characteristic it lies on.
    std::vector<std::vector<int>> leftRunningIds;
    std::optional<FlowPoint> firstCrossing;  // where same-family characteristics first cross
};

// Refusal: a net that would need more points than this is too large to
// finish in a few seconds and is not run.
inline constexpr std::size_t kMaxNetPoints = 2'000'000;

// Marches the net. Throws Error when the flow turns subsonic or the net
// outgrows kMaxNetPoints.
CharacteristicNet MarchNet(std::vector<FlowPoint> initialLine, const WallShape& wall, const Gas& gas);

// The left-running characteristics of the net, each from where it starts
// (the initial line, the axis or a fresh point) to where it ends, for drawing.
std::vector<std::vector<FlowPoint>> LeftRunningLines(const CharacteristicNet& net);

}  // namespace bellnozzle::moc

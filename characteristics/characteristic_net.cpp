#include "characteristics/characteristic_net.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "core/error.h"
#include "core/text_format.h"

namespace bellnozzle::moc {
namespace {

// A wall point this close to the wall's end (in the wall's unit) is the lip.
constexpr double kLipTolerance = 1e-12;
// The spacing of the points along a line, as multiples of its mean interval
// (see NetBuilder::Regrid).
constexpr double kWidestInterval = 4.0;
constexpr double kClosestPair = 0.5;
// An interval is split into at most this many (the net-size check refuses
// nets that would need more long before).
constexpr double kMostSplits = 1000.0;
// Two wall points lie at most this many times the wall radius over the
// initial line's count of intervals apart.
constexpr double kMaxWallStep = 2.0;
// Beyond the exit plane, a line goes on to the axis from below this
// fraction of its wall radius.
constexpr double kAxisBand = 0.2;
// The right-running characteristic must head to the axis at least this
// steeply (radians) for an axis point.
constexpr double kAxisApproach = 1e-3;
// A new point farther from the point below it than this many times the
// distance between its two known points, or whose flow angle or
// Prandtl-Meyer angle lies more than kFoldAngle (radians) outside theirs,
// is implausible (see NetBuilder::Plausible).
constexpr double kFoldReach = 8.0;
constexpr double kFoldAngle = 0.1;

void RequireFinite(const FlowPoint& p) {
    if (std::isfinite(p.x) && std::isfinite(p.r) && std::isfinite(p.mach)) return;
    throw Error(Format("the flow turns subsonic in the nozzle near x = %g throat radii: the wall compresses it "
                       "more than a supersonic nozzle can",
                       p.x),
                Format("o escoamento fica subsônico no bocal perto de x = %g raios da garganta: a parede o "
                       "comprime mais do que um bocal supersônico admite",
                       p.x));
}

class NetBuilder {
public:
    NetBuilder(const WallShape& wall, const Gas& gas, std::size_t points)
        : wall_(wall), gas_(gas), points_(points), exitX_(wall.XEnd()) {}

    void AddInitial(std::vector<FlowPoint> line) {
        std::vector<int> ids(line.size());
        for (std::size_t j = 0; j < ids.size(); ++j) ids[j] = nextId_++;
        Add(std::move(line), std::move(ids));
    }

    // The next characteristic from the wall point `top` (on the
    // left-running characteristic `topId`) down to the axis; its points lie
    // on the left-running characteristics from the previous line's points
    // from index 1 + shift on.
    void AddLine(const FlowPoint& top, int topId, std::size_t shift) {
        const std::vector<FlowPoint>& previous = net_.lines.back();
        const std::vector<int>& previousIds = net_.leftRunningIds.back();
        std::vector<FlowPoint> line{top};
        std::vector<int> ids{topId};
        for (std::size_t j = 1 + shift; j < previous.size(); ++j) {
            if (Beyond(line.back(), top)) return Finish(line, ids);
            const NewPoint p = InteriorPoint(previous[j], line.back(), gas_);
            // Beyond the exit plane the net only serves to interpolate at
            // it; a point that fails there just ends the line.
            if (!std::isfinite(p.point.mach) && (line.back().x > exitX_ || previous[j].x > exitX_)) {
                return Finish(line, ids);
            }
            if (p.crossed && !net_.firstCrossing) net_.firstCrossing = previous[j];
            // The left-running characteristic from this point reaches the
            // wall before the new line: it ends there, and the new line goes
            // on with the next one.
            if (OutsideWall(p.point)) continue;
            if (!Plausible(p.point, previous[j], line.back())) {
                // Deep in a fold of crossed characteristics the two no
                // longer meet where they should (or, at the axis, the new
                // line reaches it first): the new line joins the previous
                // one there and follows it to its end.
                line.insert(line.end(), previous.begin() + static_cast<std::ptrdiff_t>(j), previous.end());
                ids.insert(ids.end(), previousIds.begin() + static_cast<std::ptrdiff_t>(j), previousIds.end());
                return Finish(line, ids);
            }
            line.push_back(p.point);
            ids.push_back(previousIds[j]);
        }
        // A line whose lowest point turns no longer toward the axis (in a
        // fold of crossed characteristics) ends there; the next one goes on.
        if (!Beyond(line.back(), top) && line.back().theta - line.back().mu < -kAxisApproach) {
            const FlowPoint axis = AxisPoint(line.back(), gas_);
            if (!std::isfinite(axis.mach) && !(axis.x <= exitX_)) return Finish(line, ids);
            RequireFinite(axis);
            line.push_back(axis);
            ids.push_back(nextId_++);
        }
        Finish(line, ids);
    }

    void Finish(std::vector<FlowPoint>& line, std::vector<int>& ids) {
        Regrid(line, ids);
        Add(std::move(line), std::move(ids));
    }

    int NewId() { return nextId_++; }
    CharacteristicNet Take() { return std::move(net_); }
    const std::vector<FlowPoint>& Last() const { return net_.lines.back(); }
    int LastId(std::size_t j) const { return net_.leftRunningIds.back()[j]; }

private:
    // Keeps the points of a line about as far apart as the initial line's:
    // the scale is the line's wall radius over the initial line's count of
    // intervals. An interval longer than kWidestInterval scales gets a fresh
    // point at its middle, whose left-running characteristic starts there;
    // an interior point whose neighbours lie within kClosestPair scales is
    // dropped (its left-running characteristic ends there), as long as a
    // line that reaches the axis keeps the initial line's count. So points
    // that bunch where characteristics converge do not multiply, lines cut
    // at the exit plane keep their resolution, and lines that lost points
    // get them back.
    void Regrid(std::vector<FlowPoint>& line, std::vector<int>& ids) {
        const double scale = line.front().r / double(points_ - 1);
        const std::size_t minimum = line.back().r == 0.0 ? points_ : 2;
        const auto gap = [](const FlowPoint& a, const FlowPoint& b) { return std::hypot(a.x - b.x, a.r - b.r); };
        std::vector<FlowPoint> out;
        std::vector<int> outIds;
        out.reserve(line.size() + 8);
        outIds.reserve(line.size() + 8);
        // One sweep drops crowded points, keeping the first and the last...
        std::size_t droppable = line.size() > minimum ? line.size() - minimum : 0;
        out.push_back(line.front());
        outIds.push_back(ids.front());
        for (std::size_t j = 1; j + 1 < line.size(); ++j) {
            if (droppable > 0 && gap(out.back(), line[j + 1]) < kClosestPair * scale) {
                --droppable;
                continue;
            }
            out.push_back(line[j]);
            outIds.push_back(ids[j]);
        }
        out.push_back(line.back());
        outIds.push_back(ids.back());
        // ...and another splits long intervals evenly.
        line.clear();
        ids.clear();
        line.push_back(out.front());
        ids.push_back(outIds.front());
        for (std::size_t j = 1; j < out.size(); ++j) {
            // A point gone to NaN or infinity (a net breaking down on a wild
            // wall) is split no further: the breakdown check refuses the
            // result, and a NaN must never reach the integer conversion.
            const double widths = std::ceil(gap(out[j - 1], out[j]) / (kWidestInterval * scale));
            const int parts = std::isfinite(widths) ? static_cast<int>(std::min(widths, kMostSplits)) : 1;
            for (int k = 1; k < parts; ++k) {
                line.push_back(Interpolate(out[j - 1], out[j], double(k) / parts, gas_.gamma));
                ids.push_back(nextId_++);
            }
            line.push_back(out[j]);
            ids.push_back(outIds[j]);
        }
        // A line that reaches the axis keeps at least the initial line's count.
        while (line.size() < minimum) {
            std::size_t widest = 1;
            for (std::size_t j = 2; j < line.size(); ++j) {
                if (gap(line[j - 1], line[j]) > gap(line[widest - 1], line[widest])) widest = j;
            }
            line.insert(line.begin() + static_cast<std::ptrdiff_t>(widest),
                        Interpolate(line[widest - 1], line[widest], 0.5, gas_.gamma));
            ids.insert(ids.begin() + static_cast<std::ptrdiff_t>(widest), nextId_++);
        }
    }

    // A new point from two others lies near them and turns and expands the
    // flow by about what they differ by: a point that falls below the axis,
    // far away, or with a flow unlike both comes from characteristics that
    // have crossed too far to meet sensibly.
    static bool Plausible(const FlowPoint& p, const FlowPoint& below, const FlowPoint& above) {
        const double reach = std::hypot(above.x - below.x, above.r - below.r);
        const auto near = [](double v, double a, double b) {
            return v > std::min(a, b) - kFoldAngle && v < std::max(a, b) + kFoldAngle;
        };
        return std::isfinite(p.mach) && p.r > 0.0 && std::hypot(p.x - below.x, p.r - below.r) < kFoldReach * reach &&
               near(p.theta, below.theta, above.theta) && near(p.nu, below.nu, above.nu);
    }

    bool OutsideWall(const FlowPoint& p) const {
        return p.x >= wall_.XBegin() && p.x <= wall_.XEnd() && p.r > wall_.Radius(p.x);
    }

    // Nothing downstream of the exit plane reaches back into the nozzle, so
    // a line stops at its first point beyond it; near the axis it goes on to
    // the axis, which gives the axis flow at the exit plane.
    bool Beyond(const FlowPoint& p, const FlowPoint& top) const {
        return p.x > exitX_ && p.r > kAxisBand * top.r;
    }

    void Add(std::vector<FlowPoint> line, std::vector<int> ids) {
        total_ += line.size();
        if (total_ > kMaxNetPoints) {
            throw Error(Format("the characteristic net would need more than %zu points; choose fewer characteristics",
                               kMaxNetPoints),
                        Format("a rede de características precisaria de mais de %zu pontos; escolha menos "
                               "características",
                               kMaxNetPoints));
        }
        net_.lines.push_back(std::move(line));
        net_.leftRunningIds.push_back(std::move(ids));
    }

    const WallShape& wall_;
    const Gas& gas_;
    std::size_t points_;
    double exitX_;
    CharacteristicNet net_;
    std::size_t total_ = 0;
    int nextId_ = 0;
};

// The wall turns the flow through at most this angle (radians) over the
// initial line's number of intervals between two lines; where it turns faster (the
// short downstream throat arc) extra lines start from wall points placed
// closer together, so the expansion there is resolved as a fan.
constexpr double kWallTurnPerLine = 0.5;
// Samples of the wall angle between two wall points, for that check.
constexpr int kWallTurnSamples = 8;
constexpr int kWallTurnBisections = 40;

// The largest x in (from, to] up to which the wall angle stays within
// maxTurn of its value at from.
double WallTurnLimit(const WallShape& wall, double from, double to, double maxTurn) {
    const double start = std::atan(wall.Slope(from));
    const auto within = [&](double x) { return std::fabs(std::atan(wall.Slope(x)) - start) <= maxTurn; };
    double lo = from;
    for (int i = 1; i <= kWallTurnSamples; ++i) {
        const double x = from + (to - from) * i / kWallTurnSamples;
        if (within(x)) {
            lo = x;
            continue;
        }
        double hi = x;
        for (int b = 0; b < kWallTurnBisections; ++b) {
            const double mid = 0.5 * (lo + hi);
            (within(mid) ? lo : hi) = mid;
        }
        return lo;
    }
    return to;
}

}  // namespace

CharacteristicNet MarchNet(std::vector<FlowPoint> initialLine, const WallShape& wall, const Gas& gas) {
    const double intervals = double(initialLine.size() - 1);
    const double maxTurn = kWallTurnPerLine / intervals;
    NetBuilder builder(wall, gas, initialLine.size());
    builder.AddInitial(std::move(initialLine));
    const double lip = wall.XEnd();
    // Every new wall point lies downstream of the last and every line adds
    // points, so kMaxNetPoints ends any march.
    for (;;) {
        const std::vector<FlowPoint>& previous = builder.Last();
        const std::optional<FlowPoint> top = WallPoint(previous[1], wall, gas);
        if (top) RequireFinite(*top);
        // The characteristic from a second point that lies right at the wall
        // may land on or before the last wall point: then a nearer wall point
        // is placed instead.
        const bool natural = top && top->x > previous[0].x && top->x < lip - kLipTolerance;
        const double reach = natural ? top->x : lip;
        const double stepEnd = std::min(reach, previous[0].x + kMaxWallStep * previous[0].r / intervals);
        const double limit = WallTurnLimit(wall, previous[0].x, stepEnd, maxTurn);
        if (natural && limit >= reach) {
            builder.AddLine(*top, builder.LastId(1), 1);
            continue;
        }
        // A wall point short of where the characteristic from the previous
        // line's second point lands: it lies on a fresh characteristic from
        // between that point and the wall.
        const FlowPoint wallPoint = WallPointAt(limit, previous[0], previous[1], wall, gas);
        RequireFinite(wallPoint);
        builder.AddLine(wallPoint, builder.NewId(), 0);
        if (!(limit < lip - kLipTolerance)) return builder.Take();
    }
}

std::vector<std::vector<FlowPoint>> LeftRunningLines(const CharacteristicNet& net) {
    std::map<int, std::vector<FlowPoint>> byId;
    for (std::size_t k = 0; k < net.lines.size(); ++k) {
        for (std::size_t j = 0; j < net.lines[k].size(); ++j) byId[net.leftRunningIds[k][j]].push_back(net.lines[k][j]);
    }
    std::vector<std::vector<FlowPoint>> out;
    for (auto& [id, polyline] : byId) {
        if (polyline.size() > 1) out.push_back(std::move(polyline));
    }
    return out;
}

}  // namespace bellnozzle::moc

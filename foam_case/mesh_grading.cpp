#include "foam_case/mesh_grading.h"

#include <algorithm>
#include <cmath>

#include "export/number_text.h"

namespace bellnozzle {
namespace {

struct Stretch {
    double from, to;            // x, m
    double startSize, endSize;  // cell size over the throat's
};

// Mean cell size over a stretch whose sizes grow geometrically from a to b.
double MeanSize(double a, double b) { return a == b ? a : (b - a) / std::log(b / a); }

// Whole cell counts in proportion to shares, each at least 1, summing to total.
std::vector<int> Apportion(const std::vector<double>& shares, int total) {
    double sum = 0;
    for (const double share : shares) sum += share;
    std::vector<int> cells;
    std::vector<std::pair<double, std::size_t>> remainders;
    int given = 0;
    for (std::size_t i = 0; i < shares.size(); ++i) {
        const double exact = shares[i] / sum * total;
        cells.push_back(std::max(1, static_cast<int>(exact)));
        given += cells.back();
        remainders.emplace_back(exact - cells.back(), i);
    }
    std::sort(remainders.rbegin(), remainders.rend());
    for (std::size_t k = 0; given < total; k = (k + 1) % remainders.size(), ++given) ++cells[remainders[k].second];
    // Taking back from the largest when the minimum of 1 overshot.
    while (given > total) {
        *std::max_element(cells.begin(), cells.end()) -= 1;
        --given;
    }
    return cells;
}

std::string Num(double value) { return std::string(GText(value, 10).View()); }

std::string RegionsText(const std::vector<GradingRegion>& regions, int cells) {
    std::string t = "(";
    for (const GradingRegion& r : regions) {
        t += "(" + Num(r.lengthFraction) + " " + Num(double(r.cells) / cells) + " " + Num(r.expansion) + ")";
    }
    return t + ")";
}

}  // namespace

AxialGrading ClusterAtThroat(const WallLine& wall, int axialCells) {
    const double inlet = wall.InletX(), exit = wall.ExitX(), throat = wall.ThroatX();
    const double rt = wall.ThroatRadius();
    const double a = std::max(inlet, throat - kThroatRegionUpstream * rt);
    const double b = std::min(exit, throat + kThroatRegionDownstream * rt);
    // A stretch shorter than a thousandth of the nozzle is left out.
    const double tiny = 1e-3 * (exit - inlet);
    std::vector<Stretch> stretches;
    if (a - inlet > tiny) stretches.push_back({inlet, a, kInletGrowth, 1});
    stretches.push_back({stretches.empty() ? inlet : a, exit - b > tiny ? b : exit, 1, 1});
    if (exit - b > tiny) stretches.push_back({b, exit, 1, kExitGrowth});
    if (axialCells < static_cast<int>(stretches.size())) stretches = {{inlet, exit, 1, 1}};

    std::vector<double> shares;
    for (const Stretch& s : stretches) shares.push_back((s.to - s.from) / MeanSize(s.startSize, s.endSize));
    const std::vector<int> cells = Apportion(shares, axialCells);

    AxialGrading grading;
    grading.cells = axialCells;
    const double arc = wall.Length();
    for (std::size_t i = 0; i < stretches.size(); ++i) {
        const Stretch& s = stretches[i];
        const double expansion = s.endSize / s.startSize;
        grading.axis.push_back({(s.to - s.from) / (exit - inlet), cells[i], expansion});
        grading.wall.push_back({(wall.ArcAt(s.to) - wall.ArcAt(s.from)) / arc, cells[i], expansion});
    }
    return grading;
}

std::vector<double> GradedNodes(const std::vector<GradingRegion>& regions) {
    double total = 0;
    for (const GradingRegion& r : regions) total += r.lengthFraction;
    std::vector<double> nodes{0};
    double start = 0;
    for (const GradingRegion& r : regions) {
        const double ratio = r.cells > 1 ? std::pow(r.expansion, 1.0 / (r.cells - 1)) : 1;
        double sum = 0, size = 1;
        std::vector<double> sizes;
        for (int j = 0; j < r.cells; ++j, size *= ratio) {
            sizes.push_back(size);
            sum += size;
        }
        double along = 0;
        for (const double cellSize : sizes) {
            along += cellSize / sum;
            nodes.push_back(start + along * r.lengthFraction / total);
        }
        start += r.lengthFraction / total;
    }
    nodes.back() = 1;
    return nodes;
}

std::vector<double> RadialNodes(int radialCells) {
    return GradedNodes({{1.0, radialCells, kRadialExpansion}});
}

std::string EdgeGradingText(const AxialGrading& g) {
    const std::string axis = RegionsText(g.axis, g.cells), wall = RegionsText(g.wall, g.cells);
    const std::string radial = Num(kRadialExpansion);
    // x1 edges 0-1, 0-1 (the axis), 5-4 and 2-3 (the wall); then the wedge's
    // collapsed direction; then the radial edges.
    return "edgeGrading (" + axis + " " + axis + " " + wall + " " + wall + " 1 1 1 1 " + radial + " " + radial +
           " " + radial + " " + radial + ")";
}

}  // namespace bellnozzle

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

// The ratio r of neighbouring cells for which cells cells, the first of size
// first, fill length: first (r^cells - 1) / (r - 1) = length.
double GrowthRatio(double first, int cells, double length) {
    auto filled = [&](double r) {
        return std::fabs(r - 1) < 1e-12 ? first * cells : first * (std::pow(r, cells) - 1) / (r - 1);
    };
    double low = 0.2, high = 5;
    for (int i = 0; i < 200; ++i) {
        const double mid = (low + high) / 2;
        (filled(mid) < length ? low : high) = mid;
    }
    return (low + high) / 2;
}

bool ResolvesThroat(const WallLine& wall) {
    const double throat = wall.ThroatX(), rt = wall.ThroatRadius();
    return wall.PointsBetween(throat - rt, throat + 0.5 * rt) >= kResolvedThroatPoints;
}

AxialGrading ClusterAtThroat(const WallLine& wall, int axialCells) {
    if (!ResolvesThroat(wall)) return ExportedGrading(axialCells);
    const double inlet = wall.InletX(), exit = wall.ExitX(), throat = wall.ThroatX();
    const double rt = wall.ThroatRadius();
    double a = std::max(inlet, throat - kThroatRegionUpstream * rt);
    double b = std::min(exit, throat + kThroatRegionDownstream * rt);
    // The throat's cell size if the inlet and exit stretches grow as meant;
    // a stretch that would get fewer than three cells joins the throat's.
    auto throatSize = [&] {
        return ((a - inlet) / MeanSize(kInletGrowth, 1) + (b - a) + (exit - b) / MeanSize(1, kExitGrowth)) /
               axialCells;
    };
    if (a - inlet < 3 * kInletGrowth * throatSize()) a = inlet;
    if (exit - b < 3 * MeanSize(1, kExitGrowth) * throatSize()) b = exit;

    std::vector<Stretch> stretches;
    if (a > inlet) stretches.push_back({inlet, a, kInletGrowth, 1});
    stretches.push_back({a, b, 1, 1});
    if (b < exit) stretches.push_back({b, exit, 1, kExitGrowth});
    if (axialCells < 3 * static_cast<int>(stretches.size())) stretches = {{inlet, exit, 1, 1}};

    std::size_t middle = 0;
    while (stretches[middle].startSize != 1 || stretches[middle].endSize != 1) ++middle;
    std::vector<double> shares;
    double others = 0;
    for (const Stretch& s : stretches) shares.push_back((s.to - s.from) / MeanSize(s.startSize, s.endSize));
    for (std::size_t i = 0; i < shares.size(); ++i) others += i == middle ? 0 : shares[i];
    // A long nozzle would leave the throat few cells: it keeps its share.
    if (others > 0 && shares[middle] < kThroatCellShare * (shares[middle] + others)) {
        const double scale = (1 - kThroatCellShare) / kThroatCellShare * shares[middle] / others;
        for (std::size_t i = 0; i < shares.size(); ++i) shares[i] *= i == middle ? 1 : scale;
    }
    const std::vector<int> cells = Apportion(shares, axialCells);

    // The throat's cells are uniform; the others grow from its size at the
    // joint so that neighbouring cells never jump in size.
    const double size = (stretches[middle].to - stretches[middle].from) / cells[middle];

    AxialGrading grading;
    grading.cells = axialCells;
    const double arc = wall.Length();
    for (std::size_t i = 0; i < stretches.size(); ++i) {
        const Stretch& s = stretches[i];
        double expansion = 1;
        if (i != middle && cells[i] > 1) {
            const double r = GrowthRatio(size, cells[i], s.to - s.from);
            // Towards the inlet the stretch runs against the edge's direction.
            expansion = std::pow(i < middle ? 1 / r : r, cells[i] - 1);
        }
        grading.axis.push_back({(s.to - s.from) / (exit - inlet), cells[i], expansion});
        grading.wall.push_back({(wall.ArcAt(s.to) - wall.ArcAt(s.from)) / arc, cells[i], expansion});
    }
    return grading;
}

AxialGrading ExportedGrading(int axialCells) {
    AxialGrading exported;
    exported.cells = axialCells;
    exported.axis = exported.wall = {{1.0, axialCells, kExportedAxialExpansion}};
    return exported;
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

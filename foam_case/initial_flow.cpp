#include "foam_case/initial_flow.h"

#include <algorithm>
#include <cmath>

#include "core/isentropic_flow.h"
#include "core/text_format.h"
#include "export/number_text.h"

namespace bellnozzle {

std::vector<CellCentre> EstimateCellCentres(const WallLine& wall, const AxialGrading& grading, int radialCells) {
    const std::vector<double> axis = GradedNodes(grading.axis), along = GradedNodes(grading.wall);
    const std::vector<double> radial = RadialNodes(radialCells);
    const std::size_t nx = axis.size() - 1;
    // Node (i, k): on the straight line from the axis node to the wall node.
    auto node = [&](std::size_t i, std::size_t k) {
        const double xAxis = wall.InletX() + axis[i] * (wall.ExitX() - wall.InletX());
        const double xWall = wall.XAtArc(along[i] * wall.Length());
        return CellCentre{xAxis + radial[k] * (xWall - xAxis), radial[k] * wall.RadiusAt(xWall)};
    };
    std::vector<CellCentre> centres;
    centres.reserve(nx * static_cast<std::size_t>(radialCells));
    for (std::size_t k = 0; k < static_cast<std::size_t>(radialCells); ++k) {
        for (std::size_t i = 0; i < nx; ++i) {
            const CellCentre a = node(i, k), b = node(i + 1, k), c = node(i, k + 1), d = node(i + 1, k + 1);
            centres.push_back({(a.x + b.x + c.x + d.x) / 4, (a.r + b.r + c.r + d.r) / 4});
        }
    }
    return centres;
}

CellState OneDimensionalState(const WallLine& wall, const GasConditions& gas, const CellCentre& centre) {
    const double radius = wall.RadiusAt(centre.x);
    const double areaRatio = std::max(1.0, (radius / wall.ThroatRadius()) * (radius / wall.ThroatRadius()));
    const bool supersonic = centre.x > wall.ThroatX();
    const double mach = MachAtAreaRatio(areaRatio, gas.gamma, supersonic);
    CellState s;
    s.p = gas.chamberPressure * PressureRatioAtMach(mach, gas.gamma);
    s.T = gas.chamberTemperature * TemperatureRatioAtMach(mach, gas.gamma);
    const double speed = VelocityAtMach(mach, gas.gamma, gas.GasConstant(), gas.chamberTemperature);
    const double angle = wall.AngleAt(centre.x) * std::clamp(centre.r / radius, 0.0, 1.0);
    s.ux = speed * std::cos(angle);
    s.ur = speed * std::sin(angle);
    return s;
}

namespace {

void AppendNumber(std::string& out, double value) { out += GText(value, 10).View(); }

}  // namespace

std::string ScalarListText(const std::vector<double>& values) {
    std::string out = "nonuniform List<scalar>\n";
    AppendInt(out, static_cast<long long>(values.size()));
    out += "\n(\n";
    for (const double value : values) {
        AppendNumber(out, value);
        out += '\n';
    }
    return out + ")";
}

std::string VectorListText(const std::vector<CellState>& states) {
    std::string out = "nonuniform List<vector>\n";
    AppendInt(out, static_cast<long long>(states.size()));
    out += "\n(\n";
    // The cell centres lie on the wedge's mid-plane y = 0, radially along z.
    for (const CellState& s : states) {
        out += '(';
        AppendNumber(out, s.ux);
        out += " 0 ";
        AppendNumber(out, s.ur);
        out += ")\n";
    }
    return out + ")";
}

}  // namespace bellnozzle

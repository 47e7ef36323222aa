// The OpenFOAM blockMesh dictionary: one wedge-shaped block whose axis-side
// corners collapse onto the nozzle axis, two circular arcs on the inlet and
// exit faces and a wall spline on each side of the wedge.
#include "export/blockmesh_writer.h"

#include <vector>

#include "core/wedge.h"
#include "export/export_file.h"
#include "export/number_text.h"
#include "export/pending_line.h"
#include "export/wedge_point.h"

namespace bellnozzle {
namespace {

constexpr char kBanner[] =
    "/*--------------------------------*- C++ -*----------------------------------*\\\n"
    "| =========                 |                                                 |\n"
    "| \\\\      /  F ield         | OpenFOAM: The Open Source CFD Toolbox           |\n"
    "|  \\\\    /   O peration     | Version:  1.7.0                                 |\n"
    // The web address sits left-aligned in a 38-character field, so that the
    // line keeps the banner's 79 characters.
    "|   \\\\  /    A nd           | Web:      www.openfoam.com                      |\n"
    "|    \\\\/     M anipulation  |                                                 |\n"
    "\\*---------------------------------------------------------------------------*/\n"
    "FoamFile\n{\n"
    "\tversion\t2.0;\n"
    "\tformat\tascii;\n"
    "\tclass\tdictionary;\n"
    "\tobject\tblockMeshDict;\n}\n"
    "// * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * //\n";

// Everything after the two wall splines.
constexpr char kPatches[] =
    ");\n\n"
    "patches\n(\n"
    "\tpatch\n\tinlet\n\t(\n\t\t(0 2 5 0)\n\t)\n\n"
    "\tpatch\n\toutlet\n\t(\n\t\t(1 3 4 1)\n\t)\n\n"
    "\twedge\n\taxi_symm-f\n\t(\n\t\t(0 1 3 2)\n\t)\n\n"
    "\twedge\n\taxi_symm-r\n\t(\n\t\t(0 1 4 5)\n\t)\n\n"
    "\twall\n\twall\n\t(\n\t\t(2 3 4 5)\n\t)\n\n"
    ");\n\n"
    "mergePatchPairs\n(\n);\n\n"
    "// ************************************************************************* //\n\n";

// "\t(x y z)\t// vertex N\n"
void AppendVertex(std::string& out, const WedgePointText& point, WedgeSide side, char number) {
    out += "\t(";
    point.Append(out, side, " ");
    out += ")\t// vertex ";
    out += number;
    out += '\n';
}

}  // namespace

std::string FormatBlockMeshDict(const ProfileTable& profile, std::int32_t axialCells,
                                std::int32_t radialCells, int significantDigits) {
    CheckProfileTable(profile);
    const std::vector<float>& X = profile.X;
    const std::vector<float>& Y = profile.Y;
    const int n = profile.Count;
    const WedgeSinCos w = ComputeWedgeSinCos();
    const WedgePointText inlet(X[1], Y[1], w, significantDigits);
    const WedgePointText exit(X[n], Y[n], w, significantDigits);
    auto appendNumber = [&](std::string& text, float value) {
        text += GText(value, significantDigits).View();
    };

    std::string out;
    out.reserve(2048 + profile.Header.size() * 40 + std::size_t(n) * 80);
    out += kBanner;
    CopyProfileHeader(profile, out);
    out += "// * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * //\n\n"
           "convertToMeters 0.01;\n\n"
           "vertices\n(\n";
    // The axis vertices carry literal zeros.
    out += "\t(";
    appendNumber(out, X[1]);
    out += " 0 0)\t// vertex 0\n"
           "\t(";
    appendNumber(out, X[n]);
    out += " 0 0)\t// vertex 1\n";
    AppendVertex(out, inlet, WedgeSide::Minus, '2');
    AppendVertex(out, exit, WedgeSide::Minus, '3');
    AppendVertex(out, exit, WedgeSide::Plus, '4');
    AppendVertex(out, inlet, WedgeSide::Plus, '5');
    out += ");\n\n"
           "blocks\n(\n"
           "\thex (0 1 1 0 2 3 4 5)\n"
           "\t(";
    AppendInt(out, axialCells);
    out += " 1 ";
    AppendInt(out, radialCells);
    out += ")\t\t// ";
    AppendInt(out, axialCells);
    out += " colunas em x, 1 em y, ";
    AppendInt(out, radialCells);
    out += " em z\n"
           // 0xE9 is the é of "células" in ISO 8859-1, as the file's 8-bit text holds it.
           "\tsimpleGrading (3 1 0.3)\t// taxa de expansao das c\xE9" "lulas\n"
           ");\n\n"
           "edges\n(\n"
           "\tarc 2 5 (";
    appendNumber(out, X[1]);
    out += " 0 ";
    appendNumber(out, Y[1]);
    out += ")\t// os dois arcos de circulo\n"
           "\tarc 3 4 (";
    appendNumber(out, X[n]);
    out += " 0 ";
    appendNumber(out, Y[n]);
    out += ")\n";

    // The wall splines run through the inner contour points only: the end
    // points are the vertices the edges join. Each follows its edge's
    // direction: 2 to 3 from the inlet, 4 to 5 from the exit. Both lists
    // hold the same points, so each is printed once.
    std::vector<WedgePointText> wall;
    wall.reserve(n > 2 ? std::size_t(n - 2) : 0);
    for (int k = 2; k <= n - 1; ++k) wall.emplace_back(X[k], Y[k], w, significantDigits);
    PointListLines minusSide(out, "\tspline 2 3 (");
    for (auto point = wall.begin(); point != wall.end(); ++point) minusSide.Add(*point, WedgeSide::Minus);
    minusSide.Close();
    PointListLines plusSide(out, "\tspline 4 5 (");
    for (auto point = wall.rbegin(); point != wall.rend(); ++point) plusSide.Add(*point, WedgeSide::Plus);
    plusSide.Close();

    out += kPatches;
    return out;
}

void WriteBlockMeshDict(const std::string& dir, std::int32_t axialCells,
                        std::int32_t radialCells) {
    WriteExport(dir, kBlockMeshFileName, [&](const ProfileTable& profile) {
        return FormatBlockMeshDict(profile, axialCells, radialCells);
    });
}

}  // namespace bellnozzle

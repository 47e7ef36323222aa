// The Gmsh script of the wedge's whole boundary: every contour point on both
// wedge sides, a wall spline on each side, the axis, the inlet and exit faces
// (two radii and an arc each), the wall and the two side faces.
#include "export/gmsh_wedge_writer.h"

#include "core/text_format.h"
#include "core/wedge.h"
#include "export/export_file.h"
#include "export/gmsh_point.h"
#include "export/pending_line.h"

namespace bellnozzle {

std::string FormatGmshWedgeGeometry(const ProfileTable& profile) {
    CheckProfileTable(profile);
    const std::vector<float>& X = profile.X;
    const std::vector<float>& Y = profile.Y;
    // Point numbers reach 2n + 2; long long keeps that exact for any table.
    const long long n = profile.Count;
    const WedgeSinCos w = ComputeWedgeSinCos();

    std::string out;
    out.reserve(1024 + profile.Header.size() * 40 + std::size_t(n) * 110);
    CopyProfileHeader(profile, out);
    // Minus side odd, plus side even: contour point i is 2i - 1 and 2i.
    for (long long i = 1; i <= n; ++i) {
        const WedgePointText point(X[i], Y[i], w);
        AppendGmshPoint(out, 2 * i - 1, point, WedgeSide::Minus);
        AppendGmshPoint(out, 2 * i, point, WedgeSide::Plus);
    }
    const long long inletAxis = 2 * n + 1;
    const long long exitAxis = 2 * n + 2;
    const long long minusExit = 2 * n - 1;
    const long long plusExit = 2 * n;
    AppendGmshAxisPoint(out, inletAxis, X[1]);
    AppendGmshAxisPoint(out, exitAxis, X[n]);

    NumberListLines minusWall(out, "\nSpline(1) = {");
    for (long long p = 1; p <= minusExit; p += 2) minusWall.Add(p, p == minusExit);
    minusWall.Close();
    NumberListLines plusWall(out, "Spline(2) = {");
    for (long long p = 2; p <= plusExit; p += 2) plusWall.Add(p, p == plusExit);
    plusWall.Close();

    const int first = 1;
    const int firstPlus = 2;
    AppendFormat(out, "Line(3) = {%lld, %lld}; // eixo\n\n", inletAxis, exitAxis);
    AppendFormat(out, "Line(%d) = {%lld, %d};\n", 4, inletAxis, first);
    AppendFormat(out, "Circle(%d) = {%d, %lld, %d};\n", 5, first, inletAxis, firstPlus);
    AppendFormat(out, "Line(%d) = {%d, %lld};\n", 6, firstPlus, inletAxis);
    out += "Line Loop(7) = {4, 5, 6};\n"
           "Plane Surface(8) = {7};\n\n";
    AppendFormat(out, "Line(%d) = {%lld, %lld};\n", 9, exitAxis, plusExit);
    AppendFormat(out, "Circle(%d) = {%lld, %lld, %lld};\n", 10, plusExit, exitAxis, minusExit);
    AppendFormat(out, "Line(%d) = {%lld, %lld};\n", 11, minusExit, exitAxis);
    out += "Line Loop(12) = {9, 10, 11};\n"
           "Plane Surface(13) = {12};\n\n"
           // Gmsh never flips a curve to close a loop, so the three four-sided
           // loops carry orientation signs that chain their curves head to
           // tail. The wall is curved: a plain Surface follows it, where a
           // Plane Surface would be meshed flat.
           "Line Loop(14) = {1, -10, -2, -5};\n"
           "Surface(15) = {14};\n\n"
           "Line Loop(15) = {3, -11, -1, -4};\n"
           "Plane Surface(16) = {15};\n\n"
           "Line Loop(16) = {3, 9, -2, 6};\n"
           "Plane Surface(17) = {16};\n\n";
    return out;
}

void WriteGmshWedgeGeometry(const std::string& dir) {
    WriteExport(dir, kGmshFileName, FormatGmshWedgeGeometry);
}

}  // namespace bellnozzle

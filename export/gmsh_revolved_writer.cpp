// The Gmsh script of the plus-side face of the wedge, swept about the nozzle
// axis through the whole 5-degree wedge angle, and the volume it encloses.
#include "export/gmsh_revolved_writer.h"

#include "core/text_format.h"
#include "core/wedge.h"
#include "export/export_file.h"
#include "export/gmsh_point.h"
#include "export/pending_line.h"

namespace bellnozzle {

std::string FormatGmshRevolvedGeometry(const ProfileTable& profile) {
    CheckProfileTable(profile);
    const std::vector<float>& X = profile.X;
    const std::vector<float>& Y = profile.Y;
    const long long n = profile.Count;
    const WedgeSinCos w = ComputeWedgeSinCos();

    std::string out;
    out.reserve(1024 + profile.Header.size() * 40 + std::size_t(n) * 60);
    CopyProfileHeader(profile, out);
    for (long long i = 1; i <= n; ++i) {
        AppendGmshPoint(out, i, WedgePointText(X[i], Y[i], w), WedgeSide::Plus);
    }
    const long long inletAxis = n + 1;
    const long long exitAxis = n + 2;
    AppendGmshAxisPoint(out, inletAxis, X[1]);
    AppendGmshAxisPoint(out, exitAxis, X[n]);

    NumberListLines wall(out, "\nSpline(1) = {");
    for (long long p = 1; p <= n; ++p) wall.Add(p, p == n);
    wall.Close();

    AppendFormat(out, "Line(2) = {%lld, %lld}; // eixo\n\n", exitAxis, inletAxis);
    AppendFormat(out, "Line(3) = {%lld, %lld};\n", exitAxis, n);
    AppendFormat(out, "Line(4) = {%d, %lld};\n\n", 1, inletAxis);
    out += "Line Loop(5) = {4, -2, 3, -1};\n"
           "Plane Surface(6) = {5};\n"
           "Extrude {{1, 0, 0}, {0, 0, 0}, Pi/36} {\n"
           "  Surface{6};\n"
           "}\n"
           // The rotation already made the wedge as volume 1. Removing it
           // (its surfaces stay) leaves volume 25 below, the number users
           // refer to, as the one wedge volume; two volumes over the same
           // space would make the 3D mesher fail.
           "Delete { Volume{1}; }\n"
           // 14, 18, 22 and 23 are the numbers Gmsh gives the surfaces the
           // rotation creates.
           "Surface Loop(24) = {23, 14, 22, 6, 18};\n"
           "Volume(25) = {24};\n\n";
    return out;
}

void WriteGmshRevolvedGeometry(const std::string& dir) {
    WriteExport(dir, kGmshFileName, FormatGmshRevolvedGeometry);
}

}  // namespace bellnozzle

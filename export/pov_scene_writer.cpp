// The POV-Ray scene: a fixed basic scene, the design as comments and the
// plus-side wall points in the notation of the blockMesh wall spline.
#include "export/pov_scene_writer.h"

#include "core/wedge.h"
#include "export/export_file.h"
#include "export/pending_line.h"

namespace bellnozzle {
namespace {

constexpr char kSeparator[] = "// ----------------------------------------\n";

constexpr char kBasicScene[] =
    "// Persistence of Vision Ray Tracer Scene Description File\n"
    "// File: nozzle1.pov\n"
    "// Vers: 3.6\n"
    "// Desc: Basic Scene Example\n"
    "// Date: mm/dd/yy\n"
    "// Auth: Zelto Nozzle Generator vers 1.0\n"
    "//\n\n"
    "#version 3.6;\n\n"
    "#include \"colors.inc\"\n\n"
    "global_settings {\n"
    "  assumed_gamma 1.0\n}\n\n"
    "// ----------------------------------------\n\n"
    "camera {\n"
    "location  <0.0, 0.5, -4.0>\n"
    "  direction 1.5*z\n"
    "  right     x*image_width/image_height\n"
    "  look_at   <0.0, 0.0,  0.0>\n"
    "}\n\n"
    "sky_sphere {\n"
    "  pigment {\n"
    "    gradient y\n"
    "    color_map {\n"
    "      [0.0 rgb <0.6,0.7,1.0>]\n"
    "      [0.7 rgb <0.0,0.1,0.8>]\n"
    "    }\n  }\n}\n\n"
    "light_source {\n"
    "  <0, 0, 0>            // light's position (translated below)\n"
    "  color rgb <1, 1, 1>  // light's color\n"
    "  translate <-30, 30, -30>\n"
    "}\n\n"
    "plane {\n  y, -1\n"
    "  pigment { color rgb <0.7,0.5,0.3> }\n}\n\n";

}  // namespace

std::string FormatPovScene(const ProfileTable& profile) {
    CheckProfileTable(profile);
    const std::vector<float>& X = profile.X;
    const std::vector<float>& Y = profile.Y;
    const int n = profile.Count;
    const WedgeSinCos w = ComputeWedgeSinCos();

    std::string out;
    out.reserve(1536 + profile.Header.size() * 40 + std::size_t(n) * 40);
    out += kBasicScene;
    out += kSeparator;
    CopyProfileHeader(profile, out);
    out += kSeparator;
    // The point list is no scene statement, so it sits in a block comment:
    // POV-Ray refuses it as bare text. Inside, it stays exactly the blockMesh
    // spline 4 5 list.
    out += "/*\n";
    PointListLines plusSide(out, "\tspline 4 5 (");
    for (int k = n - 1; k >= 2; --k) {
        plusSide.Add(WedgePointText(X[k], Y[k], w), WedgeSide::Plus);
    }
    plusSide.Close();
    out += "*/\n";
    return out;
}

void WritePovScene(const std::string& dir) { WriteExport(dir, kPovFileName, FormatPovScene); }

}  // namespace bellnozzle

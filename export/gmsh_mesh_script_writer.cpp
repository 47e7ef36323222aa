// The meshing script. Its face lies in the plane of the plus-side wedge
// points (x, y*s, y*c), each product exact in double precision and printed
// with every digit it has, so the face and its rotated copy are planar to the
// last bit whatever the nozzle's size; the rotation angle is twice the
// half angle those points lie at, so the minus side mirrors the plus side as
// the blockMesh wedge does.
#include "export/gmsh_mesh_script_writer.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <vector>

#include "core/error.h"
#include "core/text_format.h"
#include "core/wedge.h"
#include "export/export_file.h"
#include "export/wedge_wall_pieces.h"

namespace bellnozzle {
namespace {

struct FormatInfo {
    MeshFileFormat format;
    const char* name;
    const char* extension;
    const char* options;  // the script's own options, so a run by hand writes the same file
};

const FormatInfo kFormats[] = {
    {MeshFileFormat::Msh2, "msh2", ".msh", "Mesh.Format = 1;\nMesh.MshFileVersion = 2.2;\n"},
    {MeshFileFormat::Msh4, "msh4", ".msh", "Mesh.Format = 1;\nMesh.MshFileVersion = 4.1;\n"},
    {MeshFileFormat::Su2, "su2", ".su2", "Mesh.Format = 42;\n"},
};

const FormatInfo& Info(MeshFileFormat format) {
    for (const FormatInfo& info : kFormats) {
        if (info.format == format) return info;
    }
    return kFormats[0];
}

// Shortest text that reads back as exactly this value.
void AppendExact(std::string& out, double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void AppendExact(std::string& out, float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

[[noreturn]] void RefuseProfile(const std::string& english, const std::string& portuguese) {
    throw Error("the profile cannot be meshed: " + english, "o perfil não pode ser malhado: " + portuguese);
}

void CheckMeshableProfile(const ProfileTable& profile) {
    CheckProfileTable(profile);
    if (profile.Count < 2) {
        RefuseProfile("it holds a single point", "ele tem um único ponto");
    }
    for (int i = 1; i <= profile.Count; ++i) {
        if (!(profile.Y[i] > 0.0f)) {
            RefuseProfile(Format("the wall radius of point %d is not above 0", i),
                          Format("o raio da parede no ponto %d não é maior que 0", i));
        }
        if (i > 1 && !(profile.X[i] > profile.X[i - 1])) {
            RefuseProfile(Format("x does not increase from point %d to point %d", i - 1, i),
                          Format("x não cresce do ponto %d para o ponto %d", i - 1, i));
        }
    }
}

// Cells from the axis to the wall where the size follows the nozzle: about
// as many as the blockMesh dictionary's default 20 over the same wedge.
constexpr double kCellsPerRadius = 15.0;

// Cell edge length at a wall radius.
double CellSize(const MeshScriptSettings& settings, double radius) {
    return settings.size > 0.0 ? settings.size : radius / kCellsPerRadius;
}

double SmallestCell(const ProfileTable& profile, const MeshScriptSettings& settings) {
    double smallestRadius = profile.Y[1];
    for (int i = 2; i <= profile.Count; ++i) smallestRadius = std::min(smallestRadius, double(profile.Y[i]));
    if (!settings.Structured()) return CellSize(settings, smallestRadius);
    const double length = double(profile.X[profile.Count]) - double(profile.X[1]);
    return std::min(length / settings.cellsAxial, smallestRadius / settings.cellsRadial);
}

// The axial cells shared out over the wall pieces by their length along the
// axis, at least one each, the largest remainders rounded up.
std::vector<int> ShareAxialCells(const ProfileTable& profile, const WallPieces& pieces, int cells) {
    const double length = double(profile.X[profile.Count]) - double(profile.X[1]);
    std::vector<int> shares(pieces.size(), 1);
    std::vector<double> remainders(pieces.size(), 0.0);
    int left = cells - int(pieces.size());
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        const double span = double(profile.X[pieces[k].back()]) - double(profile.X[pieces[k].front()]);
        const double extra = std::max(0.0, cells * span / length - 1.0);
        const int whole = std::min(left, int(std::floor(extra)));
        shares[k] += whole;
        left -= whole;
        remainders[k] = extra - std::floor(extra);
    }
    while (left > 0) {
        std::size_t best = 0;
        for (std::size_t k = 1; k < pieces.size(); ++k) {
            if (remainders[k] > remainders[best]) best = k;
        }
        ++shares[best];
        remainders[best] = -1.0;
        --left;
    }
    return shares;
}

void AppendPoint(std::string& out, int number, float x, double y, double z, double size) {
    out += "Point(";
    AppendInt(out, number);
    out += ") = {";
    AppendExact(out, x);
    out += ", ";
    AppendExact(out, y);
    out += ", ";
    AppendExact(out, z);
    out += ", ";
    AppendG(out, size);
    out += "};\n";
}

void AppendCurve(std::string& out, const char* kind, int number, const std::vector<int>& points) {
    out += kind;
    out += '(';
    AppendInt(out, number);
    out += ") = {";
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i > 0) out += (i % 16 == 0) ? ",\n  " : ", ";
        AppendInt(out, points[i]);
    }
    out += "};\n";
}

}  // namespace

const char* MeshFormatName(MeshFileFormat format) { return Info(format).name; }

const char* MeshFileExtension(MeshFileFormat format) { return Info(format).extension; }

bool ParseMeshFormat(const std::string& name, MeshFileFormat& format) {
    for (const FormatInfo& info : kFormats) {
        if (name == info.name) {
            format = info.format;
            return true;
        }
    }
    return false;
}

void CheckMeshScriptSettings(const MeshScriptSettings& settings) {
    if (!std::isfinite(settings.size) || settings.size < 0.0) {
        throw Error("the mesh size must be a length above 0 (cm)",
                    "o tamanho da malha deve ser um comprimento maior que 0 (cm)");
    }
    if (!settings.Structured()) return;
    if (settings.size > 0.0) {
        throw Error("give either a mesh size or cell counts, not both",
                    "informe o tamanho da malha ou o número de células, não ambos");
    }
    for (const int cells : {settings.cellsAxial, settings.cellsRadial}) {
        if (cells < 1 || cells > kMaxCellsPerDirection) {
            throw Error(Format("the cell counts must both be whole numbers from 1 to %d", kMaxCellsPerDirection),
                        Format("o número de células nas duas direções deve ser inteiro, de 1 a %d",
                               kMaxCellsPerDirection));
        }
    }
}

double EstimateWedgeCells(const ProfileTable& profile, const MeshScriptSettings& settings) {
    if (settings.Structured()) return double(settings.cellsAxial) * double(settings.cellsRadial);
    // Triangles of edge h cover sqrt(3)/4 h^2 each.
    double cells = 0.0;
    for (int i = 2; i <= profile.Count; ++i) {
        const double radius = 0.5 * (double(profile.Y[i]) + double(profile.Y[i - 1]));
        const double h = CellSize(settings, radius);
        cells += (double(profile.X[i]) - double(profile.X[i - 1])) * radius / (0.4330127 * h * h);
    }
    return cells;
}

std::string FormatGmshMeshScript(const ProfileTable& profile, const MeshScriptSettings& settings,
                                 const std::string& scriptName, const std::string& meshName) {
    CheckMeshScriptSettings(settings);
    CheckMeshableProfile(profile);
    const double cells = EstimateWedgeCells(profile, settings);
    if (cells > kMaxWedgeCells) {
        throw Error(Format("the mesh would have about %.0f cells, more than the %.0f allowed; give a larger "
                           "size or fewer cells",
                           cells, kMaxWedgeCells),
                    Format("a malha teria cerca de %.0f células, mais que as %.0f permitidas; informe um "
                           "tamanho maior ou menos células",
                           cells, kMaxWedgeCells));
    }

    const std::vector<int> kept = KeepWallPoints(profile, WallPointSpacing(profile, SmallestCell(profile, settings)));
    const WallPieces pieces = SplitWallIntoPieces(profile, kept);
    const int pieceCount = int(pieces.size());
    std::vector<int> shares;
    if (settings.Structured()) {
        if (settings.cellsAxial < pieceCount) {
            throw Error(Format("this contour needs at least %d cells along the axis", pieceCount),
                        Format("este contorno precisa de pelo menos %d células ao longo do eixo", pieceCount));
        }
        shares = ShareAxialCells(profile, pieces, settings.cellsAxial);
    }

    const WedgeSinCos w = ComputeWedgeSinCos();
    const double s = w.s;
    const double c = w.c;
    std::string out;
    out.reserve(2048 + profile.Header.size() * 40 + kept.size() * 90);
    CopyProfileHeader(profile, out);
    out += "// Malha da cunha de 5 graus: a face do lado + girada em torno do eixo x,\n"
           "// uma camada de celulas na espessura da cunha, contornos com os nomes do\n"
           "// blockMeshDict. Coordenadas em cm; a malha sai em metros.\n";
    AppendFormat(out, "// Para gerar a malha: gmsh -3 %s -o %s\n", scriptName.c_str(), meshName.c_str());
    AppendFormat(out, "// Contorno: %zu dos %d pontos do perfil, em %d trechos.\n\n", kept.size(), profile.Count,
                 pieceCount);
    out += Info(settings.format).options;
    out += "Mesh.Binary = 0;\n"
           "Mesh.SaveAll = 0;\n"
           "Mesh.ElementOrder = 1;\n"
           "Mesh.ScalingFactor = 0.01;\n"
           "Mesh.Algorithm = 6;\n"
           "Mesh.MeshSizeFromPoints = 1;\n"
           "Mesh.MeshSizeExtendFromBoundary = 1;\n"
           "Mesh.MeshSizeFromCurvature = 0;\n"
           "Mesh.MeshSizeFactor = 1;\n\n";

    // Wall points 1..m, then the axis points under the piece ends, inlet first.
    std::vector<int> number(std::size_t(profile.Count) + 1, 0);
    int next = 1;
    for (const int i : kept) {
        number[std::size_t(i)] = next;
        AppendPoint(out, next++, profile.X[i], double(profile.Y[i]) * s, double(profile.Y[i]) * c,
                    CellSize(settings, profile.Y[i]));
    }
    std::vector<int> axis;
    for (int k = 0; k <= pieceCount; ++k) {
        const int i = k < pieceCount ? pieces[std::size_t(k)].front() : pieces.back().back();
        axis.push_back(next);
        AppendPoint(out, next++, profile.X[i], 0.0, 0.0, CellSize(settings, profile.Y[i]));
    }
    out += '\n';

    // The loop runs inlet, wall, exit, axis, so that the extrusion lists the
    // inlet, wall and exit surfaces first whatever it does with the axis.
    const int inletCurve = 1;
    const int exitCurve = pieceCount + 2;
    AppendCurve(out, "Line", inletCurve, {axis.front(), 1});
    for (int k = 0; k < pieceCount; ++k) {
        std::vector<int> points;
        for (const int i : pieces[std::size_t(k)]) points.push_back(number[std::size_t(i)]);
        AppendCurve(out, "Spline", 2 + k, points);
    }
    AppendCurve(out, "Line", exitCurve, {int(kept.size()), axis.back()});
    // Axis curve exitCurve + 1 + k lies under wall piece pieceCount - k.
    for (int k = 0; k < pieceCount; ++k) {
        AppendCurve(out, "Line", exitCurve + 1 + k,
                    {axis[std::size_t(pieceCount - k)], axis[std::size_t(pieceCount - k - 1)]});
    }
    std::vector<int> loop;
    for (int curve = 1; curve <= exitCurve + pieceCount; ++curve) loop.push_back(curve);
    AppendCurve(out, "Curve Loop", 1, loop);
    out += "Plane Surface(1) = {1};\n\n";

    if (settings.Structured()) {
        AppendFormat(out, "Transfinite Curve{%d, %d} = %d;\n", inletCurve, exitCurve, settings.cellsRadial + 1);
        for (int k = 0; k < pieceCount; ++k) {
            AppendFormat(out, "Transfinite Curve{%d, %d} = %d;\n", 2 + k, exitCurve + pieceCount - k,
                         shares[std::size_t(k)] + 1);
        }
        AppendFormat(out, "Transfinite Surface{1} = {%d, 1, %zu, %d};\n", axis.front(), kept.size(), axis.back());
        out += "Recombine Surface{1};\n\n";
    }

    out += "// Rotacao de 2 x 2,5 graus: do lado + para o lado -.\n"
           "cunha[] = Extrude {{1, 0, 0}, {0, 0, 0}, ";
    AppendExact(out, 2.0 * std::atan2(s, c));
    out += "} {\n  Surface{1}; Layers{1}; Recombine;\n};\n";
    out += "Physical Surface(\"inlet\") = {cunha[2]};\n";
    AppendFormat(out, "Physical Surface(\"wall\") = {cunha[{3:%d}]};\n", 2 + pieceCount);
    AppendFormat(out, "Physical Surface(\"outlet\") = {cunha[%d]};\n", 3 + pieceCount);
    out += "Physical Surface(\"axi_symm-f\") = {cunha[0]};\n"
           "Physical Surface(\"axi_symm-r\") = {1};\n"
           "Physical Volume(\"fluid\") = {cunha[1]};\n";
    return out;
}

}  // namespace bellnozzle

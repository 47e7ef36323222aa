#include "cad/cad_export.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "core/error.h"
#include "core/file_names.h"
#include "core/text_file.h"
#include "export/csv_writer.h"
#include "export/dxf_writer.h"
#include "export/length_text.h"
#include "export/svg_writer.h"
#include "export/triangle_mesh.h"

#ifdef BELLNOZZLE_WITH_SOLIDS
#include "solids/nozzle_solid.h"
#endif

namespace bellnozzle {
namespace {

constexpr const char* kExtensions[] = {"step", "stl", "dxf", "svg", "csv"};

// The box of the solid the drawings describe: the revolved points.
void BoxOfProfile(const CadProfile& profile, CadSummary& summary) {
    const double radius = profile.MaxRadius();
    summary.min = {profile.InletX(), -radius, -radius};
    summary.max = {profile.ExitX(), radius, radius};
}

void InUnit(CadSummary& summary, double volumeMm3) {
    const double scale = 1.0 / MillimetresPerUnit(summary.unit);
    summary.volume = volumeMm3 * scale * scale * scale;
    for (double& v : summary.min) v *= scale;
    for (double& v : summary.max) v *= scale;
}

[[noreturn]] void NoSolids(CadFormat format) {
    const std::string name = format == CadFormat::Step ? "STEP" : "STL";
    throw Error(name + " needs OpenCASCADE, which this build leaves out (built with BELLNOZZLE_SOLIDS=OFF)",
                name + " precisa do OpenCASCADE, que esta versão não inclui");
}

void WriteSolid(const CadProfile& profile, const CadRequest& request, CadSummary& summary) {
#ifdef BELLNOZZLE_WITH_SOLIDS
    if (request.format == CadFormat::Step) {
        const SolidFacts facts = WriteStepFile(profile, request.unit, summary.path);
        summary.min = facts.min;
        summary.max = facts.max;
        InUnit(summary, facts.volumeMm3);
        return;
    }
    const TriangleMesh mesh = TessellateNozzle(profile);
    WriteTextFileAtomically(summary.path, FormatBinaryStl(mesh, request.unit));
    summary.min = mesh.vertices.front();
    summary.max = mesh.vertices.front();
    for (const auto& v : mesh.vertices) {
        for (int i = 0; i < 3; ++i) {
            summary.min[i] = std::min(summary.min[i], v[i]);
            summary.max[i] = std::max(summary.max[i], v[i]);
        }
    }
    InUnit(summary, MeshVolume(mesh));
#else
    (void)profile;
    (void)summary;
    NoSolids(request.format);
#endif
}

}  // namespace

CadFormat ParseCadFormat(const std::string& text) {
    for (int i = 0; i < 5; ++i) {
        if (text == kExtensions[i]) return static_cast<CadFormat>(i);
    }
    throw Error("format \"" + text + "\" is not one of step, stl, dxf, svg, csv",
                "formato \"" + text + "\" não é step, stl, dxf, svg nem csv");
}

const char* FormatExtension(CadFormat format) { return kExtensions[static_cast<int>(format)]; }

bool SolidFormatsAvailable() {
#ifdef BELLNOZZLE_WITH_SOLIDS
    return true;
#else
    return false;
#endif
}

void RefuseProfileAsOutput(const std::string& dir, const std::string& path) {
    const std::string profile = PathIn(dir, kProfileFileName);
    std::error_code error;
    if (std::filesystem::equivalent(profile, path, error)) {
        throw Error("\"" + path + "\" is the profile file; choose another file to write",
                    "\"" + path + "\" é o arquivo de perfil; escolha outro arquivo para gravar");
    }
}

CadSummary ExportCad(const std::string& dir, const CadRequest& request) {
    const bool solid = request.format == CadFormat::Step || request.format == CadFormat::Stl;
    if (solid && !SolidFormatsAvailable()) NoSolids(request.format);
    return ExportCadTable(ReadProfileTable(PathIn(dir, kProfileFileName)), dir, request);
}

CadSummary ExportCadTable(const ProfileTable& table, const std::string& dir, const CadRequest& request) {
    const bool solid = request.format == CadFormat::Step || request.format == CadFormat::Stl;
    if (solid && !SolidFormatsAvailable()) NoSolids(request.format);
    const CadProfile profile = BuildCadProfile(table, request.body, request.thicknessMm);

    CadSummary summary;
    summary.path = request.out.empty() ? PathIn(dir, std::string("nozzle.") + FormatExtension(request.format))
                                       : request.out;
    RefuseProfileAsOutput(dir, summary.path);
    summary.unit = request.unit;
    summary.body = request.body;
    summary.format = request.format;
    summary.points = static_cast<int>(profile.wall.size());
    switch (request.format) {
        case CadFormat::Step:
        case CadFormat::Stl: WriteSolid(profile, request, summary); break;
        case CadFormat::Dxf: WriteTextFileAtomically(summary.path, FormatDxfDrawing(profile, request.unit)); break;
        case CadFormat::Svg: WriteTextFileAtomically(summary.path, FormatSvgDrawing(profile, request.unit)); break;
        case CadFormat::Csv: WriteTextFileAtomically(summary.path, FormatCsvPoints(profile, request.unit)); break;
    }
    if (!solid) {
        BoxOfProfile(profile, summary);
        InUnit(summary, RevolvedVolume(profile));
    }
    std::error_code error;
    summary.bytes = std::filesystem::file_size(summary.path, error);
    return summary;
}

std::string SummaryLines(const CadSummary& summary) {
    const std::string unit = UnitSymbol(summary.unit);
    std::string out = "file=" + summary.path + "\nbytes=" + std::to_string(summary.bytes) + "\nbody=" +
                      BodyName(summary.body) + "\npoints=" + std::to_string(summary.points) + "\nvolume_" +
                      unit + "3=";
    AppendLength(out, summary.volume);
    out += "\nbox_" + unit + "=";
    for (int i = 0; i < 6; ++i) {
        if (i > 0) out += ' ';
        AppendLength(out, i < 3 ? summary.min[i] : summary.max[i - 3]);
    }
    out += '\n';
    return out;
}

namespace {

// The summary is read, not parsed: six significant digits, as the profile
// file carries, so a length the profile holds as single precision (-1.33 cm,
// -13.3000001 mm at nine digits) reads as typed.
void AppendShown(std::string& out, double value) {
    char text[40];
    const auto printed = std::to_chars(text, text + sizeof text, value + 0.0, std::chars_format::general, 6);
    out.append(text, printed.ptr);
}

}  // namespace

std::string SummaryText(const CadSummary& summary) {
    const std::string unit = UnitSymbol(summary.unit);
    std::string out = "Arquivo: " + summary.path + "\nTamanho: " + std::to_string(summary.bytes) +
                      " bytes\nCorpo: " + (summary.body == CadBody::Flow ? "escoamento (volume interno)" : "parede") +
                      "\nPontos do perfil: " + std::to_string(summary.points) + "\nVolume: ";
    AppendShown(out, summary.volume);
    // The DXF drawing is the half section in the plane: x along the axis, y
    // from the axis to the outermost wall; the other files are solids.
    const bool halfSection = summary.format == CadFormat::Dxf;
    out += " " + unit + "³\n" + (halfSection ? "Retângulo envolvente (" : "Caixa envolvente (") + unit + "):\n";
    const char* axes[] = {"x", "y", "z"};
    for (int i = 0; i < (halfSection ? 2 : 3); ++i) {
        out += std::string("  ") + axes[i] + ": ";
        AppendShown(out, halfSection && i == 1 ? 0.0 : summary.min[i]);
        out += " a ";
        AppendShown(out, summary.max[i]);
        out += '\n';
    }
    return out;
}

}  // namespace bellnozzle

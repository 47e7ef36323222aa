// The Design class's exports: the files of the window's buttons and of the
// cad command, written from the design's profile text into a folder by the
// same writers, never over the folder's profile file.
#include <cstdint>
#include <filesystem>
#include <optional>

#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include "cad/cad_export.h"
#include "core/file_names.h"
#include "core/text_file.h"
#include "export/blockmesh_writer.h"
#include "export/gmsh_revolved_writer.h"
#include "export/gmsh_wedge_writer.h"
#include "export/pov_scene_writer.h"
#include "python/bindings.h"
#include "python/design_object.h"

namespace py = pybind11;
using Path = std::filesystem::path;

namespace bellnozzle::python {
namespace {

const char kBlockMeshDoc[] =
    "Writes folder/blockMeshDict.txt, the OpenFOAM blockMesh dictionary of the\n"
    "5-degree wedge, as 'bellnozzle blockmesh --nx NX --ny NY' does: nx cells along\n"
    "the axis, ny from the axis to the wall. Returns the path written.";
const char kGmshDoc[] =
    "Writes folder/mesh.geo, the Gmsh script of the wedge's whole boundary, as\n"
    "'bellnozzle gmsh' does (mesh it with 'gmsh -2'). Returns the path written.";
const char kGmsh2Doc[] =
    "Writes folder/mesh.geo, the Gmsh script of the plus-side face swept through\n"
    "the wedge, as 'bellnozzle gmsh2' does (mesh it with 'gmsh -3'). Returns the\n"
    "path written.";
const char kPovRayDoc[] =
    "Writes folder/nozzle1.pov, the POV-Ray scene, as 'bellnozzle povray' does.\n"
    "Returns the path written.";
const char kCadOptionsDoc[] =
    " does.\n"
    "  units      'mm', 'cm' or 'in': the file's unit\n"
    "  body       'shell' (the wall, offset outward by the thickness) or 'flow'\n"
    "             (the gas volume inside the wall)\n"
    "  thickness  the shell's wall thickness: a number in units or a text such as\n"
    "             '2mm', '0.2cm' (default 2 mm)\n"
    "  out        the file to write (default folder/nozzle.EXT)\n"
    "Returns the path written.";

template <typename FormatText>
std::string WriteExport(const DesignObject& design, const Path& folder, const char* fileName, FormatText format) {
    const std::string path = PathIn(folder.string(), fileName);
    WriteTextFileAtomically(path, format(design.table));
    return path;
}

// The thickness as the command reads its option: a bare number is in the
// file's unit. A Python number goes through its shortest exact text.
std::string CadExport(const DesignObject& design, CadFormat format, const Path& folder, const std::string& units,
                      const std::string& body, const py::object& thickness, const std::optional<Path>& out) {
    CadRequest request;
    request.format = format;
    request.unit = ParseLengthUnit(units);
    request.body = ParseCadBody(body);
    if (!thickness.is_none()) {
        request.thicknessMm = ParseThickness(py::str(thickness).cast<std::string>(), request.unit);
    }
    request.out = out ? out->string() : "";
    // Held, not released: OpenCASCADE's STEP writer keeps its settings in
    // process-wide statics, so two Python threads must not write at once.
    return ExportCadTable(design.table, folder.string(), request).path;
}

void BindCadFormat(py::class_<DesignObject>& design, const char* name, CadFormat format, const std::string& what) {
    const std::string doc = "Writes " + what + ", as 'bellnozzle cad --format " + name + "'" + kCadOptionsDoc;
    design.def(
        name,
        [format](const DesignObject& d, const Path& folder, const std::string& units, const std::string& body,
                 const py::object& thickness, const std::optional<Path>& out) {
            return CadExport(d, format, folder, units, body, thickness, out);
        },
        doc.c_str(), py::arg("folder") = ".", py::kw_only(), py::arg("units") = "mm", py::arg("body") = "shell",
        py::arg("thickness") = py::none(), py::arg("out") = py::none());
}

}  // namespace

void BindExports(py::module_& module) {
    auto design = py::class_<DesignObject>(module.attr("Design"));
    design
        .def(
            "blockmesh",
            [](const DesignObject& d, const Path& folder, std::int32_t nx, std::int32_t ny) {
                return WriteExport(d, folder, kBlockMeshFileName,
                                   [&](const ProfileTable& table) { return FormatBlockMeshDict(table, nx, ny); });
            },
            kBlockMeshDoc, py::arg("folder") = ".", py::arg("nx") = 100, py::arg("ny") = 20)
        .def(
            "gmsh",
            [](const DesignObject& d, const Path& folder) {
                return WriteExport(d, folder, kGmshFileName, FormatGmshWedgeGeometry);
            },
            kGmshDoc, py::arg("folder") = ".")
        .def(
            "gmsh2",
            [](const DesignObject& d, const Path& folder) {
                return WriteExport(d, folder, kGmshFileName, FormatGmshRevolvedGeometry);
            },
            kGmsh2Doc, py::arg("folder") = ".")
        .def(
            "povray",
            [](const DesignObject& d, const Path& folder) {
                return WriteExport(d, folder, kPovFileName, FormatPovScene);
            },
            kPovRayDoc, py::arg("folder") = ".");
    BindCadFormat(design, "dxf", CadFormat::Dxf, "the half-section as a 2-D DXF (R12) drawing");
    BindCadFormat(design, "svg", CadFormat::Svg, "the section as an SVG drawing at 1:1");
    BindCadFormat(design, "csv", CadFormat::Csv, "the points as CSV");
    // The solids need OpenCASCADE; a build without it has no such methods.
    if (SolidFormatsAvailable()) {
        BindCadFormat(design, "step", CadFormat::Step, "the nozzle as one closed STEP (AP214) solid");
        BindCadFormat(design, "stl", CadFormat::Stl, "the nozzle as a closed binary STL triangle mesh");
    }
}

}  // namespace bellnozzle::python

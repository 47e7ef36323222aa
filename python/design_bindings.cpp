// design(), load_profile() and the Design class: the contour, its summary and
// analysis, and the profile file.
#include <filesystem>

#include <pybind11/numpy.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include "characteristics/analysis_report.h"
#include "characteristics/analysis_summary.h"
#include "core/design_summary.h"
#include "core/file_names.h"
#include "core/text_file.h"
#include "core/text_format.h"
#include "export/cad_profile.h"
#include "python/bindings.h"
#include "python/design_object.h"
#include "python/json_result.h"

namespace py = pybind11;

namespace bellnozzle::python {
namespace {

const char kDesignDoc[] =
    "Designs a contour in memory, as 'bellnozzle design' does (nothing is written):\n"
    "  diameter  throat diameter, cm, above 0\n"
    "  length    bell length, per cent of the 15-degree cone; the chart's curves are\n"
    "            60, 70, 80, 90 and 100 (the cone and the ideal nozzle ignore it)\n"
    "  epsilon   exit area over throat area, at least 1 (the chart covers 5 to 50)\n"
    "  method    'chart' (the design chart's parabola), 'cone' (the 15-degree\n"
    "            reference cone), or a design by the method of characteristics:\n"
    "            'ideal', 'tic', 'parabola', 'toc'\n"
    "  gamma     ratio of specific heats of the characteristics' designs, above 1\n"
    "            and at most 5/3\n"
    "A design the designer should look at twice (angles extrapolated off the\n"
    "chart) gives a UserWarning with the command's note, kept in Design.notes.\n"
    "Raises bellnozzle.Error (a ValueError) with the command's message when the\n"
    "design is refused.";

const char kLoadProfileDoc[] =
    "Reads a profile file (zelto_perfil.txt, written by the design or by hand) as\n"
    "the exports read it. Its method, diameter, length and epsilon are None: the\n"
    "summary, the analysis and the exports work from the file's own lines.\n"
    "Raises bellnozzle.Error for a missing or unusable file.";

const char kClassDoc[] =
    "A nozzle contour held in memory: made by design() or load_profile().\n"
    "\n"
    "Its profile_text is the whole profile file the design command writes; every\n"
    "figure and export is worked out from that text, exactly as the commands work\n"
    "from the written file.";

const char kSummaryDoc[] =
    "The figures of 'bellnozzle summary --json' for this profile: dimensions, the\n"
    "length saved against the 15-degree cone, wall area, volume, the 1-D\n"
    "isentropic performance at chamber pressure p0_bar and ambient pressure pa_bar\n"
    "(0 for vacuum) and beside it the 2-D analysis' figures (None each when the\n"
    "analysis refuses the wall). The same keys and values as the command's JSON.";

const char kAnalyzeDoc[] =
    "The dict of 'bellnozzle analyze --json' for this profile: its supersonic flow\n"
    "by the method of characteristics from the transonic throat to the exit, for\n"
    "the gas gamma at chamber pressure p0_bar and ambient pressure pa_bar (0 for\n"
    "vacuum): discharge coefficient, thrust coefficients against the ideal 1-D\n"
    "nozzle, efficiency, exit Mach numbers, internal shock and separation (None\n"
    "where none occurs), and 'wall', the stations from throat to exit as dicts of\n"
    "x_cm, y_cm, mach and p_ratio. characteristics: on the initial line, 0 for\n"
    "the analysis' own default (%d), else %d to %d. Raises bellnozzle.Error for a\n"
    "wall that is no nozzle or conditions out of range, with the command's message.";

const char kWriteProfileDoc[] =
    "Writes folder/zelto_perfil.txt, byte for byte the file 'bellnozzle design'\n"
    "writes for the same design, replacing an old one only once the new one is\n"
    "complete. Returns the path written.";

// An input as the file prints it (six significant digits): 3.7, not the
// 3.7000000476837 single precision holds; None for a profile read from a file.
py::object Figure(const DesignObject& design, float value) {
    if (!design.method) return py::none();
    return py::float_(FileValue(value));
}

py::array_t<double> Points(const DesignObject& design) {
    const std::vector<double> xy = PointCoordinates(design);
    py::array_t<double> points({static_cast<py::ssize_t>(xy.size() / 2), py::ssize_t{2}});
    std::copy(xy.begin(), xy.end(), points.mutable_data());
    return points;
}

py::dict Summary(const DesignObject& design, double gamma, double p0Bar, double paBar) {
    std::string json;
    {
        py::gil_scoped_release released;
        json = moc::FormatAnalysedSummaryJson(
            moc::SummarizeWithAnalysis(design.table, FlowConditions{gamma, p0Bar, paBar}, design.name));
    }
    return ParseJsonText(json).cast<py::dict>();
}

py::dict Analyze(const DesignObject& design, double gamma, double p0Bar, double paBar, int characteristics) {
    RequireCharacteristics(characteristics);
    moc::AnalysisOptions options;
    options.gamma = gamma;
    options.p0Bar = p0Bar;
    options.paBar = paBar;
    options.characteristics = characteristics;
    std::string json;
    {
        py::gil_scoped_release released;
        CheckFlowConditions({gamma, p0Bar, paBar});
        json = moc::FormatAnalysisJson(moc::AnalyzeProfile(design.table, options, design.name));
    }
    return ParseJsonText(json).cast<py::dict>();
}

std::string WriteProfile(const DesignObject& design, const std::filesystem::path& folder) {
    const std::string path = PathIn(folder.string(), kProfileFileName);
    WriteTextFileAtomically(path, design.profileText);
    return path;
}

std::string Repr(const DesignObject& design) {
    if (!design.method) return "<bellnozzle.Design read from '" + design.name + "'>";
    return Format("<bellnozzle.Design method='%s' diameter=%g length=%g epsilon=%g: %d points>",
                  moc::ContourMethodName(*design.method), double(design.diameter), double(design.lengthPercent),
                  double(design.epsilon), design.table.Count);
}

}  // namespace

void BindDesign(py::module_& module) {
    py::class_<DesignObject> design(module, "Design", kClassDoc);
    design
        .def_property_readonly(
            "method", [](const DesignObject& d) -> py::object {
                if (!d.method) return py::none();
                return py::str(moc::ContourMethodName(*d.method));
            },
            "The contour method ('chart', 'cone', ...); None for a profile read from a file.")
        .def_property_readonly(
            "diameter", [](const DesignObject& d) { return Figure(d, d.diameter); }, "Throat diameter, cm.")
        .def_property_readonly(
            "length", [](const DesignObject& d) { return Figure(d, d.lengthPercent); },
            "Bell length requested, per cent of the 15-degree cone.")
        .def_property_readonly(
            "epsilon", [](const DesignObject& d) { return Figure(d, d.epsilon); }, "Area ratio requested.")
        .def_property_readonly(
            "theta_n", [](const DesignObject& d) { return Figure(d, d.thetaN); },
            "Wall angle where the bell starts, degrees (15 for the cone).")
        .def_property_readonly(
            "theta_s", [](const DesignObject& d) { return Figure(d, d.thetaS); },
            "Wall angle at the exit, degrees (15 for the cone).")
        .def_readonly("notes", &DesignObject::notes,
                      "Lines the designer should read (an epsilon outside the chart, ...).")
        .def_property_readonly(
            "profile_text",
            [](const DesignObject& d) {
                return py::reinterpret_steal<py::str>(PyUnicode_DecodeLatin1(
                    d.profileText.data(), static_cast<py::ssize_t>(d.profileText.size()), nullptr));
            },
            "The whole profile file, as write_profile() writes it; each byte one character (ISO 8859-1, as "
            "the file is 8-bit text), so profile_text.encode('latin-1') gives the file's bytes.")
        .def_property_readonly("points", &Points,
                               "The contour, cm: an (n, 2) NumPy array of x (along the axis, 0 at the throat) "
                               "and y (the wall radius), upstream end to exit, as the profile file prints them.")
        .def("summary", &Summary, kSummaryDoc, py::arg("gamma") = 1.4, py::arg("p0_bar") = 20.0,
             py::arg("pa_bar") = 1.01325)
        .def("analyze", &Analyze,
             Format(kAnalyzeDoc, moc::kDefaultCharacteristics, moc::kMinCharacteristics, moc::kMaxCharacteristics)
                 .c_str(), py::arg("gamma") = 1.4, py::arg("p0_bar") = 20.0,
             py::arg("pa_bar") = 1.01325, py::arg("characteristics") = 0)
        .def("write_profile", &WriteProfile, kWriteProfileDoc, py::arg("folder") = ".")
        .def("__repr__", &Repr);

    module.def(
        "design",
        [](double diameter, double length, double epsilon, const std::string& method, double gamma) {
            DesignObject design;
            {
                py::gil_scoped_release released;
                design = MakeDesign(diameter, length, epsilon, method, gamma);
            }
            // What the command prints as notes on the error stream.
            for (const std::string& note : design.notes) {
                if (PyErr_WarnEx(PyExc_UserWarning, note.c_str(), 1) < 0) {
                    throw py::error_already_set();  // warnings made errors (-W error)
                }
            }
            return design;
        },
        kDesignDoc, py::arg("diameter") = 5.0, py::arg("length") = 80.0, py::arg("epsilon") = 10.0,
        py::arg("method") = "chart", py::arg("gamma") = 1.4);
    py::tuple methods(std::size(kContourMethods));
    for (std::size_t i = 0; i < std::size(kContourMethods); ++i) {
        methods[i] = py::str(moc::ContourMethodName(kContourMethods[i]));
    }
    module.attr("METHODS") = methods;
    module.def(
        "load_profile", [](const std::filesystem::path& path) { return LoadProfile(path.string()); },
        kLoadProfileDoc, py::arg("path"));
}

}  // namespace bellnozzle::python

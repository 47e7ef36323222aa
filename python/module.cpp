// The Python module "bellnozzle": the same design, summary, analysis, exports
// and sweep as the bellnozzle command, called from Python.
#include <pybind11/pybind11.h>

#include "core/error.h"
#include "core/version.h"
#include "python/bindings.h"
#include "python/json_result.h"

namespace py = pybind11;

namespace {

const char kModuleDoc[] =
    "Preliminary design of bell-shaped rocket-engine nozzles.\n"
    "\n"
    "The same design, figures and exports as the bellnozzle command, from Python:\n"
    "\n"
    "    import bellnozzle\n"
    "    d = bellnozzle.design(diameter=5.0, length=80, epsilon=10)\n"
    "    d.points                # the contour, cm: a NumPy array of (x, y) rows\n"
    "    d.summary(pa_bar=0)     # the dict of 'bellnozzle summary --json'\n"
    "    d.write_profile('run')  # run/zelto_perfil.txt, as 'bellnozzle design' writes it\n"
    "    d.blockmesh('run')      # run/blockMeshDict.txt; also gmsh, gmsh2, povray, dxf, svg, csv\n"
    "\n"
    "bellnozzle.METHODS names the contour methods design() and sweep() take.\n"
    "Lengths are in centimetres, angles in degrees, pressures in bar. Numbers are\n"
    "stored as the command stores what it reads (single precision), so a design\n"
    "here is the design the command makes of the same values, and every dict\n"
    "equals the command's JSON to the last digit.\n"
    "\n"
    "A refused input or a file that cannot be written raises bellnozzle.Error, a\n"
    "ValueError carrying the command's English message (and the window's\n"
    "Portuguese one in its attribute 'portuguese'); nothing is written then.\n"
    "Arguments of the wrong type raise TypeError.";

const char kErrorDoc[] =
    "A refused design, profile, option or file: the message the bellnozzle command\n"
    "prints (English); the window's Portuguese text is in the attribute\n"
    "'portuguese'. A ValueError, so 'except ValueError' catches it too.";

}  // namespace

PYBIND11_MODULE(bellnozzle, module) {
    module.doc() = kModuleDoc;
    module.attr("__version__") = bellnozzle::kVersion;

    static py::exception<bellnozzle::Error> error(module, "Error", PyExc_ValueError);
    error.doc() = kErrorDoc;
    py::register_exception_translator([](std::exception_ptr raised) {
        try {
            if (raised) std::rethrow_exception(raised);
        } catch (const bellnozzle::Error& refused) {
            py::object instance = py::handle(error.ptr())(bellnozzle::python::MessageText(refused.what()));
            instance.attr("portuguese") = bellnozzle::python::MessageText(refused.Portuguese());
            PyErr_SetObject(error.ptr(), instance.ptr());
        }
    });

    bellnozzle::python::BindDesign(module);
    bellnozzle::python::BindExports(module);
    bellnozzle::python::BindSweep(module);
}

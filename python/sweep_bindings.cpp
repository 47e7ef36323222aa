// sweep(): the trade study of 'bellnozzle sweep', its rows as the dicts of
// 'sweep --json'.
#include <atomic>
#include <optional>
#include <string>

#include "characteristics/trade_sweep.h"
#include "python/bindings.h"
#include "python/design_object.h"
#include "python/json_result.h"

namespace py = pybind11;

namespace bellnozzle::python {
namespace {

const char kSweepDoc[] =
    "Designs and analyses every combination of area ratio, length and contour\n"
    "method, as 'bellnozzle sweep --json' does, on every core; returns its rows,\n"
    "one dict each, with the same keys and values as the command's JSON: method,\n"
    "epsilon, length_percent, length_cm, length_saved_cm, length_saved_percent,\n"
    "efficiency, cf_vacuum, cf_ambient, cf_ambient_separated, separation_x_cm\n"
    "(None: attached at pa_bar), shock_x_cm, discharge_coefficient,\n"
    "exit_mach_mean, exit_angle_deg, wall_area_cm2 and error (None unless the\n"
    "design was refused: then it says why, and the figures are None).\n"
    "\n"
    "  diameter         throat diameter, cm\n"
    "  epsilon, length  a number, a sequence of numbers, or the command's text:\n"
    "                   '60,70,80' or a range 'A:B:STEP' such as '5:50:5'\n"
    "  method           a method name, a sequence of them, or 'chart,cone'\n"
    "  gamma, p0_bar, pa_bar, characteristics  as for Design.analyze()\n"
    "  threads          0: every core\n"
    "  progress         called as progress(done, total) a few times a second;\n"
    "                   True: a count of the designs done on sys.stderr\n"
    "\n"
    "Ctrl-C (KeyboardInterrupt) or an exception raised by progress stops the\n"
    "sweep within a fraction of a second and is raised here. A refused list, gas\n"
    "or pressure raises bellnozzle.Error before anything runs.";

// A list as the command's option text: numbers through their shortest exact
// text ("0.1", "5"), so each is read as the command reads it.
std::string ListText(const py::handle& value) {
    if (py::isinstance<py::str>(value)) return value.cast<std::string>();
    if (!py::isinstance<py::iterable>(value)) return py::str(value).cast<std::string>();
    std::string text;
    for (const py::handle item : value) {
        if (!text.empty()) text += ',';
        text += py::str(item).cast<std::string>();
    }
    return text;
}

// Calls the Python side between the sweep's progress reports: Ctrl-C and the
// caller's progress function, either of which may stop it.
class ProgressBridge {
public:
    explicit ProgressBridge(py::object callback) : callback_(std::move(callback)) {
        if (py::isinstance<py::bool_>(callback_)) {
            callback_ = callback_.cast<bool>() ? py::object(py::cpp_function(&ShowCount)) : py::object(py::none());
        }
    }

    void operator()(const moc::SweepProgress& progress) {
        if (stop_.load()) return;
        py::gil_scoped_acquire held;
        try {
            if (PyErr_CheckSignals() != 0) throw py::error_already_set();
            if (!callback_.is_none()) callback_(progress.done, progress.total);
        } catch (py::error_already_set& raised) {
            raised_ = std::move(raised);
            stop_ = true;
        }
    }

    const std::atomic<bool>* Stop() const { return &stop_; }

    // After the sweep, with the GIL held: raises what stopped it.
    void RaiseIfStopped() {
        if (raised_) throw std::move(*raised_);
    }

private:
    // One line on the error stream, rewritten in place, ended when all are done.
    static void ShowCount(long long done, long long total) {
        py::module_::import("sys").attr("stderr").attr("write")(
            "\rsweep: " + std::to_string(done) + " of " + std::to_string(total) + " designs" +
            (done == total ? "\n" : ""));
    }

    py::object callback_;
    std::atomic<bool> stop_{false};
    std::optional<py::error_already_set> raised_;
};

py::list Sweep(double diameter, const py::object& epsilon, const py::object& length, const py::object& method,
               double gamma, double p0Bar, double paBar, int characteristics, int threads,
               const py::object& progress) {
    RequireCharacteristics(characteristics);
    moc::SweepRequest request;
    request.diameter = static_cast<float>(diameter);
    request.epsilons = moc::ParseSweepNumbers(ListText(epsilon), "--epsilon");
    request.lengthPercents = moc::ParseSweepNumbers(ListText(length), "--length");
    request.methods = moc::ParseSweepMethods(ListText(method));
    request.gamma = gamma;
    request.p0Bar = p0Bar;
    request.paBar = paBar;
    request.characteristics = characteristics;
    request.threads = threads;

    ProgressBridge bridge(progress);
    std::string json;
    {
        py::gil_scoped_release released;
        const moc::SweepResult result = moc::RunSweep(
            request, [&bridge](const moc::SweepProgress& now) { bridge(now); }, bridge.Stop());
        json = moc::FormatSweepJson(result);
    }
    bridge.RaiseIfStopped();
    return ParseJsonText(json).cast<py::list>();
}

}  // namespace

void BindSweep(py::module_& module) {
    // The command's defaults, so that sweep() gives the rows of 'sweep --json'.
    module.def("sweep", &Sweep, kSweepDoc, py::kw_only(), py::arg("diameter") = 5.0, py::arg("epsilon") = "10",
               py::arg("length") = "60:100:10", py::arg("method") = "chart,cone", py::arg("gamma") = 1.4,
               py::arg("p0_bar") = 20.0, py::arg("pa_bar") = 1.01325, py::arg("characteristics") = 0,
               py::arg("threads") = 0, py::arg("progress") = py::none());
}

}  // namespace bellnozzle::python

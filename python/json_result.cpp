#include "python/json_result.h"

namespace bellnozzle::python {

pybind11::object ParseJsonText(const std::string& text) {
    static const auto* const loads =
        new pybind11::object(pybind11::module_::import("json").attr("loads"));  // lives as long as the interpreter
    return (*loads)(MessageText(text));
}

pybind11::str MessageText(const std::string& text) {
    PyObject* decoded = PyUnicode_DecodeUTF8(text.data(), static_cast<Py_ssize_t>(text.size()), "replace");
    if (decoded == nullptr) throw pybind11::error_already_set();
    return pybind11::reinterpret_steal<pybind11::str>(decoded);
}

}  // namespace bellnozzle::python

// The parts of the Python module, each adding its functions and methods.
#pragma once

#include <pybind11/pybind11.h>

namespace bellnozzle::python {

// design(), load_profile() and the Design class with its figures.
void BindDesign(pybind11::module_& module);
// The Design class's export methods (after BindDesign).
void BindExports(pybind11::module_& module);
// sweep().
void BindSweep(pybind11::module_& module);

}  // namespace bellnozzle::python

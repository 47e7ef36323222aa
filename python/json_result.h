// The commands' JSON output as Python values: the same text the command
// prints, read by Python's own json module, so a result equals what
// json.loads gives for the command's output, every number to its last digit.
#pragma once

#include <string>

#include <pybind11/pybind11.h>

namespace bellnozzle::python {

pybind11::object ParseJsonText(const std::string& text);

// A message as a Python str: UTF-8, any byte that is not (a path's) replaced
// rather than lost with the whole message.
pybind11::str MessageText(const std::string& text);

}  // namespace bellnozzle::python

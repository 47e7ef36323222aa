// Lengths in the CAD files: nine significant digits, enough that a profile
// value of six digits comes out exactly after a change of unit, "%g"-style
// (trailing zeros dropped) and the same on every desktop whatever its locale.
#pragma once

#include <charconv>
#include <string>

namespace bellnozzle {

inline void AppendLength(std::string& out, double value) {
    char text[40];
    // + 0.0 turns -0 into 0: a point on the axis is not "-0".
    const auto printed = std::to_chars(text, text + sizeof text, value + 0.0, std::chars_format::general, 9);
    out.append(text, printed.ptr);
}

}  // namespace bellnozzle

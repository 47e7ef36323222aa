// The conversions the window applies to what the user types, shared with the
// headless command so both read an entry the same way.
#pragma once

#include <cstdint>
#include <string>

namespace bellnozzle {

// Both read as the "C" locale does, whatever the process locale is.
//
// atof: the leading decimal number counts, the rest is ignored, text without a
// leading number gives 0. The result is stored in single precision.
float ConvertDecimal(const std::string& text);

// atol for a cell count: leading blanks, an optional sign and decimal digits
// up to the first other character; no digits gives 0. Held as a signed 32-bit
// number, values beyond its range are clamped to it.
std::int32_t ConvertCount(const std::string& text);

// Strict reading of an option value: the whole text, blanks around it
// allowed, must be one finite decimal number ("1e5", "-2.5", "+3"); hex,
// infinities, "nan", commas and trailing text are refused. Gives false and
// leaves value alone when refused. Never follows the process locale.
bool ParseNumber(const std::string& text, double& value);

}  // namespace bellnozzle

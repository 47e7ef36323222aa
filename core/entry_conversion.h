// The conversions the window applies to what the user types, shared with the
// headless command so both read an entry the same way.
#pragma once

#include <cstdint>
#include <string>

namespace bellnozzle {

// atof: the leading decimal number counts, the rest is ignored, text without a
// leading number gives 0. The result is stored in single precision.
float ConvertDecimal(const std::string& text);

// atol for a cell count: leading blanks, an optional sign and decimal digits
// up to the first other character; no digits gives 0. Held as a signed 32-bit
// number, values beyond its range are clamped to it.
std::int32_t ConvertCount(const std::string& text);

}  // namespace bellnozzle

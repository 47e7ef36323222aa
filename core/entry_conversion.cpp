#include "core/entry_conversion.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

namespace bellnozzle {

float ConvertDecimal(const std::string& text) {
    // atof is strtod without the error report; an overflowing text gives an
    // infinity, which the design then refuses as not finite.
    return static_cast<float>(std::strtod(text.c_str(), nullptr));
}

std::int32_t ConvertCount(const std::string& text) {
    errno = 0;
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

}  // namespace bellnozzle

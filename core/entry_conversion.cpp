#include "core/entry_conversion.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "core/c_locale.h"

namespace bellnozzle {

float ConvertDecimal(const std::string& text) {
    // atof is strtod without the error report; an overflowing text gives an
    // infinity, which the design then refuses as not finite.
    const ScopedCLocale cLocale;
    return static_cast<float>(std::strtod(text.c_str(), nullptr));
}

std::int32_t ConvertCount(const std::string& text) {
    const ScopedCLocale cLocale;
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

bool ParseNumber(const std::string& text, double& value) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    // from_chars takes no plus sign; a minus is its own.
    if (begin < end && text[begin] == '+') ++begin;
    if (begin == end || text[begin] == '+') return false;
    double parsed = 0.0;
    const char* first = text.data() + begin;
    const char* last = text.data() + end;
    const auto result = std::from_chars(first, last, parsed, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

}  // namespace bellnozzle

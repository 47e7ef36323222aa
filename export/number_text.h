// Appending numbers to an export's text as printf would print them, without
// going through printf: the exporters print hundreds of numbers per file.
#pragma once

#include <charconv>
#include <string>

namespace bellnozzle {

// "%g" of a double: six significant digits, trailing zeros dropped, exponent
// form below 1e-4 and from 1e6 on. std::to_chars with the general format and
// precision 6 is defined to give exactly printf's "%.6g" text.
inline void AppendG(std::string& out, double value) {
    char digits[32];  // "%g" of a double never exceeds 13 characters
    const auto result = std::to_chars(digits, digits + sizeof digits, value,
                                      std::chars_format::general, 6);
    out.append(digits, result.ptr);
}

// "%d" of a signed integer.
inline void AppendInt(std::string& out, long long value) {
    char digits[24];  // 20 characters at most for a 64-bit value
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

}  // namespace bellnozzle

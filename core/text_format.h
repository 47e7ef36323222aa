// printf-style formatting into a growing std::string: the writers build each
// file's whole text in memory first and write it in one go. Numbers come out
// as in the "C" locale (a decimal point) whatever the process locale is.
#pragma once

#include <string>

namespace bellnozzle {

void AppendFormat(std::string& out, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace bellnozzle

namespace bellnozzle {

// Appends value as printf's "%g" prints it (six significant digits, trailing
// zeros dropped, exponent form below 1e-4 and from 1e6), several times faster
// than snprintf: the profile file and the exports print thousands of them.
void AppendG(std::string& out, double value);

// Appends value as printf's "%.Ng" prints it in the "C" locale, N the number
// of significant digits (1 to 17).
void AppendDigits(std::string& out, double value, int significantDigits);

// Appends value as "%d" prints it.
void AppendInt(std::string& out, long long value);

// text as a JSON string: quoted, with quotes, backslashes and control
// characters escaped.
void AppendJsonString(std::string& out, const std::string& text);

}  // namespace bellnozzle

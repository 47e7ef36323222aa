// printf-style formatting into a growing std::string: the writers build each
// file's whole text in memory first and write it in one go.
#pragma once

#include <string>

namespace bellnozzle {

void AppendFormat(std::string& out, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace bellnozzle

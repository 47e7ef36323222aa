#include "core/text_format.h"

#include <cstdarg>
#include <cmath>
#include <cstdio>

#include "core/c_locale.h"

namespace bellnozzle {
namespace {

void AppendFormatV(std::string& out, const char* format, va_list args) {
    const ScopedCLocale cLocale;
    char buffer[256];
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, copy);
    va_end(copy);
    if (length < 0) return;
    if (static_cast<std::size_t>(length) < sizeof buffer) {
        out.append(buffer, static_cast<std::size_t>(length));
        return;
    }
    // Longer than the stack buffer: format again straight into the string.
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(length) + 1);
    std::vsnprintf(out.data() + start, static_cast<std::size_t>(length) + 1, format, args);
    out.resize(start + static_cast<std::size_t>(length));
}

}  // namespace

void AppendFormat(std::string& out, const char* format, ...) {
    va_list args;
    va_start(args, format);
    AppendFormatV(out, format, args);
    va_end(args);
}

std::string Format(const char* format, ...) {
    std::string out;
    va_list args;
    va_start(args, format);
    AppendFormatV(out, format, args);
    va_end(args);
    return out;
}

}  // namespace bellnozzle

#include <charconv>

namespace bellnozzle {

void AppendG(std::string& out, double value) {
    // to_chars in general format with a precision is defined as printf's %g
    // in the "C" locale; non-finite values are left to printf's spelling.
    char buffer[64];
    if (!std::isfinite(value)) {
        AppendFormat(out, "%g", value);
        return;
    }
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    out.append(buffer, result.ptr);
}

void AppendDigits(std::string& out, double value, int significantDigits) {
    char buffer[64];
    if (!std::isfinite(value) || significantDigits < 1 || significantDigits > 17) {
        AppendFormat(out, "%.*g", significantDigits < 1 ? 1 : significantDigits, value);
        return;
    }
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, significantDigits);
    out.append(buffer, result.ptr);
}

void AppendInt(std::string& out, long long value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void AppendJsonString(std::string& out, const std::string& text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            AppendFormat(out, "\\u%04x", unsigned(static_cast<unsigned char>(c)));
        } else {
            out += c;
        }
    }
    out += '"';
}

}  // namespace bellnozzle

// Appending numbers to an export's text as printf would print them, without
// going through printf: the exporters print hundreds of numbers per file.
#pragma once

#include <charconv>
#include <string>
#include <string_view>

namespace bellnozzle {

// "%g" of a double: six significant digits, trailing zeros dropped, exponent
// form below 1e-4 and from 1e6 on. std::to_chars with the general format and
// precision 6 is defined to give exactly printf's "%.6g" text.
class GText {
public:
    explicit GText(double value) {
        const auto result = std::to_chars(text_, text_ + sizeof text_, value,
                                          std::chars_format::general, 6);
        size_ = static_cast<std::size_t>(result.ptr - text_);
    }

    std::string_view View() const { return {text_, size_}; }

    // Appends "%g" of the negated value: printf prints the sign apart from
    // the digits, so that is this text with its sign toggled ("0" gives "-0",
    // as printf gives for -0.0). Saves a second conversion.
    void AppendNegated(std::string& out) const {
        if (size_ > 0 && text_[0] == '-') {
            out.append(text_ + 1, size_ - 1);
        } else {
            out += '-';
            out.append(text_, size_);
        }
    }

private:
    char text_[32];  // "%g" of a double never exceeds 13 characters
    std::size_t size_;
};

inline void AppendG(std::string& out, double value) { out += GText(value).View(); }

// "%d" of a signed integer.
inline void AppendInt(std::string& out, long long value) {
    char digits[24];  // 20 characters at most for a 64-bit value
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

}  // namespace bellnozzle

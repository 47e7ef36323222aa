// A number's "%g" text kept for printing it twice, once negated: each wedge
// point is printed on both sides. AppendG and AppendInt come from the core.
#pragma once

#include <charconv>
#include <string>
#include <string_view>

#include "core/text_format.h"

namespace bellnozzle {

// "%g" of a double: six significant digits, trailing zeros dropped, exponent
// form below 1e-4 and from 1e6 on. std::to_chars with the general format and
// precision N is defined to give exactly printf's "%.Ng" text, so other
// precisions ("%.12g" for a case whose wedge sides must be planar) come from
// the same code.
class GText {
public:
    explicit GText(double value, int significantDigits = 6) {
        const auto result = std::to_chars(text_, text_ + sizeof text_, value,
                                          std::chars_format::general, significantDigits);
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
    char text_[32];  // "%.17g" of a double never exceeds 24 characters
    std::size_t size_;
};

}  // namespace bellnozzle

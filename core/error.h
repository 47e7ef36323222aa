// The one error type of the design core and the exporters: a refused input or
// a failed file operation, with a message meant for the user. The window
// speaks Portuguese and the command English, so each message comes in both.
#pragma once

#include <stdexcept>
#include <string>

namespace bellnozzle {

class Error : public std::runtime_error {
public:
    Error(const std::string& english, const std::string& portuguese)
        : std::runtime_error(english), portuguese_(portuguese) {}

    const std::string& Portuguese() const { return portuguese_; }

private:
    std::string portuguese_;
};

}  // namespace bellnozzle

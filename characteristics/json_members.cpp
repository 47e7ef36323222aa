#include "characteristics/json_members.h"

#include <cmath>

#include "core/text_format.h"

namespace bellnozzle::moc {

void AppendJsonNumber(std::string& out, double value) {
    if (std::isfinite(value)) {
        AppendG(out, value);
    } else {
        out += "null";
    }
}

void JsonMembers::Key(const char* key) {
    if (!first_) out_ += ",\n";
    first_ = false;
    out_ += "  ";
    AppendJsonString(out_, key);
    out_ += ": ";
}

void JsonMembers::Number(const char* key, double value) {
    Key(key);
    AppendJsonNumber(out_, value);
}

void JsonMembers::Number(const char* key, const std::optional<double>& value) {
    Key(key);
    if (value) {
        AppendJsonNumber(out_, *value);
    } else {
        out_ += "null";
    }
}

void JsonMembers::Integer(const char* key, long long value) {
    Key(key);
    AppendInt(out_, value);
}

void JsonMembers::Text(const char* key, const std::string& value) {
    Key(key);
    AppendJsonString(out_, value);
}

void JsonMembers::Raw(const char* key, const std::string& value) {
    Key(key);
    out_ += value;
}

}  // namespace bellnozzle::moc

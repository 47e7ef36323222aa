// Writing the members of a JSON object one by one, two spaces in, one a line,
// as the commands print their objects. Numbers as "%g" prints them in the "C"
// locale; a number that is not finite becomes null, since JSON has no NaN.
#pragma once

#include <optional>
#include <string>

#include "core/text_format.h"  // AppendJsonString

namespace bellnozzle::moc {

class JsonMembers {
public:
    // Appends to out, which holds the object's opening brace and any members
    // written before (first tells whether there are none yet).
    explicit JsonMembers(std::string& out, bool first = true) : out_(out), first_(first) {}

    void Number(const char* key, double value);
    void Number(const char* key, const std::optional<double>& value);  // null when empty
    void Integer(const char* key, long long value);
    void Text(const char* key, const std::string& value);
    // value is already JSON (an array, an object, a literal).
    void Raw(const char* key, const std::string& value);

private:
    void Key(const char* key);

    std::string& out_;
    bool first_;
};

// value as a JSON number, or null when it is not finite.
void AppendJsonNumber(std::string& out, double value);

}  // namespace bellnozzle::moc

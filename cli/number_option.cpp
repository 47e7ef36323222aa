#include "cli/number_option.h"

#include <string>

#include "core/entry_conversion.h"
#include "core/error.h"

namespace bellnozzle::cli {

bool NumberOption(const ParsedOptions& options, const char* name, double& value) {
    const auto found = options.values.find(name);
    if (found == options.values.end()) return true;
    if (ParseNumber(found->second, value)) return true;
    ReportRefusal(std::string("--") + name + " needs a finite decimal number, not '" + found->second + "'");
    return false;
}

double NumberOr(const ParsedOptions& options, const char* name, double fallback) {
    const auto found = options.values.find(name);
    if (found == options.values.end()) return fallback;
    double value = 0;
    if (!ParseNumber(found->second, value)) {
        throw Error("--" + std::string(name) + " needs a finite decimal number, not '" + found->second + "'",
                    "--" + std::string(name) + " precisa de um número decimal finito");
    }
    return value;
}

}  // namespace bellnozzle::cli

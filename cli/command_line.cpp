#include "cli/command_line.h"

#include <algorithm>
#include <cstdio>

namespace bellnozzle::cli {

bool ParseOptions(const std::vector<std::string>& args, const std::vector<std::string>& allowed,
                  const char* usage, ParsedOptions& parsed) {
    auto fail = [&](const std::string& problem) {
        std::fprintf(stderr, "bellnozzle: %s\n%s", problem.c_str(), usage);
        return false;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            parsed.help = true;
            continue;
        }
        if (arg.rfind("--", 0) != 0) return fail("unexpected argument '" + arg + "'");
        std::string name = arg.substr(2);
        std::string value;
        bool haveValue = false;
        if (const auto eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
            haveValue = true;
        }
        if (std::find(allowed.begin(), allowed.end(), name) == allowed.end()) {
            return fail("unknown option '--" + name + "'");
        }
        if (!haveValue) {
            if (i + 1 >= args.size()) return fail("option '--" + name + "' needs a value");
            value = args[++i];
        }
        parsed.values[name] = value;
    }
    return true;
}

std::string OptionOr(const ParsedOptions& parsed, const std::string& name, const std::string& fallback) {
    const auto found = parsed.values.find(name);
    return found == parsed.values.end() ? fallback : found->second;
}

int ReportRefusal(const std::string& message) {
    std::fprintf(stderr, "bellnozzle: %s\n", message.c_str());
    return kExitRefused;
}

}  // namespace bellnozzle::cli

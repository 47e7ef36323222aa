// Small helpers shared by the headless subcommands: option parsing with the
// exit codes every subcommand keeps (0 done, 1 refused input or file error,
// 2 wrong usage).
#pragma once

#include <map>
#include <string>
#include <vector>

namespace bellnozzle::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;

struct ParsedOptions {
    std::map<std::string, std::string> values;
    bool help = false;
};

// Parses "--name VALUE" and "--name=VALUE" pairs for the names allowed, and
// "--help"/"-h". Returns false after printing the problem and the usage to
// stderr.
bool ParseOptions(const std::vector<std::string>& args, const std::vector<std::string>& allowed,
                  const char* usage, ParsedOptions& parsed);

// The option's value, or the fallback when it was not given.
std::string OptionOr(const ParsedOptions& parsed, const std::string& name, const std::string& fallback);

// Prints "bellnozzle: message" to stderr and returns kExitRefused.
int ReportRefusal(const std::string& message);

}  // namespace bellnozzle::cli

// A number option of a command ("--p0 20"), read strictly: the whole value
// one finite decimal number, whatever the locale.
#pragma once

#include "cli/command_line.h"

namespace bellnozzle::cli {

// Leaves value alone when the option was not given. False, after saying why
// on stderr, when its value is not a finite decimal number.
bool NumberOption(const ParsedOptions& options, const char* name, double& value);

// The option's value, or fallback when it was not given; throws Error when
// the value is not a finite decimal number (a mistyped option must not run
// other conditions than meant).
double NumberOr(const ParsedOptions& options, const char* name, double fallback);

}  // namespace bellnozzle::cli

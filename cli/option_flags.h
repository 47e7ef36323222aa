// Options without a value ("--conical", "--json"), taken out of the argument
// list before the "--name VALUE" options are parsed.
#pragma once

#include <string>
#include <vector>

namespace bellnozzle::cli {

// Removes every "--NAME" from args and says whether there was one.
bool TakeFlag(std::vector<std::string>& args, const std::string& name);

}  // namespace bellnozzle::cli

#include "cli/option_flags.h"

#include <algorithm>

namespace bellnozzle::cli {

bool TakeFlag(std::vector<std::string>& args, const std::string& name) {
    const std::string flag = "--" + name;
    const auto end = std::remove(args.begin(), args.end(), flag);
    const bool found = end != args.end();
    args.erase(end, args.end());
    return found;
}

}  // namespace bellnozzle::cli

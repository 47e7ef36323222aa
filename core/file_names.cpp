#include "core/file_names.h"

namespace bellnozzle {

std::string PathIn(const std::string& dir, const std::string& name) {
    if (dir.empty() || dir == ".") return name;
    if (dir.back() == '/') return dir + name;
    return dir + "/" + name;
}

}  // namespace bellnozzle

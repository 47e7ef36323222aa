// The two ways the exporters break long lists into lines. Each gathers a
// pending line and writes it out once it has grown past a fixed length; the
// pending line is kept at the end of the output text itself, so a list of any
// length, with numbers of any width, needs no buffer of its own.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "export/wedge_point.h"

namespace bellnozzle {

// Point lists of the blockMesh splines and the POV-Ray scene: "(x y z) "
// pieces; a line longer than 50 characters is ended after the piece that made
// it so, and the next line starts with a tab; the list closes with ")\n".
class PointListLines {
public:
    PointListLines(std::string& out, std::string_view opening);
    void Add(const WedgePointText& point, WedgeSide side);
    void Close();

private:
    static constexpr std::size_t kMaxLength = 50;
    std::string& out_;
    std::size_t lineStart_;
};

// Number lists of the Gmsh splines: "n," pieces; a line longer than 70
// characters is ended after the number that made it so (without its comma
// when that number is the list's last); continuation lines are not indented;
// the list closes with "};\n\n", its last number without a comma.
class NumberListLines {
public:
    NumberListLines(std::string& out, std::string_view opening);
    void Add(long long number, bool last);
    void Close();

private:
    static constexpr std::size_t kMaxLength = 70;
    std::string& out_;
    std::size_t lineStart_;
    bool lastCommaPending_ = false;
};

}  // namespace bellnozzle

// Reading the profile file back: the point table every exporter and the
// preview start from, and the header lines they copy as comments.
#pragma once

#include <string>
#include <vector>

namespace bellnozzle {

struct ProfileTable {
    // Point number i of the file is held at index i (index 0 is unused); a
    // position that no line names holds 0. Both vectors have Size() + 1
    // elements, enough for every point number the file names.
    std::vector<float> X;
    std::vector<float> Y;
    // The point number of the last point line read.
    int Count = 0;
    // The lines before "[perfil]\n", each with its own line end, byte for byte.
    std::vector<std::string> Header;

    int Size() const { return static_cast<int>(X.size()) - 1; }
};

// Point numbers above this are refused as absurd.
inline constexpr int kMaxPointNumber = 100000;

// Reads the profile file at path. Throws Error (naming the file, saying what is
// wrong and to run the design first) when the file is missing or unreadable,
// has no "[perfil]" line or no point line, or a point line names a point
// number below 1 or above kMaxPointNumber, or a coordinate that is not finite.
ProfileTable ReadProfileTable(const std::string& path);

// The same reading of a profile's whole text held in memory (a design not
// written to a file); path only names it in the messages.
ProfileTable ParseProfileText(const std::string& text, const std::string& path);

// Appends the profile header to out as comments: "// " and each line.
void CopyProfileHeader(const ProfileTable& profile, std::string& out);

}  // namespace bellnozzle

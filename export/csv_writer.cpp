#include "export/csv_writer.h"

#include "export/length_text.h"

namespace bellnozzle {

std::string FormatCsvPoints(const CadProfile& profile, LengthUnit unit) {
    const double scale = 1.0 / MillimetresPerUnit(unit);
    const std::string symbol = UnitSymbol(unit);
    const bool shell = !profile.outer.empty();
    std::string out = "x_" + symbol + ",y_" + symbol;
    if (shell) out += ",y_outer_" + symbol;
    out += '\n';
    out.reserve(out.size() + profile.wall.size() * 36);
    for (std::size_t i = 0; i < profile.wall.size(); ++i) {
        AppendLength(out, profile.wall[i].x * scale);
        out += ',';
        AppendLength(out, profile.wall[i].r * scale);
        if (shell) {
            // The outer wall is offset along the normal, so the radius here
            // is the outer wall's at this x, not at the offset point's.
            out += ',';
            AppendLength(out, profile.OuterRadiusAt(profile.wall[i].x) * scale);
        }
        out += '\n';
    }
    return out;
}

}  // namespace bellnozzle

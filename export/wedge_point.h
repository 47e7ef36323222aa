// A contour point on the two wedge sides, printed once and written on either
// side: (x, -y*s, y*c) on the minus side, (x, y*s, y*c) on the plus side.
// Each product is the double product of the single-precision y and s or c.
#pragma once

#include <string>

#include "core/wedge.h"
#include "export/number_text.h"

namespace bellnozzle {

enum class WedgeSide { Minus, Plus };

struct WedgePointText {
    WedgePointText(float x, float y, WedgeSinCos w, int significantDigits = 6)
        : x(x, significantDigits),
          ys(double(y) * double(w.s), significantDigits),
          yc(double(y) * double(w.c), significantDigits) {}

    // "x y z" joined by separator, e.g. " " or ", ".
    void Append(std::string& out, WedgeSide side, std::string_view separator) const {
        out += x.View();
        out += separator;
        if (side == WedgeSide::Minus) {
            ys.AppendNegated(out);
        } else {
            out += ys.View();
        }
        out += separator;
        out += yc.View();
    }

    GText x, ys, yc;
};

}  // namespace bellnozzle

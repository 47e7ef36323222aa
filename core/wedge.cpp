#include "core/wedge.h"

#include <cmath>

namespace bellnozzle {

WedgeSinCos ComputeWedgeSinCos() {
    const double angle = WedgeHalfAngle;
    return {static_cast<float>(std::sin(angle)), static_cast<float>(std::cos(angle))};
}

}  // namespace bellnozzle

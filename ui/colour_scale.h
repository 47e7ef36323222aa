// The colour scale and tick spacing the flow pictures share, so the Mach
// number reads the same in a CFD result and in the characteristic net.
#pragma once

#include <QColor>

namespace bellnozzle::ui {

// Blue (slow) through cyan, green and yellow to red (fast) for a fraction
// from 0 to 1 (clamped).
QColor ScaleColour(double fraction);

// Tick values at 1, 2 or 5 times a power of ten, about five of them over span.
double TickStep(double span);

}  // namespace bellnozzle::ui

// The trade chart of a sweep: above, the efficiency against the length in
// per cent of the 15-degree cone, a colour per area ratio and a line style
// per contour method; below, the thrust coefficient at the ambient pressure
// (beyond separation where the flow separates), the separated designs ringed.
#pragma once

#include <QImage>
#include <QSize>

#include "characteristics/trade_sweep.h"

namespace bellnozzle::ui {

// Needs a QGuiApplication (for the fonts). Titles in Portuguese for the
// window, in English for the command.
QImage DrawSweepChart(const moc::SweepResult& result, QSize size, bool portuguese);

}  // namespace bellnozzle::ui

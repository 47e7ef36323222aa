// The trade chart of a sweep as the headless command sees it: plain C++, so
// cli/ never includes Qt.
#pragma once

#include <string>

#include "characteristics/trade_sweep.h"

namespace bellnozzle::ui {

// Draws the trade chart of result (English titles) and saves it as a PNG at
// path, whole or not at all, without a display. False, with a message in
// error, when the file cannot be written.
bool WriteSweepPicture(const moc::SweepResult& result, const std::string& path, std::string& error);

}  // namespace bellnozzle::ui

// The picture of a 2-D analysis as the headless command sees it: plain C++,
// so cli/ never includes Qt.
#pragma once

#include <string>

#include "characteristics/nozzle_analysis.h"

namespace bellnozzle::ui {

// Draws the characteristic net over the contour and the wall pressure below
// it (English labels) and saves it as a PNG at path, without a display.
// False, with a message in error, when the file cannot be written.
bool WriteAnalysisPicture(const moc::AnalysisResult& result, const std::string& path, std::string& error);

}  // namespace bellnozzle::ui

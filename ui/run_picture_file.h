// The run picture saved by a headless command: plain C++, so cli/ never
// includes Qt.
#pragma once

#include <string>

#include "foam_case/case_report.h"

namespace bellnozzle::ui {

// Reads caseDir's latest fields and saves the Mach picture with the wall
// pressure plot below it as a PNG at path, without a display. False, with a
// message in error, when the case holds no result or the file cannot be
// written.
bool WriteRunPicture(const std::string& caseDir, const CaseReport& report, const std::string& path,
                     std::string& error);

}  // namespace bellnozzle::ui

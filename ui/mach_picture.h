// The Mach picture of a finished run as the headless command sees it: plain
// C++, so cli/ never includes Qt.
#pragma once

#include <string>

namespace bellnozzle::ui {

// Draws the Mach number of caseDir's latest time on the wedge's side faces
// and saves it as a PNG at path, without a display. False, with a message in
// error, when the case holds no result or the file cannot be written.
bool WriteMachPicture(const std::string& caseDir, const std::string& path, std::string& error);

}  // namespace bellnozzle::ui

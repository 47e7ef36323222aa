// The window's entry points as the headless command sees them: plain C++, so
// cli/ never includes Qt.
#pragma once

#include <string>

namespace bellnozzle::ui {

// Creates the application and the main window and runs the event loop;
// returns the exit status (0 once the window is closed). Started from the
// desktop menu, the window works in the folder chosen in it; otherwise in the
// current folder.
int RunWindow(int argc, char** argv, bool fromDesktop = false);

// Draws the design chart picture (the one the window shows at start) and saves
// it as a Windows bitmap at path. False, with a message in error, on failure.
bool WriteChartBitmap(const std::string& path, std::string& error);

}  // namespace bellnozzle::ui

// The trade sweep in the window: "Projeto > Estudo de comprimento..." asks
// for the lists, runs the sweep with a progress dialog that can stop it, and
// shows the trade chart in the picture pane and the rows in the text pane.
#pragma once

#include <string>

#include "characteristics/trade_sweep.h"

namespace bellnozzle::ui {

class TForm1;

void AddSweepMenuItem(TForm1& form);

// The rows as the text pane shows them: the command's table with the
// refusals in Portuguese.
std::string SweepTableText(const moc::SweepResult& result);

}  // namespace bellnozzle::ui

// The CAD exports and the rendered picture in the window's "Exportar" menu:
// each asks for unit, body and thickness in a small dialog, then runs the same
// action as the command and shows what it wrote.
#pragma once

namespace bellnozzle::ui {

class TForm1;

void AddCadMenuItems(TForm1& form);

}  // namespace bellnozzle::ui

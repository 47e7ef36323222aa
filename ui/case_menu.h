// The OpenFOAM case in the window: "Exportar > Caso OpenFOAM..." writes a case
// from the profile file, "Simulação > Executar caso OpenFOAM..." runs one in
// the background and then shows its report and Mach picture.
#pragma once

namespace bellnozzle::ui {

class TForm1;

void AddCaseMenuItems(TForm1& form);

}  // namespace bellnozzle::ui

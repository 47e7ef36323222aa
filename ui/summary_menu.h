// The design summary and the reference cone in the window: two items of the
// "Projeto" menu.
#pragma once

namespace bellnozzle::ui {

class TForm1;

// "Resumo do projeto" shows the summary of the profile in the working folder
// in the text pane; "Cone de referência no gráfico" (a tick item) draws the
// 15-degree reference cone of that profile beside it in the chart, in red.
void AddSummaryMenuItems(TForm1& form);

// "Cálculo" clears the whole chart; this draws the reference cone again
// afterwards while its item is ticked.
void RedrawReferenceCone(TForm1& form);

}  // namespace bellnozzle::ui

// The design summary and the reference cone in the window: two items of the
// "Projeto" menu.
#pragma once

#include <QString>

#include "core/design_summary.h"

namespace bellnozzle::ui {

class TForm1;

// "Resumo do projeto" shows the summary of the profile in the working folder
// in the text pane; "Cone de referência no gráfico" (a tick item) draws the
// 15-degree reference cone of that profile beside it in the chart, in red.
void AddSummaryMenuItems(TForm1& form);

// The summary as the text pane shows it: one labelled line per figure in the
// window's language (the command prints the same figures as name=value).
QString SummaryPaneText(const DesignSummary& summary);

// "Cálculo" clears the whole chart; this draws the reference cone again
// afterwards while its item is ticked.
void RedrawReferenceCone(TForm1& form);

}  // namespace bellnozzle::ui

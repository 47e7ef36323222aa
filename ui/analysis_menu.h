// The 2-D analysis in the window: an item of the "Projeto" menu.
#pragma once

#include <QString>

#include "characteristics/nozzle_analysis.h"

namespace bellnozzle::ui {

class TForm1;

// "Análise 2-D (características)..." asks the gas, the pressures and the
// net (the defaults of "bellnozzle analyze", then the values last accepted),
// analyses the wall of the profile in the working folder and shows the
// figures in the text pane and the net and wall pressure in the picture
// pane, in the window's language. A refused profile or a cancelled dialog
// leaves both panes as they were.
void AddAnalysisMenuItem(TForm1& form);

// The figures of an analysis as the text pane shows them: labelled in
// Portuguese, or as "analyze" prints them when the window speaks English.
QString AnalysisPaneText(const moc::AnalysisResult& result);

}  // namespace bellnozzle::ui

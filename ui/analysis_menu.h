// The 2-D analysis in the window: an item of the "Projeto" menu.
#pragma once

#include <QString>

#include "characteristics/nozzle_analysis.h"

namespace bellnozzle::ui {

class TForm1;

// "Análise 2-D (características)" analyses the wall of the profile in the
// working folder (gamma 1.4, 20 bar, sea level, as the summary) and shows
// the figures in the text pane and the net and wall pressure in the picture
// pane, in the window's language. A refused profile leaves both panes as
// they were.
void AddAnalysisMenuItem(TForm1& form);

// The figures of an analysis as the text pane shows them: labelled in
// Portuguese, or as "analyze" prints them when the window speaks English.
QString AnalysisPaneText(const moc::AnalysisResult& result);

}  // namespace bellnozzle::ui

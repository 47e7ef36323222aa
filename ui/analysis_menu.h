// The 2-D analysis in the window: an item of the "Projeto" menu.
#pragma once

namespace bellnozzle::ui {

class TForm1;

// "Análise 2-D (características)" analyses the wall of the profile in the
// working folder (gamma 1.4, 20 bar, sea level, as the summary) and shows
// the figures in Portuguese in the text pane and the net and wall pressure
// in the picture pane. A refused profile leaves both panes as they were.
void AddAnalysisMenuItem(TForm1& form);

}  // namespace bellnozzle::ui

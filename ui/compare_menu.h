// "Projeto > Comparar contornos": every contour method's design for the
// current entries drawn together in the chart with a legend, and a table in
// the text pane of each one's length, efficiency, vacuum and sea-level
// thrust coefficients, exit angle and wall area, the cone included. Nothing
// is written to the working folder.
#pragma once

namespace bellnozzle::ui {

class TForm1;

void AddCompareMenuItem(TForm1& form);

// "Cálculo" and "Gráficos" fill the chart afresh; the comparison's legend
// goes with the comparison.
void ClearComparisonLegend(TForm1& form);

}  // namespace bellnozzle::ui

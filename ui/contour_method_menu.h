// "Projeto > Método do contorno": how "Cálculo" designs the contour (the
// chart's parabola, the best parabola, Rao's TOC, the truncated ideal nozzle
// or the ideal nozzle), with the gamma asked when a method needs it. The
// "bocal cônico" box keeps its meaning: ticked, "Cálculo" designs the cone
// whatever the method.
#pragma once

#include <string>
#include <vector>

#include "characteristics/contour_methods.h"
#include "core/design.h"

namespace bellnozzle::ui {

class TForm1;

struct ContourMethodChoice {
    moc::ContourMethod method = moc::ContourMethod::Chart;
    double gamma = 1.4;
};

// Adds the submenu to "Projeto", the chart's parabola chosen.
void AddContourMethodMenu(TForm1& form);

// The method and gamma chosen in the submenu (the chart's parabola and 1.4
// when the window has no such menu).
ContourMethodChoice ChosenContourMethod(TForm1& form);

// The entries' design by the chosen method, written whole to the profile
// file of the working folder. Throws Error (nothing written) when refused.
DesignResult RunChosenContourDesign(TForm1& form, float diameter, float lengthPercent, float epsilon);

// Shows the notes of a design (extrapolated angles) in a box that does not
// wait for an answer.
void ShowDesignNotes(TForm1& form, const std::vector<DesignNote>& notes);

}  // namespace bellnozzle::ui

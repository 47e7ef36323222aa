// The picture of a finished run, for the window and "report --png": the Mach
// number on the wedge and, below it, the wall pressure of the run beside the
// 2-D analysis and 1-D theory.
#pragma once

#include <QImage>

#include "foam_case/case_report.h"
#include "foam_case/mach_field.h"

namespace bellnozzle::ui {

// p/p0 along x on a logarithmic scale (the supersonic wall spans decades),
// one line per source with a legend. Needs a QGuiApplication (fonts).
QImage DrawWallPressurePlot(const CaseReport& report, int width, int height);

// The Mach picture over the wall plot, width wide.
QImage DrawRunPicture(const MachField& field, const CaseReport& report, int width);

}  // namespace bellnozzle::ui

// The Mach number of a run drawn cell by cell on the nozzle's section (the
// wedge's plus side above the axis, its minus side mirrored below), with a
// colour scale and its numbers. Shared by the window and "report --png".
#pragma once

#include <QImage>

#include "foam_case/mach_field.h"

namespace bellnozzle::ui {

// Needs a QGuiApplication (for the fonts of the labels).
QImage DrawMachImage(const MachField& field, int width, int height);

}  // namespace bellnozzle::ui

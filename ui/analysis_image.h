// A 2-D analysis drawn for the reader: above, the characteristic net over the
// contour, each line coloured by its Mach number, with the start of an
// internal shock and the separation point marked; below, on the same x scale,
// the wall pressure p/p0 of the analysis against ideal 1-D flow and pa/p0.
// Shared by the window and "analyze --png".
#pragma once

#include <QImage>

#include "characteristics/nozzle_analysis.h"

namespace bellnozzle::ui {

enum class PictureLanguage { English, Portuguese };

// Needs a QGuiApplication (for the fonts of the labels).
QImage DrawAnalysisImage(const moc::AnalysisResult& result, int width, int height, PictureLanguage language);

// The height that shows the nozzle at its own aspect above the pressure plot
// in a picture width pixels wide.
int AnalysisImageHeight(const moc::AnalysisResult& result, int width);

}  // namespace bellnozzle::ui

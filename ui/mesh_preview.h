// The pixel arithmetic of the wedge preview, kept apart from the window so
// that its rounding and its limits can be checked on their own.
#pragma once

namespace bellnozzle::ui {

// trunc(inner) + offset as a pixel number below limit. False when that pixel
// lies off the canvas (or inner is not a number); the test happens in double
// precision, before any conversion to int, so huge coordinates cannot
// overflow. trunc rounds toward zero: an inner of -0.5 gives pixel 0.
bool PreviewPixel(double inner, int offset, int limit, int& pixel);

}  // namespace bellnozzle::ui

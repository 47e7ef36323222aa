// The design chart as a picture: theta_n above and theta_s below against the
// area ratio, five curves each, drawn from the built-in chart. The window
// shows it at start, and "bellnozzle chart --bmp" saves it as theta.bmp.
#pragma once

#include <QImage>

namespace bellnozzle::ui {

inline constexpr int kChartPictureWidth = 560;
inline constexpr int kChartPictureHeight = 525;

// Needs a QGuiApplication (for the fonts of the labels).
QImage DrawChartPicture();

}  // namespace bellnozzle::ui

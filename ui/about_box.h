// "Sobre o bellnozzle": what the tool is, its version and licence.
#pragma once

#include <QString>
#include <QWidget>

namespace bellnozzle::ui {

QString AboutText();

// Opens the box without waiting for it to be closed.
void ShowAbout(QWidget* parent);

}  // namespace bellnozzle::ui

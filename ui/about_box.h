// "Ajuda": the help text (F1) and "Sobre o bellnozzle", what the tool is, its
// version and licence.
#pragma once

#include <QString>
#include <QWidget>

namespace bellnozzle::ui {

QString AboutText();

// Opens the box without waiting for it to be closed.
void ShowAbout(QWidget* parent);

// How to use the window and where the manual is, in a box that does not
// wait either; its object name is "HelpBox".
void ShowHelp(QWidget* parent);

}  // namespace bellnozzle::ui

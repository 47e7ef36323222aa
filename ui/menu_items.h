// The window's menu items run their action exactly as a button click does:
// to the end, with an error it raises shown in the error box.
//
// A feature adds its items from a function of its own, called with one line
// from TForm1::BuildMenus, for example:
//
//     AddMenuItem(form.MenuProjeto, QT_TRANSLATE_NOOP("Ui", "Comparar contornos..."),
//                 QT_TRANSLATE_NOOP("Ui", "Desenha vários perfis no mesmo gráfico"),
//                 [&form] { CompareContours(form); });
//
// Captions and tooltips are Portuguese sources (UTF-8), shown through the
// translation (ui/translations/bellnozzle_en.ts, refreshed by the build target
// update_translations); an item that opens a dialog ends its caption in "...".
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include <functional>

namespace bellnozzle::ui {

QAction* AddMenuItem(QMenu* menu, const char* caption, const char* toolTip, std::function<void()> handler,
                     const QKeySequence& shortcut = {});

// The same without a tooltip.
QAction* AddMenuItem(QMenu* menu, const char* caption, std::function<void()> handler);

// A submenu of menu under its Portuguese caption, for instance a choice of
// methods; its items are added with AddMenuItem.
QMenu* AddSubmenu(QMenu* menu, const char* caption, const char* toolTip);

}  // namespace bellnozzle::ui

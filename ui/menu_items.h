// The window's menu items run their action exactly as a button click does:
// to the end, with an error it raises shown in the error box.
#pragma once

#include <QAction>
#include <QMenu>

#include <functional>

namespace bellnozzle::ui {

QAction* AddMenuItem(QMenu* menu, const char* caption, std::function<void()> handler);

}  // namespace bellnozzle::ui

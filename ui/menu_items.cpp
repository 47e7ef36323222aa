#include "ui/menu_items.h"

#include "ui/ui_text.h"
#include "ui/vcl_layer.h"

namespace bellnozzle::ui {

QAction* AddMenuItem(QMenu* menu, const char* caption, const char* toolTip, std::function<void()> handler,
                     const QKeySequence& shortcut) {
    QAction* item = menu->addAction(QString());
    SetCaption(item, caption);
    if (toolTip != nullptr) SetToolTip(item, toolTip);
    if (!shortcut.isEmpty()) item->setShortcut(shortcut);
    QObject::connect(item, &QAction::triggered, menu,
                     [handler = std::move(handler)] { Application->RunGuarded(handler); });
    return item;
}

QAction* AddMenuItem(QMenu* menu, const char* caption, std::function<void()> handler) {
    return AddMenuItem(menu, caption, nullptr, std::move(handler));
}

QMenu* AddSubmenu(QMenu* menu, const char* caption, const char* toolTip) {
    QMenu* submenu = menu->addMenu(QString());
    SetCaption(submenu, caption);
    if (toolTip != nullptr) SetToolTip(submenu->menuAction(), toolTip);
    return submenu;
}

}  // namespace bellnozzle::ui

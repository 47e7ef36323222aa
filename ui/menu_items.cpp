#include "ui/menu_items.h"

#include "ui/vcl_layer.h"

namespace bellnozzle::ui {

QAction* AddMenuItem(QMenu* menu, const char* caption, std::function<void()> handler) {
    QAction* item = menu->addAction(QString::fromUtf8(caption));
    QObject::connect(item, &QAction::triggered, menu,
                     [handler = std::move(handler)] { Application->RunGuarded(handler); });
    return item;
}

}  // namespace bellnozzle::ui

#include "ui/ui_text.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QWidget>

#include "ui/language.h"

namespace bellnozzle::ui {
namespace {

constexpr char kCaptionSource[] = "bellnozzleCaption";
constexpr char kToolTipSource[] = "bellnozzleToolTip";

QString Translated(const QVariant& source) { return Ui::tr(source.toByteArray().constData()); }

void ShowCaption(QObject* target, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(target)) {
        action->setText(text);
    } else if (auto* menu = qobject_cast<QMenu*>(target)) {
        menu->setTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        button->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(target)) {
        group->setTitle(text);
    } else if (auto* label = qobject_cast<QLabel*>(target)) {
        label->setText(text);
    } else if (auto* widget = qobject_cast<QWidget*>(target)) {
        widget->setWindowTitle(text);
    }
}

void ShowToolTip(QObject* target, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(target)) {
        action->setToolTip(text);
        // Menus show an item's tooltip only when asked to.
        for (QObject* holder : action->associatedObjects()) {
            if (auto* menu = qobject_cast<QMenu*>(holder)) menu->setToolTipsVisible(true);
        }
    } else if (auto* widget = qobject_cast<QWidget*>(target)) {
        widget->setToolTip(text);
    }
}

void Retranslate(QObject* object) {
    const QVariant caption = object->property(kCaptionSource);
    if (caption.isValid()) ShowCaption(object, Translated(caption));
    const QVariant toolTip = object->property(kToolTipSource);
    if (toolTip.isValid()) ShowToolTip(object, Translated(toolTip));
}

}  // namespace

void SetCaption(QObject* target, const char* source) {
    target->setProperty(kCaptionSource, QByteArray(source));
    Retranslate(target);
}

void SetToolTip(QObject* target, const char* source) {
    target->setProperty(kToolTipSource, QByteArray(source));
    Retranslate(target);
}

void RetranslateTree(QObject* root) {
    Retranslate(root);
    for (QObject* child : root->findChildren<QObject*>()) Retranslate(child);
}

QString MessageText(const std::string& english, const std::string& portuguese) {
    QString text = QString::fromStdString(CurrentLanguage() == Language::English ? english : portuguese);
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text;
}

}  // namespace bellnozzle::ui

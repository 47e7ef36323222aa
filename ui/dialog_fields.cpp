#include "ui/dialog_fields.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

#include <algorithm>
#include <string>

#include "core/entry_conversion.h"
#include "ui/ui_text.h"
#include "ui/vcl_layer.h"

namespace bellnozzle::ui {
namespace {

constexpr char kRefused[] = "refused";

QSettings Settings() { return QSettings(QStringLiteral("bellnozzle"), QStringLiteral("bellnozzle")); }

QString Key(const QWidget* dialog, const QObject* field) {
    return QStringLiteral("dialogs/") + dialog->objectName() + QLatin1Char('/') + field->objectName();
}

bool Remembered(const QObject* field) {
    return !field->objectName().isEmpty() && !field->property("notRemembered").toBool();
}

void ClearMark(QWidget* field) {
    if (!field->property(kRefused).toBool()) return;
    field->setProperty(kRefused, false);
    field->setStyleSheet(QString());
}

}  // namespace

void MarkRefused(QWidget* field) {
    field->setProperty(kRefused, true);
    field->setStyleSheet(QStringLiteral("background-color: #ffd8d8;"));
    field->setFocus(Qt::OtherFocusReason);
    if (auto* entry = qobject_cast<QLineEdit*>(field)) {
        entry->selectAll();
        if (!entry->property("refusedWatched").toBool()) {
            entry->setProperty("refusedWatched", true);
            QObject::connect(entry, &QLineEdit::textEdited, entry, [entry] { ClearMark(entry); });
        }
    }
}

bool ReadOrMark(const std::function<void()>& read) {
    QWidget* refused = nullptr;
    bool ok = false;
    Application->RunGuarded([&] {
        try {
            read();
            ok = true;
        } catch (const FieldRefusal& refusal) {
            refused = refusal.Field();
            throw;
        }
    });
    if (refused != nullptr) MarkRefused(refused);
    return ok;
}

void RestoreDialogFields(QWidget* dialog) {
    const QSettings settings = Settings();
    for (QWidget* field : dialog->findChildren<QWidget*>()) {
        if (!Remembered(field)) continue;
        const QVariant value = settings.value(Key(dialog, field));
        if (!value.isValid()) continue;
        if (auto* entry = qobject_cast<QLineEdit*>(field)) {
            entry->setText(value.toString());
        } else if (auto* list = qobject_cast<QComboBox*>(field)) {
            const int index = value.toInt();
            if (index >= 0 && index < list->count()) list->setCurrentIndex(index);
        } else if (auto* button = qobject_cast<QAbstractButton*>(field); button && button->isCheckable()) {
            button->setChecked(value.toBool());
        }
    }
}

void RememberDialogFields(QWidget* dialog) {
    QSettings settings = Settings();
    for (QWidget* field : dialog->findChildren<QWidget*>()) {
        if (!Remembered(field)) continue;
        if (auto* entry = qobject_cast<QLineEdit*>(field)) {
            // A list's own edit field belongs to the list.
            if (qobject_cast<QComboBox*>(entry->parentWidget()) == nullptr) settings.setValue(Key(dialog, field), entry->text());
        } else if (auto* list = qobject_cast<QComboBox*>(field)) {
            settings.setValue(Key(dialog, field), list->currentIndex());
        } else if (auto* button = qobject_cast<QAbstractButton*>(field); button && button->isCheckable()) {
            settings.setValue(Key(dialog, field), button->isChecked());
        }
    }
}

bool ReadDialogNumber(const QLineEdit* entry, double& value) {
    std::string text = entry->text().trimmed().toStdString();
    if (text.find('.') == std::string::npos && std::count(text.begin(), text.end(), ',') == 1) {
        text[text.find(',')] = '.';
    }
    return ParseNumber(text, value);
}

QDialogButtonBox* MakeDialogButtons(QDialog* dialog, const QString& okText) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(okText);
    buttons->button(QDialogButtonBox::Cancel)->setText(Ui::tr("Cancelar"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

}  // namespace bellnozzle::ui

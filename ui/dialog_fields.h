// What every dialog of the window does with its fields: a value it cannot
// use keeps the dialog open with everything typed, names the fault, marks the
// entry and gives it the focus; the values of an accepted dialog are
// remembered (per dialog, under its object name) for the rest of the session
// and the next start.
#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>

#include "core/error.h"

namespace bellnozzle::ui {

// A value refused in one field of a dialog.
class FieldRefusal : public Error {
public:
    FieldRefusal(QWidget* field, const std::string& english, const std::string& portuguese)
        : Error(english, portuguese), field_(field) {}
    QWidget* Field() const { return field_; }

private:
    QWidget* field_;
};

// Runs read; true when it raised nothing. On an error the error box shows it
// and, for a FieldRefusal, that field is marked (property "refused") and
// focused; the mark goes as soon as the field is edited.
bool ReadOrMark(const std::function<void()>& read);

// The named entries, lists, tick boxes and radio buttons of dialog, set to
// the values remembered for it; a field with the property "notRemembered"
// keeps what the caller put in it.
void RestoreDialogFields(QWidget* dialog);
void RememberDialogFields(QWidget* dialog);

// Marks a field refused, as ReadOrMark does.
void MarkRefused(QWidget* field);

// The whole text of entry, spaces around it aside, as one finite number; a
// decimal comma, as a Portuguese desktop types it, reads as a point. false
// when it is none.
bool ReadDialogNumber(const QLineEdit* entry, double& value);

// The dialog's OK and Cancel buttons, OK captioned okText (Cancel in the
// window's language), wired to accept and reject; the caller lays them out.
QDialogButtonBox* MakeDialogButtons(QDialog* dialog, const QString& okText);

}  // namespace bellnozzle::ui

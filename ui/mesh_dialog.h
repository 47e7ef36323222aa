// The small dialog of the Gmsh mesh: how the cells are sized and the file
// format. Its entries are read strictly (the whole text a number, a decimal
// comma taken as a point), since a mistyped size could keep Gmsh busy for
// hours.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "export/gmsh_mesh_script_writer.h"

namespace bellnozzle::ui {

class MeshDialog : public QDialog {
public:
    // Shows the settings given; the dialog keeps its own copy.
    MeshDialog(QWidget* parent, const MeshScriptSettings& settings);

    // The settings the entries hold; throws Error (in both languages) for an
    // entry that is not a number, a size not above 0 or a count out of range.
    MeshScriptSettings Settings() const;

    // Closes only with settings Gmsh can use; a refused entry is marked and
    // keeps what was typed.
    void accept() override;

    QRadioButton* AutomaticSize;
    QRadioButton* FixedSize;
    QRadioButton* Structured;
    QLineEdit* SizeEdit;
    QLineEdit* AxialEdit;
    QLineEdit* RadialEdit;
    QComboBox* FormatBox;
    QPushButton* OkButton;
    QPushButton* CancelButton;

private:
    void EnableEntries();
};

}  // namespace bellnozzle::ui

#include "ui/mesh_dialog.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <cmath>

#include "core/entry_conversion.h"
#include "core/error.h"
#include "core/text_format.h"
#include "ui/dialog_fields.h"
#include "ui/ui_text.h"

namespace bellnozzle::ui {
namespace {

const struct {
    MeshFileFormat format;
    const char* caption;
} kFormats[] = {
    {MeshFileFormat::Msh2, "MSH 2.2 (OpenFOAM gmshToFoam)"},
    {MeshFileFormat::Msh4, "MSH 4.1"},
    {MeshFileFormat::Su2, "SU2"},
};

QString Text(const char* source) { return Ui::tr(source); }

[[noreturn]] void Refuse(QLineEdit* field, const std::string& english, const std::string& portuguese) {
    throw FieldRefusal(field, english, portuguese);
}

int ReadCount(QLineEdit* edit, const char* what) {
    double value = 0.0;
    if (!ReadDialogNumber(edit, value) || value != std::floor(value) || value < 1.0 || value > kMaxCellsPerDirection) {
        Refuse(edit, Format("the %s cell count must be a whole number from 1 to %d", what, kMaxCellsPerDirection),
               Format("o número de células %s deve ser inteiro, de 1 a %d",
                      std::string(what) == "axial" ? "axiais" : "radiais", kMaxCellsPerDirection));
    }
    return int(value);
}

QString CountText(int count, int fallback) { return QString::number(count > 0 ? count : fallback); }

}  // namespace

MeshDialog::MeshDialog(QWidget* parent, const MeshScriptSettings& settings) : QDialog(parent) {
    setObjectName(QStringLiteral("DialogMalha"));
    setWindowTitle(Text(QT_TRANSLATE_NOOP("Ui", "Malha Gmsh")));
    AutomaticSize = new QRadioButton(Text(QT_TRANSLATE_NOOP("Ui", "Tamanho automático (1/15 do raio local)")), this);
    FixedSize = new QRadioButton(Text(QT_TRANSLATE_NOOP("Ui", "Tamanho fixo (cm)")), this);
    Structured = new QRadioButton(Text(QT_TRANSLATE_NOOP("Ui", "Estruturada (células axiais × radiais)")), this);
    SizeEdit = new QLineEdit(this);
    AxialEdit = new QLineEdit(CountText(settings.cellsAxial, 100), this);
    RadialEdit = new QLineEdit(CountText(settings.cellsRadial, 20), this);
    if (settings.size > 0.0) SizeEdit->setText(QString::number(settings.size));
    FormatBox = new QComboBox(this);
    for (const auto& entry : kFormats) {
        FormatBox->addItem(Text(entry.caption));
        if (entry.format == settings.format) FormatBox->setCurrentIndex(FormatBox->count() - 1);
    }
    (settings.Structured() ? Structured : settings.size > 0.0 ? FixedSize : AutomaticSize)->setChecked(true);

    auto* grid = new QGridLayout;
    grid->addWidget(AutomaticSize, 0, 0, 1, 3);
    grid->addWidget(FixedSize, 1, 0);
    grid->addWidget(SizeEdit, 1, 1, 1, 2);
    grid->addWidget(Structured, 2, 0);
    grid->addWidget(AxialEdit, 2, 1);
    grid->addWidget(RadialEdit, 2, 2);
    grid->addWidget(new QLabel(Text(QT_TRANSLATE_NOOP("Ui", "Formato")), this), 3, 0);
    grid->addWidget(FormatBox, 3, 1, 1, 2);

    OkButton = new QPushButton(Text(QT_TRANSLATE_NOOP("Ui", "Gerar malha")), this);
    CancelButton = new QPushButton(Text(QT_TRANSLATE_NOOP("Ui", "Cancelar")), this);
    const std::pair<QWidget*, const char*> names[] = {
        {AutomaticSize, "RadioAutomatico"}, {FixedSize, "RadioFixo"}, {Structured, "RadioEstruturada"},
        {SizeEdit, "EditTamanho"}, {AxialEdit, "EditAxiais"}, {RadialEdit, "EditRadiais"},
        {FormatBox, "ComboFormato"}};
    for (const auto& [field, name] : names) field->setObjectName(QString::fromLatin1(name));
    SizeEdit->setToolTip(Text(QT_TRANSLATE_NOOP("Ui", "Comprimento das arestas, em cm")));
    AxialEdit->setToolTip(Text(QT_TRANSLATE_NOOP("Ui", "Células ao longo do eixo")));
    RadialEdit->setToolTip(Text(QT_TRANSLATE_NOOP("Ui", "Células do eixo à parede")));
    FormatBox->setToolTip(Text(QT_TRANSLATE_NOOP("Ui", "MSH 2.2 para o gmshToFoam do OpenFOAM, MSH 4.1 ou SU2")));
    OkButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    for (QRadioButton* choice : {AutomaticSize, FixedSize, Structured}) {
        connect(choice, &QRadioButton::toggled, this, [this] { EnableEntries(); });
    }
    EnableEntries();
}

void MeshDialog::accept() {
    if (!ReadOrMark([this] { Settings(); })) return;
    RememberDialogFields(this);
    QDialog::accept();
}

void MeshDialog::EnableEntries() {
    SizeEdit->setEnabled(FixedSize->isChecked());
    AxialEdit->setEnabled(Structured->isChecked());
    RadialEdit->setEnabled(Structured->isChecked());
}

MeshScriptSettings MeshDialog::Settings() const {
    MeshScriptSettings settings;
    settings.format = kFormats[std::max(0, FormatBox->currentIndex())].format;
    if (FixedSize->isChecked()) {
        if (!ReadDialogNumber(SizeEdit, settings.size) || !(settings.size > 0.0)) {
            Refuse(SizeEdit, "the mesh size must be a length above 0 (cm)",
                   "o tamanho da malha deve ser um comprimento maior que 0 (cm)");
        }
    } else if (Structured->isChecked()) {
        settings.cellsAxial = ReadCount(AxialEdit, "axial");
        settings.cellsRadial = ReadCount(RadialEdit, "radial");
    }
    return settings;
}

}  // namespace bellnozzle::ui

#include "ui/cad_menu.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QImage>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>

#include "cad/cad_export.h"
#include "cad/render.h"
#include "core/error.h"
#include "ui/main_window.h"
#include "ui/menu_items.h"

namespace bellnozzle::ui {
namespace {

struct CadChoice {
    LengthUnit unit = LengthUnit::Millimetre;
    CadBody body = CadBody::Shell;
    std::string thickness = "2 mm";
};

// The choice of the previous export, offered again.
CadChoice& LastChoice() {
    static CadChoice choice;
    return choice;
}

// Asks for unit, body and thickness (only the thickness for the picture);
// false when cancelled.
bool AskCadChoice(QWidget* parent, const QString& title, bool pictureOnly, CadChoice& choice) {
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* form = new QFormLayout(&dialog);
    auto* unit = new QComboBox(&dialog);
    unit->setObjectName("unit");
    unit->addItems({"mm", "cm", "in"});
    unit->setCurrentIndex(static_cast<int>(choice.unit));
    auto* body = new QComboBox(&dialog);
    body->setObjectName("body");
    body->addItems({QString::fromUtf8("parede do bocal"), QString::fromUtf8("escoamento (volume interno)")});
    body->setCurrentIndex(choice.body == CadBody::Shell ? 0 : 1);
    auto* thickness = new QLineEdit(QString::fromStdString(choice.thickness), &dialog);
    thickness->setObjectName("thickness");
    thickness->setToolTip(QString::fromUtf8("um número na unidade escolhida, ou com unidade: 2 mm, 0,2 cm, 0,08 in"));
    if (!pictureOnly) {
        form->addRow(QString::fromUtf8("Unidade"), unit);
        form->addRow(QString::fromUtf8("Corpo"), body);
    }
    form->addRow(QString::fromUtf8("Espessura da parede"), thickness);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("Cancelar"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) return false;
    choice.unit = static_cast<LengthUnit>(unit->currentIndex());
    choice.body = body->currentIndex() == 0 ? CadBody::Shell : CadBody::Flow;
    choice.thickness = thickness->text().toStdString();
    return true;
}

void ExportCadFile(TForm1& form, CadFormat format, const char* title) {
    CadChoice choice = LastChoice();
    if (!AskCadChoice(&form, QString::fromUtf8(title), false, choice)) return;
    CadRequest request;
    request.format = format;
    request.unit = choice.unit;
    request.body = choice.body;
    // The flow body has no wall, so its thickness is not read.
    if (choice.body == CadBody::Shell) request.thicknessMm = ParseThickness(choice.thickness, choice.unit);
    LastChoice() = choice;
    const CadSummary summary = ExportCad("", request);
    form.Memo1->setPlainText(QString::fromStdString(SummaryText(summary)));
}

void RenderPicture(TForm1& form) {
    CadChoice choice = LastChoice();
    if (!AskCadChoice(&form, QString::fromUtf8("Imagem renderizada"), true, choice)) return;
    RenderRequest request;
    request.thicknessMm = ParseThickness(choice.thickness, choice.unit);
    LastChoice() = choice;
    // The picture fills the picture pane.
    request.width = form.Image1->width();
    request.height = form.Image1->height();
    QProgressDialog progress(QString::fromUtf8("Renderizando com o POV-Ray..."), QString::fromUtf8("Interromper"),
                             0, 0, &form);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    request.onTick = [] { QCoreApplication::processEvents(); };
    request.shouldStop = [&progress] { return progress.wasCanceled(); };
    RenderResult result;
    try {
        result = RenderNozzle("", request);
    } catch (const Error&) {
        // Stopped by the user, who knows it: no error box for that.
        if (!progress.wasCanceled()) throw;
        form.Memo1->setPlainText(QString::fromUtf8("Renderização interrompida; nenhuma imagem gravada.\n"));
        return;
    }
    progress.reset();
    QImage picture;
    if (!picture.load(QString::fromStdString(result.picture), "PNG")) {
        throw Error("cannot load the picture \"" + result.picture + "\"",
                    "não foi possível carregar a imagem \"" + result.picture + "\"");
    }
    form.Image1->GetPicture()->Assign(picture.convertToFormat(QImage::Format_RGB32));
    form.Image1->PictureChanged();
    form.Memo1->setPlainText(QString::fromStdString("Imagem: " + result.picture + "\nCena POV-Ray: " +
                                                    result.scene + "\n"));
}

}  // namespace

void AddCadMenuItems(TForm1& form) {
    QMenu* menu = form.MenuExportar;
    const struct {
        const char* caption;
        CadFormat format;
    } items[] = {
        {"STEP (sólido)", CadFormat::Step},
        {"STL (malha do sólido)", CadFormat::Stl},
        {"DXF (meia seção)", CadFormat::Dxf},
        {"SVG (gabarito 1:1)", CadFormat::Svg},
        {"CSV (pontos)", CadFormat::Csv},
    };
    for (const auto& item : items) {
        QAction* action = AddMenuItem(menu, item.caption, [&form, item] { ExportCadFile(form, item.format, item.caption); });
        // This build cannot make solids: the items say so rather than fail.
        const bool solid = item.format == CadFormat::Step || item.format == CadFormat::Stl;
        action->setEnabled(!solid || SolidFormatsAvailable());
    }
    menu->addSeparator();
    AddMenuItem(menu, "Imagem renderizada (POV-Ray)", [&form] { RenderPicture(form); });
}

}  // namespace bellnozzle::ui

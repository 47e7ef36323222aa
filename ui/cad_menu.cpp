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
#include "ui/dialog_fields.h"
#include "ui/main_window.h"
#include "ui/menu_items.h"
#include "ui/ui_text.h"

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

// The dialog of the CAD exports: unit, body and wall thickness (only the
// thickness for the picture). The thickness is read before it closes, and
// plays no part for the flow body, which has no wall.
class CadDialog : public QDialog {
public:
    CadDialog(QWidget* parent, const QString& title, bool pictureOnly, const CadChoice& choice)
        : QDialog(parent), pictureOnly_(pictureOnly) {
        setObjectName(pictureOnly ? QStringLiteral("DialogImagem") : QStringLiteral("DialogCad"));
        setWindowTitle(title);
        auto* form = new QFormLayout(this);
        thickness_ = new QLineEdit(QString::fromStdString(choice.thickness), this);
        thickness_->setObjectName("thickness");
        thickness_->setToolTip(Ui::tr("Espessura da parede: um número na unidade escolhida, ou com unidade: 2 mm, 0,2 cm, 0,08 in"));
        if (!pictureOnly) {
            unit_ = new QComboBox(this);
            unit_->setObjectName("unit");
            unit_->addItems({"mm", "cm", "in"});
            unit_->setCurrentIndex(static_cast<int>(choice.unit));
            unit_->setToolTip(Ui::tr("Unidade de comprimento do arquivo"));
            body_ = new QComboBox(this);
            body_->setObjectName("body");
            body_->addItems({Ui::tr("parede do bocal"), Ui::tr("escoamento (volume interno)")});
            body_->setCurrentIndex(choice.body == CadBody::Shell ? 0 : 1);
            body_->setToolTip(Ui::tr("A parede (com espessura) ou o volume do gás dentro dela"));
            form->addRow(Ui::tr("Unidade"), unit_);
            form->addRow(Ui::tr("Corpo"), body_);
            connect(body_, &QComboBox::currentIndexChanged, this, [this] { EnableThickness(); });
        }
        form->addRow(Ui::tr("Espessura da parede"), thickness_);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        buttons->button(QDialogButtonBox::Cancel)->setText(Ui::tr("Cancelar"));
        QObject::connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        form->addRow(buttons);
        RestoreDialogFields(this);
        EnableThickness();
    }

    void accept() override {
        if (!ReadOrMark([this] { Read(); })) return;
        RememberDialogFields(this);
        QDialog::accept();
    }

    CadChoice choice;
    double thicknessMm = 0;

private:
    void EnableThickness() { thickness_->setEnabled(pictureOnly_ || body_->currentIndex() == 0); }

    void Read() {
        CadChoice read;
        if (!pictureOnly_) {
            read.unit = static_cast<LengthUnit>(unit_->currentIndex());
            read.body = body_->currentIndex() == 0 ? CadBody::Shell : CadBody::Flow;
        }
        read.thickness = thickness_->text().toStdString();
        if (thickness_->isEnabled()) {
            try {
                thicknessMm = ParseThickness(read.thickness, read.unit);
            } catch (const Error& error) {
                throw FieldRefusal(thickness_, error.what(), error.Portuguese());
            }
        }
        choice = read;
    }

    bool pictureOnly_;
    QComboBox* unit_ = nullptr;
    QComboBox* body_ = nullptr;
    QLineEdit* thickness_;
};

void ExportCadFile(TForm1& form, CadFormat format, const char* title) {
    QString caption = Ui::tr(title);
    if (caption.endsWith(QStringLiteral("..."))) caption.chop(3);
    CadDialog dialog(&form, caption, false, LastChoice());
    if (dialog.exec() != QDialog::Accepted) return;
    const CadChoice& choice = dialog.choice;
    CadRequest request;
    request.format = format;
    request.unit = choice.unit;
    request.body = choice.body;
    // The flow body has no wall, so its thickness is not read.
    if (choice.body == CadBody::Shell) request.thicknessMm = dialog.thicknessMm;
    LastChoice() = choice;
    const CadSummary summary = ExportCad("", request);
    form.Memo1->setPlainText(QString::fromStdString(SummaryText(summary)));
}

void RenderPicture(TForm1& form) {
    CadDialog dialog(&form, Ui::tr("Imagem renderizada"), true, LastChoice());
    if (dialog.exec() != QDialog::Accepted) return;
    RenderRequest request;
    request.thicknessMm = dialog.thicknessMm;
    LastChoice().thickness = dialog.choice.thickness;
    // The picture fills the picture pane.
    request.width = form.Image1->width();
    request.height = form.Image1->height();
    QProgressDialog progress(Ui::tr("Renderizando com o POV-Ray..."), Ui::tr("Interromper"),
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
        form.Memo1->setPlainText(Ui::tr("Renderização interrompida; nenhuma imagem gravada.") + QLatin1Char('\n'));
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
    form.Memo1->setPlainText(Ui::tr("Imagem: %1\nCena POV-Ray: %2\n")
                                 .arg(QString::fromStdString(result.picture), QString::fromStdString(result.scene)));
}

}  // namespace

void AddCadMenuItems(TForm1& form) {
    QMenu* menu = form.MenuExportar;
    const struct {
        const char* caption;
        CadFormat format;
        const char* toolTip;
    } items[] = {
        {QT_TRANSLATE_NOOP("Ui", "STEP (sólido)..."), CadFormat::Step,
         QT_TRANSLATE_NOOP("Ui", "Grava nozzle.step: o sólido para CAD")},
        {QT_TRANSLATE_NOOP("Ui", "STL (malha do sólido)..."), CadFormat::Stl,
         QT_TRANSLATE_NOOP("Ui", "Grava nozzle.stl: a malha do sólido, para impressão 3-D")},
        {QT_TRANSLATE_NOOP("Ui", "DXF (meia seção)..."), CadFormat::Dxf,
         QT_TRANSLATE_NOOP("Ui", "Grava nozzle.dxf: a meia seção em 2-D")},
        {QT_TRANSLATE_NOOP("Ui", "SVG (gabarito 1:1)..."), CadFormat::Svg,
         QT_TRANSLATE_NOOP("Ui", "Grava nozzle.svg: a seção em escala 1:1, para imprimir um gabarito")},
        {QT_TRANSLATE_NOOP("Ui", "CSV (pontos)..."), CadFormat::Csv,
         QT_TRANSLATE_NOOP("Ui", "Grava nozzle.csv: os pontos da parede")},
    };
    for (const auto& item : items) {
        QAction* action = AddMenuItem(menu, item.caption, item.toolTip,
                                      [&form, item] { ExportCadFile(form, item.format, item.caption); });
        // This build cannot make solids: the items say so rather than fail.
        const bool solid = item.format == CadFormat::Step || item.format == CadFormat::Stl;
        action->setEnabled(!solid || SolidFormatsAvailable());
    }
    menu->addSeparator();
    AddMenuItem(menu, QT_TRANSLATE_NOOP("Ui", "Imagem renderizada (POV-Ray)..."),
                QT_TRANSLATE_NOOP("Ui", "Renderiza o bocal com o POV-Ray no painel de imagem"),
                [&form] { RenderPicture(form); });
}

}  // namespace bellnozzle::ui

#include "ui/analysis_menu.h"

#include <QDialog>
#include <QFormLayout>
#include <QLineEdit>

#include <algorithm>
#include <cmath>

#include "characteristics/analysis_report.h"
#include "core/design_summary.h"
#include "core/file_names.h"
#include "core/profile_reader.h"
#include "core/text_format.h"
#include "ui/analysis_image.h"
#include "ui/dialog_fields.h"
#include "ui/language.h"
#include "ui/main_window.h"
#include "ui/menu_items.h"
#include "ui/ui_text.h"

namespace bellnozzle::ui {
namespace {

// One number of the dialog, or a refusal that marks its entry.
double ReadNumber(QLineEdit* field, const char* english, const char* portuguese) {
    double value = 0;
    if (!ReadDialogNumber(field, value)) {
        throw FieldRefusal(field, Format("%s needs a number", english), Format("%s precisa de um número", portuguese));
    }
    return value;
}

// The gas, the pressures and the net of the analysis, with the defaults of
// "bellnozzle analyze"; the values of an accepted dialog are remembered.
class AnalysisDialog : public QDialog {
public:
    explicit AnalysisDialog(QWidget* parent) : QDialog(parent) {
        setObjectName(QStringLiteral("DialogAnalise"));
        setWindowTitle(Ui::tr("Análise 2-D"));
        auto* layout = new QFormLayout(this);
        const auto entry = [&](const char* name, const char* label, const QString& text) {
            auto* edit = new QLineEdit(text, this);
            edit->setObjectName(QString::fromLatin1(name));
            layout->addRow(Ui::tr(label), edit);
            return edit;
        };
        const moc::AnalysisOptions defaults;
        gamma_ = entry("EditGama", QT_TRANSLATE_NOOP("Ui", "Gama (cp/cv)"), QString::number(defaults.gamma));
        chamber_ = entry("EditPressao", QT_TRANSLATE_NOOP("Ui", "Pressão na câmara (bar)"),
                         QString::number(defaults.p0Bar));
        ambient_ = entry("EditAmbiente", QT_TRANSLATE_NOOP("Ui", "Pressão ambiente (bar, 0 no vácuo)"),
                         QString::number(defaults.paBar));
        net_ = entry("EditCaracteristicas", QT_TRANSLATE_NOOP("Ui", "Características na linha inicial"),
                     QString::number(moc::kDefaultCharacteristics));
        layout->addRow(MakeDialogButtons(this, Ui::tr("Analisar")));
        RestoreDialogFields(this);
    }

    void accept() override {
        if (!ReadOrMark([this] { Options(); })) return;
        RememberDialogFields(this);
        QDialog::accept();
    }

    // The options typed; a value the analysis cannot take names its field.
    moc::AnalysisOptions Options() const {
        moc::AnalysisOptions o;
        o.gamma = ReadNumber(gamma_, "gamma", "gama");
        o.p0Bar = ReadNumber(chamber_, "p0", "p0");
        o.paBar = ReadNumber(ambient_, "pa", "pa");
        // Each field checked alone, against valid values of the others, so
        // that the refusal marks the field at fault.
        const auto check = [](QLineEdit* field, const FlowConditions& flow) {
            try {
                CheckFlowConditions(flow);
            } catch (const Error& error) {
                throw FieldRefusal(field, error.what(), error.Portuguese());
            }
        };
        check(gamma_, {o.gamma, 20.0, 0.0});
        check(chamber_, {1.4, o.p0Bar, 0.0});
        check(ambient_, {1.4, 20.0, o.paBar});
        const double count = ReadNumber(net_, "the number of characteristics", "o número de características");
        if (!(count == std::floor(count) && count >= moc::kMinCharacteristics && count <= moc::kMaxCharacteristics)) {
            throw FieldRefusal(net_,
                               Format("the number of characteristics must be a whole number from %d to %d",
                                      moc::kMinCharacteristics, moc::kMaxCharacteristics),
                               Format("o número de características deve ser inteiro, de %d a %d",
                                      moc::kMinCharacteristics, moc::kMaxCharacteristics));
        }
        o.characteristics = static_cast<int>(count);
        return o;
    }

private:
    QLineEdit *gamma_, *chamber_, *ambient_, *net_;
};

void ShowAnalysis(TForm1& form) {
    // A folder without a profile is refused before anything is asked.
    const ProfileTable profile = ReadProfileTable(kProfileFileName);
    AnalysisDialog dialog(&form);
    if (dialog.exec() != QDialog::Accepted) return;
    const moc::AnalysisResult result = moc::AnalyzeProfile(profile, dialog.Options(), kProfileFileName);
    // Both panes change only once everything is ready.
    const PictureLanguage language =
        CurrentLanguage() == Language::English ? PictureLanguage::English : PictureLanguage::Portuguese;
    const QImage picture = DrawAnalysisImage(result, form.Image1->Width(), form.Image1->Height(), language);
    form.Memo1->setPlainText(AnalysisPaneText(result));
    form.Image1->GetPicture()->Assign(picture);
    form.Image1->PictureChanged();
}

}  // namespace

QString AnalysisPaneText(const moc::AnalysisResult& result) {
    return QString::fromStdString(CurrentLanguage() == Language::English ? moc::FormatAnalysisText(result)
                                                                          : moc::FormatAnalysisTextPortuguese(result));
}

void AddAnalysisMenuItem(TForm1& form) {
    AddMenuItem(form.MenuProjeto, QT_TRANSLATE_NOOP("Ui", "Análise 2-D (características)..."),
                QT_TRANSLATE_NOOP("Ui", "Escoamento supersônico do perfil da pasta pelo método das características, "
                                        "para o gás, as pressões e a rede pedidos: eficiência, empuxo, choque e "
                                        "separação no painel de texto, a rede e a pressão na parede no painel de "
                                        "figura"),
                [&form] { ShowAnalysis(form); });
}

}  // namespace bellnozzle::ui

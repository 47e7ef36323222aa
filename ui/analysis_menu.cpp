#include "ui/analysis_menu.h"

#include "characteristics/analysis_report.h"
#include "core/file_names.h"
#include "core/profile_reader.h"
#include "ui/analysis_image.h"
#include "ui/language.h"
#include "ui/main_window.h"
#include "ui/menu_items.h"
#include "ui/ui_text.h"

namespace bellnozzle::ui {
namespace {

void ShowAnalysis(TForm1& form) {
    const ProfileTable profile = ReadProfileTable(kProfileFileName);
    const moc::AnalysisResult result = moc::AnalyzeProfile(profile, moc::AnalysisOptions{}, kProfileFileName);
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
    AddMenuItem(form.MenuProjeto, QT_TRANSLATE_NOOP("Ui", "Análise 2-D (características)"),
                QT_TRANSLATE_NOOP("Ui", "Escoamento supersônico do perfil da pasta pelo método das características: "
                                        "eficiência, empuxo, choque e separação no painel de texto, a rede e a "
                                        "pressão na parede no painel de figura"),
                [&form] { ShowAnalysis(form); });
}

}  // namespace bellnozzle::ui

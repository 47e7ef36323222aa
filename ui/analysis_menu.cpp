#include "ui/analysis_menu.h"

#include "characteristics/analysis_report.h"
#include "characteristics/nozzle_analysis.h"
#include "core/file_names.h"
#include "core/profile_reader.h"
#include "ui/analysis_image.h"
#include "ui/main_window.h"
#include "ui/menu_items.h"

namespace bellnozzle::ui {
namespace {

void ShowAnalysis(TForm1& form) {
    const ProfileTable profile = ReadProfileTable(kProfileFileName);
    const moc::AnalysisResult result = moc::AnalyzeProfile(profile, moc::AnalysisOptions{}, kProfileFileName);
    // Both panes change only once everything is ready.
    const QImage picture =
        DrawAnalysisImage(result, form.Image1->Width(), form.Image1->Height(), PictureLanguage::Portuguese);
    form.Memo1->setPlainText(QString::fromStdString(moc::FormatAnalysisTextPortuguese(result)));
    form.Image1->GetPicture()->Assign(picture);
    form.Image1->PictureChanged();
}

}  // namespace

void AddAnalysisMenuItem(TForm1& form) {
    AddMenuItem(form.MenuProjeto, "Análise 2-D (características)", [&form] { ShowAnalysis(form); });
}

}  // namespace bellnozzle::ui

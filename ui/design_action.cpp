// "Cálculo": the design run of the window. Everything that can be refused is
// settled before anything on screen changes: the length must be a list item
// matching a chart curve, the core must accept the design and write the
// profile file, and the file must read back; only then are the angles, the
// chart and the text pane replaced. With the "bocal cônico" box ticked the
// design is the 15-degree reference cone, shown the same way. The method of
// "Projeto > Método do contorno" decides how the bell is designed.
#include "core/conical_contour.h"
#include "core/design.h"
#include "core/entry_conversion.h"
#include "core/error.h"
#include "core/file_names.h"
#include "core/profile_reader.h"
#include "ui/compare_menu.h"
#include "ui/contour_method_menu.h"
#include "ui/main_window.h"
#include "ui/summary_menu.h"

namespace bellnozzle::ui {
namespace {

// Both halves are plotted from the values the file holds, as every exporter
// will see them.
void ShowDesign(TForm1& form, const DesignResult& design) {
    const ProfileTable profile = ReadProfileTable(kProfileFileName);
    form.Edit2->SetText(FormatAngle(design.thetaN));
    form.Edit4->SetText(FormatAngle(design.thetaS));
    TCustomAxisPanel* const chart = form.Chart1;
    for (int series = 0; series < chart->SeriesCount(); ++series) chart->GetSeries(series)->Clear();
    TChartSeries* const upper = chart->GetSeries(0);
    TChartSeries* const lower = chart->GetSeries(1);
    for (int point = 1; point <= profile.Count; ++point) {
        const double x = profile.X[std::size_t(point)];
        const double y = profile.Y[std::size_t(point)];
        upper->AddXY(x, y, "", clBlack);
        lower->AddXY(x, -y, "", clBlack);
    }
    form.Memo1->LoadFromFile(kProfileFileName);
}

}  // namespace

void TForm1::Button2Click() {
    ClearComparisonLegend(*this);
    if (CheckBox1->GetChecked()) {
        RunConicalDesign();
    } else {
        RunDesignCalculation();
    }
    RedrawReferenceCone(*this);
}

// The length list plays no part: the cone is the length the list's
// percentages are taken of.
void TForm1::RunConicalDesign() {
    const float diameter = ConvertDecimal(Edit1->GetText());
    const float epsilon = ConvertDecimal(Edit3->GetText());
    ShowDesign(*this, RunConicalNozzleDesign(diameter, epsilon, kProfileFileName));
}

void TForm1::RunDesignCalculation() {
    const int item = ComboBox1->GetItemIndex();
    if (item < 0) {
        throw Error(
            "no bell length is selected in the list \"Comprimento\" (typed text is not used); "
            "choose 60%, 70%, 80%, 90% or 100% from the list",
            "nenhum comprimento está selecionado na lista \"Comprimento\" (texto digitado não é "
            "usado); escolha 60%, 70%, 80%, 90% ou 100% na lista");
    }
    const float diameter = ConvertDecimal(Edit1->GetText());
    const float lengthPercent = ConvertDecimal(ComboBox1->ItemText(item));
    const float epsilon = ConvertDecimal(Edit3->GetText());

    // The method chosen in "Projeto > Método do contorno"; the chart's
    // parabola by default.
    if (ChosenContourMethod(*this).method != moc::ContourMethod::Chart) {
        const DesignResult design = RunChosenContourDesign(*this, diameter, lengthPercent, epsilon);
        ShowDesign(*this, design);
        ShowDesignNotes(*this, design.notes);
        return;
    }
    // Refuses a length that matches no chart curve and a degenerate design
    // before the file is touched; the file is replaced whole or not at all.
    const DesignResult design = RunDesign(diameter, lengthPercent, epsilon, kProfileFileName);
    ShowDesign(*this, design);
    ShowDesignNotes(*this, design.notes);
}

}  // namespace bellnozzle::ui

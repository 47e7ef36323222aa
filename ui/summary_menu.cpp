#include "ui/summary_menu.h"

#include <QAction>

#include <vector>

#include "characteristics/analysis_summary.h"
#include "core/conical_contour.h"
#include "core/design_summary.h"
#include "core/error.h"
#include "core/file_names.h"
#include "core/profile_reader.h"
#include "ui/main_window.h"
#include "ui/menu_items.h"

namespace bellnozzle::ui {
namespace {

constexpr const char* kOverlayName = "ReferenceConeOverlay";
// The cone takes the pair after the contour's, in a colour of its own.
constexpr int kConeUpperSeries = 2;
constexpr int kConeLowerSeries = 3;
constexpr TColor kConeColor = clRed;

// The tick item and what it last drew, so that unticking removes the cone
// and never the chart curves of "Gráficos" that may have replaced it.
class ReferenceConeOverlay : public QObject {
public:
    explicit ReferenceConeOverlay(QObject* parent) : QObject(parent) {
        setObjectName(QString::fromLatin1(kOverlayName));
    }
    void SetItem(QAction* item) { item_ = item; }
    QAction* Item() const { return item_; }
    std::vector<TChartPoint> drawn;

private:
    QAction* item_ = nullptr;
};

bool SamePoints(const std::vector<TChartPoint>& a, const std::vector<TChartPoint>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].x != b[i].x || a[i].y != b[i].y || a[i].color != b[i].color || a[i].label != b[i].label) {
            return false;
        }
    }
    return true;
}

ReferenceConeOverlay* OverlayOf(TForm1& form) {
    return dynamic_cast<ReferenceConeOverlay*>(form.findChild<QObject*>(QString::fromLatin1(kOverlayName)));
}

double RequireValue(const ProfileTable& profile, const char* name) {
    double value = 0;
    if (ProfileHeaderValue(profile, name, value)) return value;
    throw Error(std::string("the profile file has no usable \"") + name + "=\" line; run \"Cálculo\" first",
                std::string("o arquivo de perfil não tem uma linha \"") + name +
                    "=\" utilizável; execute o \"Cálculo\" antes");
}

// The cone of the throat and area ratio the profile in the folder was made
// for; throws Error (chart unchanged) when there is none.
std::vector<ContourPoint> ReferenceConeOfProfile() {
    const ProfileTable profile = ReadProfileTable(kProfileFileName);
    const float Rt = float(RequireValue(profile, "Rt"));
    const float epsilon = float(RequireValue(profile, "epsilon"));
    return ComputeConicalPoints(Rt, ComputeConicalGeometry(Rt, epsilon));
}

void DrawCone(TForm1& form, ReferenceConeOverlay& overlay) {
    std::vector<ContourPoint> cone;
    try {
        cone = ReferenceConeOfProfile();
    } catch (const Error& error) {
        throw Error(std::string("the reference cone cannot be drawn: ") + error.what(),
                    "o cone de referência não pode ser desenhado: " + error.Portuguese());
    }
    TChartSeries* const upper = form.Chart1->GetSeries(kConeUpperSeries);
    TChartSeries* const lower = form.Chart1->GetSeries(kConeLowerSeries);
    upper->Clear();
    lower->Clear();
    for (const ContourPoint& p : cone) {
        upper->AddXY(p.x, p.y, "", kConeColor);
        lower->AddXY(p.x, -double(p.y), "", kConeColor);
    }
    overlay.drawn = upper->Points();
}

void RemoveCone(TForm1& form, ReferenceConeOverlay& overlay) {
    TChartSeries* const upper = form.Chart1->GetSeries(kConeUpperSeries);
    if (!overlay.drawn.empty() && SamePoints(upper->Points(), overlay.drawn)) {
        upper->Clear();
        form.Chart1->GetSeries(kConeLowerSeries)->Clear();
    }
    overlay.drawn.clear();
}

void ToggleCone(TForm1& form, ReferenceConeOverlay& overlay) {
    if (!overlay.Item()->isChecked()) {
        RemoveCone(form, overlay);
        return;
    }
    try {
        DrawCone(form, overlay);
    } catch (...) {
        overlay.Item()->setChecked(false);
        throw;
    }
}

void ShowSummary(TForm1& form) {
    const moc::AnalysedSummary summary = moc::SummarizeProfileFileWithAnalysis(kProfileFileName, FlowConditions{});
    form.Memo1->setPlainText(QString::fromStdString(moc::FormatAnalysedSummaryText(summary)));
}

}  // namespace

void AddSummaryMenuItems(TForm1& form) {
    AddMenuItem(form.MenuProjeto, "Resumo do projeto", [&form] { ShowSummary(form); });
    auto* overlay = new ReferenceConeOverlay(&form);
    QAction* coneItem = AddMenuItem(form.MenuProjeto, "Cone de referência no gráfico",
                                    [&form, overlay] { ToggleCone(form, *overlay); });
    coneItem->setCheckable(true);
    overlay->SetItem(coneItem);
}

void RedrawReferenceCone(TForm1& form) {
    ReferenceConeOverlay* const overlay = OverlayOf(form);
    if (overlay == nullptr || !overlay->Item()->isChecked()) return;
    overlay->drawn.clear();
    try {
        DrawCone(form, *overlay);
    } catch (...) {
        overlay->Item()->setChecked(false);
        throw;
    }
}

}  // namespace bellnozzle::ui

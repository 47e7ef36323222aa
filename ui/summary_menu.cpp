#include "ui/summary_menu.h"

#include <QAction>
#include <QStringList>

#include <vector>

#include "characteristics/analysis_report.h"
#include "characteristics/analysis_summary.h"
#include "core/conical_contour.h"
#include "core/design_summary.h"
#include "core/error.h"
#include "core/file_names.h"
#include "core/profile_reader.h"
#include "core/text_format.h"
#include "ui/analysis_menu.h"
#include "ui/main_window.h"
#include "ui/menu_items.h"
#include "ui/ui_text.h"

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
    // The cone is a contour in centimetres: over the chart's curves (degrees
    // against epsilon) it would mean nothing and hide two of them. It waits
    // for the next "Cálculo".
    if (form.Chart1->Kind() != ChartKind::Contour) {
        try {
            ReferenceConeOfProfile();
        } catch (const Error& error) {
            overlay.Item()->setChecked(false);
            throw Error(std::string("the reference cone cannot be drawn: ") + error.what(),
                        "o cone de referência não pode ser desenhado: " + error.Portuguese());
        }
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
    // The 1-D figures in labelled lines, then the 2-D analysis of the same
    // wall (or why the analysis refused it; the 1-D figures stand either way).
    const moc::AnalysedSummary summary = moc::SummarizeProfileFileWithAnalysis(kProfileFileName, FlowConditions{});
    QString text = SummaryPaneText(summary.summary) + QLatin1Char('\n');
    if (summary.analysis) {
        text += AnalysisPaneText(*summary.analysis);
    } else {
        text += Ui::tr("Análise 2-D recusada: %1").arg(MessageText(summary.refusal, summary.refusalPortuguese)) +
                QLatin1Char('\n');
    }
    form.Memo1->setPlainText(text);
}

}  // namespace

QString SummaryPaneText(const DesignSummary& s) {
    QStringList lines;
    auto number = [](double value) {
        std::string text;
        AppendG(text, value);
        return QString::fromStdString(text);
    };
    auto line = [&](const QString& label, const QString& value) {
        lines << (label + QLatin1Char(':')).leftJustified(30) + value;
    };
    line(Ui::tr("Bocal"), s.conical ? Ui::tr("cônico (15 graus)") : Ui::tr("sino"));
    line(Ui::tr("Diâmetro da garganta"), number(s.throatDiameter) + " cm");
    line(Ui::tr("Diâmetro de saída"), number(s.exitDiameter) + " cm");
    line(Ui::tr("Razão de áreas"), Ui::tr("%1 (epsilon digitado %2)").arg(number(s.areaRatio), number(s.epsilonEntered)));
    line(Ui::tr("Comprimento"), Ui::tr("%1 cm (garganta à saída)").arg(number(s.length)));
    line(Ui::tr("Comprimento do cone"), Ui::tr("%1 cm (cone de referência de 15 graus)").arg(number(s.coneLength)));
    line(Ui::tr("Redução de comprimento"),
         Ui::tr("%1 cm (%2 % do cone)").arg(number(s.lengthSaved), number(s.lengthSavedPercent)));
    line(QStringLiteral("theta_n"), Ui::tr("%1 graus").arg(number(s.thetaN)));
    line(QStringLiteral("theta_s"), Ui::tr("%1 graus").arg(number(s.thetaS)));
    line(Ui::tr("Área da parede"), Ui::tr("%1 cm² (contorno inteiro)").arg(number(s.wallArea)));
    line(Ui::tr("Volume interno"), Ui::tr("%1 cm³ (contorno inteiro)").arg(number(s.volume)));
    line(Ui::tr("Gama"), number(s.flow.gamma));
    line(Ui::tr("Pressão na câmara p0"), number(s.flow.p0Bar) + " bar");
    line(Ui::tr("Pressão ambiente pa"), number(s.flow.paBar) + " bar");
    line(Ui::tr("Mach na saída"), number(s.exitMach));
    line(Ui::tr("Razão de pressões pe/p0"), number(s.exitPressureRatio));
    line(Ui::tr("Razão de temperaturas Te/T0"), number(s.exitTemperatureRatio));
    line(Ui::tr("Pressão na saída pe"), number(s.exitPressureBar) + " bar");
    line(Ui::tr("Cf no vácuo"), number(s.thrustCoefficientVacuum));
    line(Ui::tr("Cf em pa"), number(s.thrustCoefficientAmbient));
    const QString expansion = s.expansion == Expansion::Under ? Ui::tr("subexpandido (pe acima de pa)")
                              : s.expansion == Expansion::Over ? Ui::tr("sobre-expandido (pe abaixo de pa)")
                                                               : Ui::tr("expansão ideal (pe igual a pa)");
    line(Ui::tr("Expansão"), expansion);
    if (s.separationLikely) {
        lines << Ui::tr("  pe abaixo de 0.4 pa: o escoamento provavelmente se descola da parede");
    }
    if (s.conical) line(Ui::tr("Fator de divergência"), Ui::tr("%1 ((1 + cos 15°) / 2)").arg(number(s.divergenceFactor)));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void AddSummaryMenuItems(TForm1& form) {
    AddMenuItem(form.MenuProjeto, QT_TRANSLATE_NOOP("Ui", "Resumo do projeto"),
                QT_TRANSLATE_NOOP("Ui", "Dimensões, áreas e desempenho 1-D do perfil da pasta, no painel de texto"),
                [&form] { ShowSummary(form); });
    auto* overlay = new ReferenceConeOverlay(&form);
    QAction* coneItem = AddMenuItem(form.MenuProjeto, QT_TRANSLATE_NOOP("Ui", "Cone de referência no gráfico"),
                                    QT_TRANSLATE_NOOP("Ui", "Desenha o bocal cônico de 15 graus junto ao contorno"),
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

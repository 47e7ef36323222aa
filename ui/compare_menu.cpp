#include "ui/compare_menu.h"

#include <QChart>
#include <QLegend>
#include <QLineSeries>

#include <string>

#include "characteristics/contour_methods.h"
#include "characteristics/nozzle_analysis.h"
#include "core/design_summary.h"
#include "core/entry_conversion.h"
#include "core/error.h"
#include "core/profile_reader.h"
#include "core/text_format.h"
#include "ui/contour_method_menu.h"
#include "ui/language.h"
#include "ui/main_window.h"
#include "ui/menu_items.h"
#include "ui/ui_text.h"

namespace bellnozzle::ui {
namespace {

struct ComparedMethod {
    moc::ContourMethod method;
    const char* name;     // legend and table, Portuguese
    const char* english;  // the same in an English window
    TColor color;
};

constexpr ComparedMethod kCompared[] = {
    {moc::ContourMethod::Chart, "Parábola do gráfico", "Chart parabola", clBlack},
    {moc::ContourMethod::Parabola, "Melhor parábola", "Best parabola", clBlue},
    {moc::ContourMethod::Toc, "TOC", "TOC", clRed},
    {moc::ContourMethod::Tic, "TIC", "TIC", clGreen},
    {moc::ContourMethod::Ideal, "Ideal", "Ideal", clNavy},
    {moc::ContourMethod::Cone, "Cone 15°", "15° cone", clGray},
};

bool English() { return CurrentLanguage() == Language::English; }
const char* NameOf(const ComparedMethod& entry) { return English() ? entry.english : entry.name; }

// The table's columns are padded by characters, and printf pads by bytes:
// a name with accents gets one more byte of padding per two-byte character.
std::string Padded(const char* name, int width) {
    std::string text = name;
    int characters = 0;
    for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    if (characters < width) text.append(std::size_t(width - characters), ' ');
    return text;
}

// Sea level, and the chamber pressure of the summary's defaults.
constexpr double kSeaLevelBar = 1.01325;

std::string Row(const ComparedMethod& entry, const moc::DesignRequest& request, TChartSeries* series) {
    moc::DesignRequest own = request;
    own.method = entry.method;
    moc::DesignedProfile design;
    try {
        design = moc::DesignProfile(own);
    } catch (const Error& error) {
        return Padded(NameOf(entry), 20) + (English() ? " refused: " + std::string(error.what())
                                                     : " recusado: " + error.Portuguese()) + "\n";
    }
    const ProfileTable profile = ParseProfileText(design.profileText, entry.name);
    for (int point = 1; point <= profile.Count; ++point) {
        series->AddXY(profile.X[std::size_t(point)], profile.Y[std::size_t(point)], "", entry.color);
    }
    series->Line()->setName(QString::fromUtf8(NameOf(entry)));
    const DesignSummary summary = SummarizeDesign(profile, FlowConditions{}, entry.name);
    std::string figures = "        -        -        -";
    try {
        moc::AnalysisOptions options;
        options.gamma = request.gamma;
        options.paBar = kSeaLevelBar;
        const moc::AnalysisResult analysis = moc::AnalyzeProfile(profile, options, entry.name);
        figures = Format("%9.4f %8.4f %8.4f", analysis.efficiency, analysis.cfVacuum, analysis.cfAmbient);
    } catch (const Error&) {
        // The analysis refuses this wall or is not available: the geometry
        // columns still stand.
    }
    return Padded(NameOf(entry), 20) + Format(" %9.3f %s %9.2f %11.2f\n", summary.length, figures.c_str(),
                                              double(design.thetaS), summary.wallArea);
}

void Compare(TForm1& form) {
    const int item = form.ComboBox1->GetItemIndex();
    moc::DesignRequest request;
    request.diameter = ConvertDecimal(form.Edit1->GetText());
    request.lengthPercent = item >= 0 ? ConvertDecimal(form.ComboBox1->ItemText(item)) : 80.0f;
    request.epsilon = ConvertDecimal(form.Edit3->GetText());
    request.gamma = ChosenContourMethod(form).gamma;

    TCustomAxisPanel* const chart = form.Chart1;
    chart->SetKind(ChartKind::Contour);
    for (int series = 0; series < chart->SeriesCount(); ++series) chart->GetSeries(series)->Clear();
    std::string table =
        English()
            ? Format("Contours compared: diameter %g cm, length %g %%, epsilon %g, gamma %g\n"
                     "(efficiency and thrust coefficients by the 2-D analysis, p0 20 bar, ambient %g bar)\n\n"
                     "%-20s %9s %9s %8s %8s %9s %11s\n",
                     double(request.diameter), double(request.lengthPercent), double(request.epsilon),
                     request.gamma, kSeaLevelBar, "method", "length cm", "effic.", "Cf vac.", "Cf amb.",
                     "theta_s", "area cm2")
            : Format("Comparação dos contornos: diâmetro %g cm, comprimento %g %%, epsilon %g, gama %g\n"
                     "(eficiência e coeficientes de empuxo pela análise 2-D, p0 20 bar, ambiente %g bar)\n\n"
                     "%s %9s %s %8s %8s %9s %11s\n",
                     double(request.diameter), double(request.lengthPercent), double(request.epsilon),
                     request.gamma, kSeaLevelBar, Padded("método", 20).c_str(), "compr.cm",
                     " eficiên.", "Cf vácuo", "Cf nível", "thetas", "área cm2");
    int series = 0;
    for (const ComparedMethod& entry : kCompared) {
        table += Row(entry, request, chart->GetSeries(series++));
    }
    chart->chart()->legend()->setVisible(true);
    form.Memo1->setPlainText(QString::fromStdString(table));
}

}  // namespace

void AddCompareMenuItem(TForm1& form) {
    AddMenuItem(form.MenuProjeto, QT_TRANSLATE_NOOP("Ui", "Comparar contornos"),
                QT_TRANSLATE_NOOP("Ui", "Desenha o contorno de cada método para as entradas, com legenda, e "
                                        "tabela comprimento, eficiência, empuxo e área de parede"),
                [&form] { Compare(form); });
}

void ClearComparisonLegend(TForm1& form) {
    TCustomAxisPanel* const chart = form.Chart1;
    for (int series = 0; series < chart->SeriesCount(); ++series) chart->GetSeries(series)->Line()->setName({});
    chart->chart()->legend()->setVisible(false);
}

}  // namespace bellnozzle::ui

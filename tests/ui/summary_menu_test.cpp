// The "Projeto" items of the summary and the reference cone, chosen through
// the real menus: what they show, that "Cálculo" plots and shows the same
// with the cone drawn or not, and what they refuse.
#include <QTest>

#include "characteristics/analysis_summary.h"
#include "core/conical_contour.h"
#include "core/design_summary.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

using namespace bellnozzle;
using namespace bellnozzle::ui;
using namespace bellnozzle::test;

namespace {

constexpr const char* kSummaryItem = "Resumo do projeto";
constexpr const char* kConeItem = "Cone de referência no gráfico";

QAction* ConeItem(TForm1& form) {
    for (QAction* action : form.MenuProjeto->actions()) {
        if (action->text() == QString::fromUtf8(kConeItem)) return action;
    }
    return nullptr;
}

std::vector<TChartPoint> SeriesPoints(TForm1& form, int series) { return form.Chart1->GetSeries(series)->Points(); }

bool Same(const std::vector<TChartPoint>& a, const std::vector<TChartPoint>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].x != b[i].x || a[i].y != b[i].y || a[i].color != b[i].color) return false;
    }
    return true;
}

// Series 2 and 3 hold the cone of this throat and area ratio, and its mirror.
bool ShowsCone(TForm1& form, float Rt, float epsilon) {
    const std::vector<ContourPoint> cone = ComputeConicalPoints(Rt, ComputeConicalGeometry(Rt, epsilon));
    const std::vector<TChartPoint> upper = SeriesPoints(form, 2), lower = SeriesPoints(form, 3);
    if (upper.size() != cone.size() || lower.size() != cone.size()) return false;
    for (std::size_t i = 0; i < cone.size(); ++i) {
        if (upper[i].x != cone[i].x || upper[i].y != cone[i].y || upper[i].color != clRed) return false;
        if (lower[i].x != cone[i].x || lower[i].y != -double(cone[i].y) || lower[i].color != clRed) return false;
    }
    return true;
}

}  // namespace

class SummaryMenuTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folder_ = std::make_unique<WorkFolder>(); }
    void cleanup() { folder_.reset(); }

    void summaryOfTheProfileInTheTextPane() {
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        // Without a profile: the error says to run the design, the pane keeps its text.
        ChooseMenuItem(form.MenuBar1, "Projeto", kSummaryItem);
        QCOMPARE(errors.Messages().size(), std::size_t(1));
        QVERIFY(errors.Messages()[0].find("Cálculo") != std::string::npos);
        QCOMPARE(form.Memo1->GetText(), std::string());

        form.Edit3->SetText("20");
        Click(form.Button2);
        const std::string profile = ReadBytes("zelto_perfil.txt");
        const std::vector<TChartPoint> contour = SeriesPoints(form, 0);
        ChooseMenuItem(form.MenuBar1, "Projeto", kSummaryItem);
        QCOMPARE(errors.Messages().size(), std::size_t(1));
        const std::string shown = form.Memo1->GetText();
        QCOMPARE(shown, moc::FormatAnalysedSummaryText(moc::SummarizeProfileFileWithAnalysis("zelto_perfil.txt", {})));
        QVERIFY(shown.rfind("nozzle=bell\nthroat_diameter=5 cm\n", 0) == 0);
        QVERIFY(shown.find(" (epsilon entered 20)\n") != std::string::npos);
        // Decimal points whatever the desktop's locale (this test runs under
        // a Portuguese one).
        QVERIFY(shown.find("\npa=1.01325 bar\n") != std::string::npos);
        QVERIFY(shown.find(',') == std::string::npos);
        // It only reads: the file and the chart are as "Cálculo" left them.
        QCOMPARE(ReadBytes("zelto_perfil.txt"), profile);
        QVERIFY(Same(SeriesPoints(form, 0), contour));
    }

    void referenceConeBesideTheBell() {
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        QAction* item = ConeItem(form);
        QVERIFY(item != nullptr && item->isCheckable() && !item->isChecked());
        Click(form.Button2);
        const std::vector<TChartPoint> bell = SeriesPoints(form, 0);
        const std::string memo = form.Memo1->GetText();

        ChooseMenuItem(form.MenuBar1, "Projeto", kConeItem);
        QVERIFY(item->isChecked());
        QVERIFY(ShowsCone(form, 2.5f, 10.0f));
        QVERIFY(Same(SeriesPoints(form, 0), bell));
        QCOMPARE(form.Memo1->GetText(), memo);

        // "Cálculo" plots and shows what it always does, and the cone of the
        // new design comes back beside it.
        form.Edit3->SetText("30");
        Click(form.Button2);
        const std::string profile = ReadBytes("zelto_perfil.txt");
        const std::vector<FilePoint> points = ParseProfilePoints(profile);
        QCOMPARE(form.Chart1->GetSeries(0)->Count(), int(points.size()));
        QCOMPARE(form.Chart1->GetSeries(0)->Point(0).color, clBlack);
        QCOMPARE(float(form.Chart1->GetSeries(0)->Point(int(points.size()) - 1).y), points.back().y);
        QCOMPARE(form.Memo1->GetText(), profile);
        QVERIFY(ShowsCone(form, 2.5f, 30.0f));
        for (int i = 4; i < 10; ++i) QCOMPARE(form.Chart1->GetSeries(i)->Count(), 0);

        ChooseMenuItem(form.MenuBar1, "Projeto", kConeItem);
        QVERIFY(!item->isChecked());
        QCOMPARE(form.Chart1->GetSeries(2)->Count(), 0);
        QCOMPARE(form.Chart1->GetSeries(3)->Count(), 0);
        QCOMPARE(form.Chart1->GetSeries(0)->Count(), int(points.size()));
        QVERIFY(errors.Messages().empty());
    }

    void untickingLeavesTheAngleChartCurves() {
        ErrorRecorder errors;
        QImage bitmap(8, 8, QImage::Format_RGB32);
        bitmap.fill(Qt::gray);
        QVERIFY(bitmap.save("theta.bmp", "BMP"));
        TForm1 form;
        form.show();
        Click(form.Button2);
        ChooseMenuItem(form.MenuBar1, "Projeto", kConeItem);
        Click(form.Button1);
        const std::vector<TChartPoint> curve = SeriesPoints(form, 2);
        QCOMPARE(int(curve.size()), 46);
        ChooseMenuItem(form.MenuBar1, "Projeto", kConeItem);
        QVERIFY(Same(SeriesPoints(form, 2), curve));
        QCOMPARE(form.Chart1->GetSeries(3)->Count(), 46);
        QVERIFY(errors.Messages().empty());
    }

    void coneThatCannotBeDrawnIsSaidAndUnticked() {
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        QAction* item = ConeItem(form);
        // No profile yet.
        ChooseMenuItem(form.MenuBar1, "Projeto", kConeItem);
        QCOMPARE(errors.Messages().size(), std::size_t(1));
        QVERIFY(errors.Messages()[0].find("cone de referência") != std::string::npos);
        QVERIFY(!item->isChecked());
        QCOMPARE(form.Chart1->GetSeries(2)->Count(), 0);

        // An ideal nozzle of epsilon 1.05 exists, its 15-degree cone does not
        // (the chart's parabola refuses so low an area ratio): the nozzle is
        // still designed and shown, the error says why the cone is missing.
        Click(form.Button2);
        ChooseMenuItem(form.MenuBar1, "Projeto", kConeItem);
        QVERIFY(item->isChecked());
        AnswerNumberDialog(1.4, true);
        ChooseSubmenuItem(form.MenuBar1, "Projeto", "Método do contorno", "Ideal (saída uniforme)");
        form.Edit3->SetText("1.05");
        Click(form.Button2);
        QCOMPARE(errors.Messages().size(), std::size_t(2));
        QVERIFY(errors.Messages()[1].find("cone de 15 graus") != std::string::npos);
        QVERIFY(!item->isChecked());
        QVERIFY(ReadBytes("zelto_perfil.txt").find("\nepsilon=1.05\n") != std::string::npos);
        QCOMPARE(form.Chart1->GetSeries(0)->Count(),
                 int(ParseProfilePoints(ReadBytes("zelto_perfil.txt")).size()));
        QCOMPARE(form.Chart1->GetSeries(2)->Count(), 0);
    }

private:
    std::unique_ptr<WorkFolder> folder_;
};

QTEST_MAIN(SummaryMenuTest)
#include "summary_menu_test.moc"

// "Projeto > Método do contorno" and "Projeto > Comparar contornos" through
// the real menus: "Cálculo" follows the method chosen (the gamma asked in a
// dialog, a cancelled dialog keeping the earlier choice), the "bocal cônico"
// box still means the cone, off-chart angles come with a note or a refusal,
// and the comparison draws every method with a legend and tabulates them.
#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QMessageBox>
#include <QTest>

#include "characteristics/contour_methods.h"
#include "core/conical_contour.h"
#include "ui/language.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

using namespace bellnozzle;
using namespace bellnozzle::ui;
using namespace bellnozzle::test;

namespace {

constexpr const char* kSubmenu = "Método do contorno";

QAction* FindByText(const QList<QAction*>& actions, const char* text) {
    for (QAction* action : actions) {
        if (action->text().remove(QLatin1Char('&')) == QString::fromUtf8(text)) return action;
    }
    return nullptr;
}

void ChooseMethod(TForm1& form, const char* item) { ChooseSubmenuItem(form.MenuBar1, "Projeto", kSubmenu, item); }

moc::DesignedProfile Expected(moc::ContourMethod method, float epsilon, double gamma) {
    moc::DesignRequest request;
    request.method = method;
    request.diameter = 5.0f;
    request.lengthPercent = 80.0f;
    request.epsilon = epsilon;
    request.gamma = gamma;
    return moc::DesignProfile(request);
}

QMessageBox* NoteBox(TForm1& form) { return form.findChild<QMessageBox*>(QStringLiteral("DesignNoteBox")); }

}  // namespace

class ContourMethodMenuTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folder_ = std::make_unique<WorkFolder>(); }
    void cleanup() { folder_.reset(); }

    void calculoFollowsTheMethodChosenWithItsGamma() {
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        AnswerNumberDialog(1.3, true);
        ChooseMethod(form, "Ideal (saída uniforme)");
        Click(form.Button2);
        QCOMPARE(errors.Messages().size(), std::size_t(0));
        const moc::DesignedProfile ideal = Expected(moc::ContourMethod::Ideal, 10.0f, 1.3);
        QCOMPARE(ReadBytes("zelto_perfil.txt"), ideal.profileText);
        QCOMPARE(form.Edit2->GetText(), FormatAngle(ideal.thetaN));
        QCOMPARE(form.Chart1->GetSeries(0)->Count(), int(ParseProfilePoints(ideal.profileText).size()));

        // The box still means the cone, whatever the method.
        form.CheckBox1->setChecked(true);
        Click(form.Button2);
        QCOMPARE(ReadBytes("zelto_perfil.txt"), FormatConicalProfile(2.5f, 10.0f));
        form.CheckBox1->setChecked(false);

        // Back to the chart: the file is the chart's, byte for byte.
        ChooseMethod(form, "Parábola do gráfico");
        Click(form.Button2);
        QCOMPARE(ReadBytes("zelto_perfil.txt"), Expected(moc::ContourMethod::Chart, 10.0f, 1.4).profileText);
        QCOMPARE(form.Edit2->GetText(), std::string("25.3911"));
    }

    void aCancelledGammaKeepsTheEarlierMethod() {
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        AnswerNumberDialog(1.2, false);
        ChooseMethod(form, "Ideal truncado (TIC)");
        QVERIFY(FindByText(form.findChild<QMenu*>(QStringLiteral("MenuMetodoContorno"))->actions(),
                           "Parábola do gráfico")
                    ->isChecked());
        Click(form.Button2);
        QVERIFY(ReadBytes("zelto_perfil.txt").find("\nthetan=25.3911 graus\n") != std::string::npos);
    }

    void offTheChartANoteOrARefusalThatWritesNothing() {
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        form.Edit3->SetText("55");
        Click(form.Button2);
        QCOMPARE(errors.Messages().size(), std::size_t(0));
        QVERIFY(NoteBox(form) != nullptr && NoteBox(form)->isVisible());
        QVERIFY(NoteBox(form)->text().contains(QStringLiteral("extrapolados")));
        const std::string written = ReadBytes("zelto_perfil.txt");
        NoteBox(form)->close();

        form.Edit3->SetText("100");
        form.ComboBox1->SetItemIndex(3);  // 90 %
        Click(form.Button2);
        QCOMPARE(errors.Messages().size(), std::size_t(1));
        QVERIFY(errors.Messages()[0].find("não formam um bocal") != std::string::npos);
        QVERIFY(errors.Messages()[0].find("Método do contorno") != std::string::npos);
        QCOMPARE(ReadBytes("zelto_perfil.txt"), written);
    }

    void comparisonDrawsEveryMethodWithALegendAndTabulatesThem() {
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        form.Edit3->SetText("20");
        ChooseMenuItem(form.MenuBar1, "Projeto", "Comparar contornos");
        QCOMPARE(errors.Messages().size(), std::size_t(0));
        QVERIFY(!FileExists("zelto_perfil.txt"));
        const std::string table = form.Memo1->GetText();
        for (const char* name : {"Parábola do gráfico", "Melhor parábola", "TOC", "TIC", "Ideal", "Cone 15°"}) {
            QVERIFY2(table.find(std::string("\n") + name) != std::string::npos, name);
        }
        QVERIFY(form.Chart1->chart()->legend()->isVisible());
        // The chart parabola, the truncated ideal, the ideal nozzle and the cone
        // are drawn, each named for the legend.
        for (const int series : {0, 3, 4, 5}) {
            QVERIFY(form.Chart1->GetSeries(series)->Count() > 10);
            QVERIFY(!form.Chart1->GetSeries(series)->Line()->name().isEmpty());
        }
        QCOMPARE(form.Chart1->GetSeries(5)->Count(),
                 int(ComputeConicalPoints(2.5f, ComputeConicalGeometry(2.5f, 20.0f)).size()));
        Click(form.Button2);
        QVERIFY(!form.Chart1->chart()->legend()->isVisible());
    }

    // The table and the legend in the window's language, its columns lined
    // up by characters (accented names are wider in bytes), and a method
    // that cannot design these entries (Rao's TOC at epsilon 35, 70 %,
    // gamma 1.4) named with its reason.
    void comparisonSpeaksTheWindowsLanguageInAlignedColumns() {
        for (const Language language : {Language::Portuguese, Language::English}) {
            InstallLanguage(language);
            const bool english = language == Language::English;
            ErrorRecorder errors;
            TForm1 form;
            form.show();
            form.Edit3->SetText("35");
            form.ComboBox1->SetItemIndex(1);  // 70 %
            ChooseMenuItem(form.MenuBar1, english ? "Design" : "Projeto",
                           english ? "Compare contours" : "Comparar contornos");
            QCOMPARE(errors.Messages().size(), std::size_t(0));
            const QStringList rows = QString::fromStdString(form.Memo1->GetText()).split('\n');
            const QString chart = QString::fromUtf8(english ? "Chart parabola" : "Parábola do gráfico");
            const QString tic = QStringLiteral("TIC");
            const QString refusal = QString::fromUtf8(english ? "TOC                  refused: a thrust-optimised"
                                                              : "TOC                  recusado: um contorno");
            QString chartRow, ticRow;
            bool refused = false;
            for (const QString& row : rows) {
                if (row.startsWith(chart)) chartRow = row;
                if (row.startsWith(tic)) ticRow = row;
                refused = refused || row.startsWith(refusal);
            }
            QVERIFY2(refused, qPrintable(rows.join('\n')));
            QVERIFY(!chartRow.isEmpty() && !ticRow.isEmpty());
            QCOMPARE(chartRow.indexOf('.'), ticRow.indexOf('.'));
            QCOMPARE(chartRow.size(), ticRow.size());
            QCOMPARE(form.Chart1->GetSeries(0)->Line()->name(), chart);
        }
        InstallLanguage(Language::Portuguese);
    }

private:
    std::unique_ptr<WorkFolder> folder_;
};

QTEST_MAIN(ContourMethodMenuTest)
#include "contour_method_menu_test.moc"

// "Cálculo": angles, profile file, both halves of the contour plotted from
// the file point by point, the text pane; and the runs that must change
// nothing at all.
#include <QTest>

#include "core/conical_contour.h"
#include "core/design.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

using namespace bellnozzle::ui;
using namespace bellnozzle::test;

namespace {

// Everything a refused or empty click must leave as it was.
struct WindowState {
    std::string edit2, edit4, memo, profile;
    bool profileExists;
    std::vector<int> counts;
    QImage picture;

    static WindowState Of(TForm1& form) {
        WindowState state{form.Edit2->GetText(), form.Edit4->GetText(), form.Memo1->GetText(),
                          ReadBytes("zelto_perfil.txt"), FileExists("zelto_perfil.txt"), {},
                          form.Image1->GetPicture()->Image()};
        for (int i = 0; i < 10; ++i) state.counts.push_back(form.Chart1->GetSeries(i)->Count());
        return state;
    }
    bool operator==(const WindowState&) const = default;
};

void CheckSeriesMatchFile(TForm1& form) {
    const std::string file = ReadBytes("zelto_perfil.txt");
    const std::vector<FilePoint> points = ParseProfilePoints(file);
    QCOMPARE(form.Chart1->GetSeries(0)->Count(), int(points.size()));
    QCOMPARE(form.Chart1->GetSeries(1)->Count(), int(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i) {
        QCOMPARE(points[i].number, int(i + 1));
        const TChartPoint& upper = form.Chart1->GetSeries(0)->Point(int(i));
        const TChartPoint& lower = form.Chart1->GetSeries(1)->Point(int(i));
        QCOMPARE(upper.x, double(points[i].x));
        QCOMPARE(upper.y, double(points[i].y));
        QCOMPARE(lower.x, double(points[i].x));
        QCOMPARE(lower.y, -double(points[i].y));
        QCOMPARE(upper.color, clBlack);
        QCOMPARE(lower.color, clBlack);
        QCOMPARE(upper.label, std::string());
    }
    for (int i = 2; i < 10; ++i) QCOMPARE(form.Chart1->GetSeries(i)->Count(), 0);
}

}  // namespace

class DesignActionTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folder_ = std::make_unique<WorkFolder>(); }
    void cleanup() { folder_.reset(); }

    void initialEntriesGiveTheWorkedDesign() {
        ErrorRecorder errors;
        TForm1 form;
        Click(form.Button2);
        QVERIFY(errors.Messages().empty());
        QVERIFY(FileExists("zelto_perfil.txt"));
        const std::string file = ReadBytes("zelto_perfil.txt");
        QVERIFY(file.rfind("[parametros]\nRt=2.5 cm\nepsilon=10\nLf=80 %\n", 0) == 0);
        // The angles as the window shows them are those the file holds.
        QCOMPARE(HeaderValue(file, "thetan"), std::atof(form.Edit2->GetText().c_str()));
        QCOMPARE(HeaderValue(file, "thetas"), std::atof(form.Edit4->GetText().c_str()));
        QVERIFY(std::fabs(std::atof(form.Edit2->GetText().c_str()) - 25.391) < 0.001);
        QVERIFY(std::fabs(std::atof(form.Edit4->GetText().c_str()) - 10.859) < 0.001);
        QVERIFY(form.Edit2->GetText().size() <= 8);  // "%g": six significant digits
        CheckSeriesMatchFile(form);
        QCOMPARE(form.Chart1->GetSeries(0)->Count(), 53);
        const TChartPoint first = form.Chart1->GetSeries(0)->Point(0);
        const TChartPoint exit = form.Chart1->GetSeries(0)->Point(52);
        QCOMPARE(float(first.x), -2.65f);
        QCOMPARE(float(exit.x), float(HeaderValue(file, "lengf")));
        QCOMPARE(float(exit.y), float(HeaderValue(file, "Re")));
        QCOMPARE(float(exit.x), 16.5344f);
        QCOMPARE(float(exit.y), 7.90569f);
        QCOMPARE(float(form.Chart1->GetSeries(1)->Point(52).y), -7.90569f);
        QCOMPARE(form.Memo1->GetText(), file);
        QVERIFY(form.Memo1->GetText().rfind("[parametros]\n", 0) == 0);
    }

    void secondClickReplacesAndAnglesChartViewIsCleared() {
        ErrorRecorder errors;
        TForm1 form;
        Click(form.Button2);
        Click(form.Button2);
        CheckSeriesMatchFile(form);
        QCOMPARE(form.Chart1->GetSeries(0)->Count(), 53);
        // Fill all ten series through the chart view, then design again.
        QImage bitmap(8, 8, QImage::Format_RGB32);
        bitmap.fill(Qt::gray);
        QVERIFY(bitmap.save("theta.bmp", "BMP"));
        Click(form.Button1);
        QCOMPARE(form.Chart1->GetSeries(9)->Count(), 46);
        Click(form.Button2);
        CheckSeriesMatchFile(form);
        QVERIFY(errors.Messages().empty());
    }

    void tickedConicalBoxDesignsTheReferenceCone() {
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        QTest::mouseClick(form.CheckBox1, Qt::LeftButton);
        QVERIFY(form.CheckBox1->GetChecked());
        // The length list plays no part: typed text that names no item is
        // no reason to refuse the cone.
        form.ComboBox1->lineEdit()->selectAll();
        QTest::keyClicks(form.ComboBox1->lineEdit(), "85");
        Click(form.Button2);
        QVERIFY(errors.Messages().empty());
        const std::string file = ReadBytes("zelto_perfil.txt");
        QCOMPARE(file, bellnozzle::FormatConicalProfile(2.5f, 10.0f));
        QCOMPARE(form.Edit2->GetText(), std::string("15"));
        QCOMPARE(form.Edit4->GetText(), std::string("15"));
        CheckSeriesMatchFile(form);
        QCOMPARE(form.Chart1->GetSeries(0)->Count(), 59);
        const TChartPoint exit = form.Chart1->GetSeries(0)->Point(58);
        QCOMPARE(float(exit.x), 20.668f);
        QCOMPARE(float(exit.y), 7.90569f);
        QCOMPARE(form.Memo1->GetText(), file);

        // Refused like the bell: nothing on screen or on disk changes.
        const WindowState before = WindowState::Of(form);
        form.Edit3->SetText("1.05");
        Click(form.Button2);
        form.Edit3->SetText("10");
        form.Edit1->SetText("0");
        Click(form.Button2);
        QCOMPARE(errors.Messages().size(), std::size_t(2));
        QVERIFY(errors.Messages()[0].find("cone de 15 graus") != std::string::npos);
        QVERIFY(errors.Messages()[1].find("diâmetro") != std::string::npos);
        QVERIFY(WindowState::Of(form) == before);
    }

    void untickedBoxGivesTheBellByteForByte() {
        ErrorRecorder errors;
        bellnozzle::RunDesign(5.0f, 80.0f, 10.0f, "bell.txt");
        TForm1 form;
        form.show();
        QTest::mouseClick(form.CheckBox1, Qt::LeftButton);
        Click(form.Button2);
        QTest::mouseClick(form.CheckBox1, Qt::LeftButton);
        QVERIFY(!form.CheckBox1->GetChecked());
        Click(form.Button2);
        QVERIFY(errors.Messages().empty());
        QCOMPARE(ReadBytes("zelto_perfil.txt"), ReadBytes("bell.txt"));
        QCOMPARE(form.Chart1->GetSeries(0)->Count(), 53);
        CheckSeriesMatchFile(form);
        QCOMPARE(form.Edit2->GetText(), std::string("25.3911"));
    }

    void diameterTextConvertsByItsLeadingNumber() {
        ErrorRecorder errors;
        TForm1 form;
        std::string files[3];
        const char* texts[] = {"5.0", "5", "5,0"};
        for (int i = 0; i < 3; ++i) {
            form.Edit1->SetText(texts[i]);
            Click(form.Button2);
            files[i] = ReadBytes("zelto_perfil.txt");
        }
        QVERIFY(files[0].find("Rt=2.5 cm\n") != std::string::npos);
        QCOMPARE(files[1], files[0]);
        QCOMPARE(files[2], files[0]);
        QVERIFY(errors.Messages().empty());
    }

    void typedLengthIsRefusedAndNothingChanges() {
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        Click(form.Button2);
        const WindowState before = WindowState::Of(form);
        form.ComboBox1->lineEdit()->selectAll();
        QTest::keyClicks(form.ComboBox1->lineEdit(), "90");
        Click(form.Button2);
        QCOMPARE(errors.Messages().size(), std::size_t(1));
        QVERIFY(errors.Messages()[0].find("Comprimento") != std::string::npos);
        QVERIFY(errors.Messages()[0].find("escolha") != std::string::npos);
        QVERIFY(WindowState::Of(form) == before);
    }

    void typingAListItemsTextUsesThatItem() {
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        form.ComboBox1->lineEdit()->selectAll();
        QTest::keyClicks(form.ComboBox1->lineEdit(), "90%");
        Click(form.Button2);
        QVERIFY(errors.Messages().empty());
        QVERIFY(ReadBytes("zelto_perfil.txt").find("\nLf=90 %\n") != std::string::npos);
    }

    void lengthMatchingNoChartCurveIsRefused() {
        ErrorRecorder errors;
        TForm1 form;
        form.ComboBox1->AddItem("85%");
        form.ComboBox1->SetItemIndex(5);
        const WindowState before = WindowState::Of(form);
        Click(form.Button2);
        QCOMPARE(errors.Messages().size(), std::size_t(1));
        QVERIFY(errors.Messages()[0].find("85") != std::string::npos);
        QVERIFY(!FileExists("zelto_perfil.txt"));
        QVERIFY(WindowState::Of(form) == before);
    }

    void degenerateDesignIsRefusedAndTheOldFileKept() {
        ErrorRecorder errors;
        TForm1 form;
        Click(form.Button2);
        const WindowState before = WindowState::Of(form);
        for (const char* diameter : {"0", "abc", "-3"}) {
            form.Edit1->SetText(diameter);
            Click(form.Button2);
            QVERIFY(WindowState::Of(form) == before);
        }
        form.Edit1->SetText("5.0");
        form.Edit3->SetText("0.5");  // an area ratio below 1
        Click(form.Button2);
        QVERIFY(WindowState::Of(form) == before);
        QCOMPARE(errors.Messages().size(), std::size_t(4));
        QVERIFY(errors.Messages()[0].find("diâmetro") != std::string::npos);
        QVERIFY(errors.Messages()[3].find("epsilon") != std::string::npos);
    }

private:
    std::unique_ptr<WorkFolder> folder_;
};

QTEST_MAIN(DesignActionTest)
#include "design_action_test.moc"

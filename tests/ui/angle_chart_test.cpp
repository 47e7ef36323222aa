// "Gráficos": the bitmap from the working folder and the ten chart curves,
// 46 points each; without a loadable bitmap the error box and no change.
#include <QLineSeries>
#include <QTest>

#include "ui/main_window.h"
#include "ui_test_support.h"

using namespace bellnozzle::ui;
using namespace bellnozzle::test;

namespace {

QImage SaveBitmap(QColor color) {
    QImage bitmap(30, 20, QImage::Format_RGB32);
    bitmap.fill(color);
    bitmap.setPixelColor(29, 19, Qt::black);
    if (!bitmap.save("theta.bmp", "BMP")) qFatal("cannot write theta.bmp");
    return bitmap;
}

bool Near(double value, double expected) { return std::fabs(value - expected) <= 0.001; }

}  // namespace

class AngleChartTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folder_ = std::make_unique<WorkFolder>(); }
    void cleanup() { folder_.reset(); }

    void plotsTheTenCurvesAndShowsTheBitmap() {
        ErrorRecorder errors;
        TForm1 form;
        const QImage bitmap = SaveBitmap(Qt::yellow);
        Click(form.Button1);
        QVERIFY(errors.Messages().empty());
        QCOMPARE(form.Image1->GetPicture()->Image(), bitmap);
        for (int series = 0; series < 10; ++series) {
            TChartSeries* s = form.Chart1->GetSeries(series);
            QCOMPARE(s->Count(), 46);
            for (int i = 0; i < 46; ++i) {
                QCOMPARE(s->Point(i).x, double(5 + i));
                QCOMPARE(s->Point(i).color, series % 2 == 0 ? clRed : clBlue);
                QCOMPARE(s->Point(i).label, std::string());
            }
        }
        TCustomAxisPanel& chart = *form.Chart1;
        QVERIFY(Near(chart.GetSeries(0)->Point(0).y, 28.2895));
        QVERIFY(Near(chart.GetSeries(0)->Point(45).y, 38.2895));
        QVERIFY(Near(chart.GetSeries(1)->Point(0).y, 19.8684));
        QVERIFY(Near(chart.GetSeries(1)->Point(45).y, 12.8947));
        QVERIFY(Near(chart.GetSeries(9)->Point(45).y, 4.60526));
        QVERIFY(Near(chart.GetSeries(4)->Point(5).y, 25.391));
        QVERIFY(Near(chart.GetSeries(5)->Point(5).y, 10.859));
        // Tabulated points come back exactly as stored.
        QCOMPARE(float(chart.GetSeries(4)->Point(0).y), 22.6316f);
        QCOMPARE(float(chart.GetSeries(5)->Point(45).y), 7.63158f);
        chart.Sync();
        QCOMPARE(chart.GetSeries(0)->Line()->count(), 46);
        QCOMPARE(chart.GetSeries(0)->Line()->pen().color(), QColor(255, 0, 0));
        QCOMPARE(chart.GetSeries(1)->Line()->pen().color(), QColor(0, 0, 255));
    }

    void entriesPlayNoPartAndClicksDoNotAccumulate() {
        ErrorRecorder errors;
        TForm1 form;
        SaveBitmap(Qt::yellow);
        Click(form.Button1);
        std::vector<double> first;
        for (int series = 0; series < 10; ++series) {
            for (const TChartPoint& p : form.Chart1->GetSeries(series)->Points()) first.push_back(p.y);
        }
        form.Edit3->SetText("40");
        form.ComboBox1->SetItemIndex(0);
        Click(form.Button1);
        std::vector<double> second;
        for (int series = 0; series < 10; ++series) {
            QCOMPARE(form.Chart1->GetSeries(series)->Count(), 46);
            for (const TChartPoint& p : form.Chart1->GetSeries(series)->Points()) second.push_back(p.y);
        }
        QCOMPARE(second, first);
        QVERIFY(errors.Messages().empty());
    }

    void missingOrBrokenBitmapShowsTheErrorAndChangesNothing() {
        ErrorRecorder errors;
        TForm1 form;
        Click(form.Button2);  // a contour in the chart to keep
        const QImage picture = form.Image1->GetPicture()->Image();
        Click(form.Button1);
        WriteBytes("theta.bmp", "not a bitmap at all");
        Click(form.Button1);
        QImage png(4, 4, QImage::Format_RGB32);
        png.fill(Qt::green);
        QVERIFY(png.save("theta.bmp", "PNG"));  // a picture, but not a bitmap
        Click(form.Button1);
        QCOMPARE(errors.Messages().size(), std::size_t(3));
        QVERIFY(errors.Messages()[0].find("theta.bmp") != std::string::npos);
        QCOMPARE(form.Image1->GetPicture()->Image(), picture);
        QCOMPARE(form.Chart1->GetSeries(0)->Count(), 53);
        QCOMPARE(form.Chart1->GetSeries(1)->Count(), 53);
        for (int i = 2; i < 10; ++i) QCOMPARE(form.Chart1->GetSeries(i)->Count(), 0);
        // The window stays usable: a good bitmap loads afterwards.
        const QImage bitmap = SaveBitmap(Qt::cyan);
        Click(form.Button1);
        QCOMPARE(errors.Messages().size(), std::size_t(3));
        QCOMPARE(form.Image1->GetPicture()->Image(), bitmap);
    }

private:
    std::unique_ptr<WorkFolder> folder_;
};

QTEST_MAIN(AngleChartTest)
#include "angle_chart_test.moc"

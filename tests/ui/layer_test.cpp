// The toolkit layer: the operations the form relies on behave as the form
// code assumes (pixels outside ignored, series sorted by x, failed loads
// leaving things unchanged, the error box catchable).
#include <QLineSeries>
#include <QTest>

#include <stdexcept>

#include "core/error.h"
#include "ui/chart_picture.h"
#include "ui/mesh_preview.h"
#include "ui/run_window.h"
#include "ui/vcl_layer.h"
#include "ui_test_support.h"

using namespace bellnozzle;
using namespace bellnozzle::ui;
using namespace bellnozzle::test;

class LayerTest : public QObject {
    Q_OBJECT

private slots:
    void canvasIgnoresPixelsOutsideAndRectangleHasAnOutline() {
        QWidget parent;
        TImage image(&parent);
        image.setGeometry(0, 0, 40, 30);
        TCanvas& canvas = *image.GetCanvas();
        QCOMPARE(canvas.Width(), 40);
        QCOMPARE(canvas.Height(), 30);
        canvas.Rectangle(0, 0, 40, 30);
        const QImage before = image.GetPicture()->Image();
        for (const QPoint p : {QPoint(-1, 5), QPoint(40, 5), QPoint(5, -1), QPoint(5, 30),
                               QPoint(-2147483647 - 1, 2147483647)}) {
            canvas.SetPixel(p.x(), p.y(), clBlue);
        }
        QCOMPARE(image.GetPicture()->Image(), before);
        const QImage& pixels = image.GetPicture()->Image();
        QCOMPARE(QColor(pixels.pixel(0, 0)), QColor(Qt::black));
        QCOMPARE(QColor(pixels.pixel(39, 29)), QColor(Qt::black));
        QCOMPARE(QColor(pixels.pixel(39, 10)), QColor(Qt::black));
        QCOMPARE(QColor(pixels.pixel(1, 1)), QColor(Qt::white));
        QCOMPARE(QColor(pixels.pixel(38, 28)), QColor(Qt::white));
        canvas.SetPixel(5, 6, clBlue);
        QCOMPARE(QColor(image.GetPicture()->Image().pixel(5, 6)), QColor(0, 0, 255));
    }

    void previewPixelTruncatesTowardZeroAndRefusesWhatIsOffTheCanvas() {
        int pixel = -7;
        QVERIFY(PreviewPixel(-0.5, 0, 546, pixel));
        QCOMPARE(pixel, 0);
        QVERIFY(PreviewPixel(-0.99, 0, 546, pixel));
        QCOMPARE(pixel, 0);
        QVERIFY(!PreviewPixel(-1.0, 0, 546, pixel));
        QVERIFY(PreviewPixel(545.9, 0, 546, pixel));
        QCOMPARE(pixel, 545);
        QVERIFY(!PreviewPixel(546.0, 0, 546, pixel));
        // The row offset is added after the truncation.
        QVERIFY(PreviewPixel(-0.5, 100, 496, pixel));
        QCOMPARE(pixel, 100);
        QVERIFY(PreviewPixel(198.9, 100, 496, pixel));
        QCOMPARE(pixel, 298);
        // Values far beyond the int range, and not-a-number, are skipped.
        pixel = 3;
        QVERIFY(!PreviewPixel(3e39, 0, 546, pixel));
        QVERIFY(!PreviewPixel(-3e39, 300, 546, pixel));
        QVERIFY(!PreviewPixel(std::nan(""), 0, 546, pixel));
        QCOMPARE(pixel, 3);
    }

    void seriesKeepAscendingXAndTakeTheColourOfTheirPoints() {
        TCustomAxisPanel chart(nullptr, {clRed, clGreen});
        TChartSeries* series = chart.GetSeries(1);
        series->AddXY(3.0, 30.0, "", clBlue);
        series->AddXY(1.0, 10.0, "", clBlue);
        series->AddXY(2.0, 20.0, "", clBlue);
        series->AddXY(2.0, 21.0, "", clBlue);
        QCOMPARE(series->Count(), 4);
        QCOMPARE(series->Line()->count(), 0);  // drawn once the loop runs again
        QCoreApplication::processEvents();
        const double expectedX[] = {1, 2, 2, 3};
        const double expectedY[] = {10, 20, 21, 30};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(series->Point(i).x, expectedX[i]);
            QCOMPARE(series->Point(i).y, expectedY[i]);
            QCOMPARE(series->Line()->at(i), QPointF(expectedX[i], expectedY[i]));
        }
        QCOMPARE(series->Line()->pen().color(), QColor(0, 0, 255));
        QCOMPARE(chart.GetSeries(0)->Count(), 0);
        series->Clear();
        QCOMPARE(series->Count(), 0);
        chart.Sync();
        QCOMPARE(series->Line()->count(), 0);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, chart.GetSeries(2));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, chart.GetSeries(-1));
    }

    void comboBoxReportsNoItemForTypedText() {
        TCustomComboBox box(nullptr);
        for (const char* item : {"60%", "70%", "80%"}) box.AddItem(item);
        box.SetItemIndex(2);
        QCOMPARE(box.GetItemIndex(), 2);
        QCOMPARE(box.ItemText(2), std::string("80%"));
        box.lineEdit()->selectAll();
        QTest::keyClicks(box.lineEdit(), "85%");
        QCOMPARE(box.GetText(), std::string("85%"));
        QCOMPARE(box.GetItemIndex(), -1);
        QTest::keyClick(box.lineEdit(), Qt::Key_Return);
        QCOMPARE(box.count(), 3);  // Enter adds no item
        QCOMPARE(box.GetItemIndex(), -1);
        // Typing an item's own text selects that item.
        box.lineEdit()->selectAll();
        QTest::keyClicks(box.lineEdit(), "70%");
        QCOMPARE(box.GetItemIndex(), 1);
        box.SetText("70");
        QCOMPARE(box.GetItemIndex(), -1);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, box.ItemText(-1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, box.ItemText(3));
        box.SetItemIndex(0);
        QCOMPARE(box.GetItemIndex(), 0);
    }

    void memoShowsFilesAsWindows1252AndKeepsItsTextOnFailure() {
        WorkFolder folder;
        WriteBytes("pane.txt", std::string("c\xE9lulas \x80 ok\n"));
        TMemo memo(nullptr);
        memo.LoadFromFile("pane.txt");
        QCOMPARE(QString::fromStdString(memo.GetText()), QString::fromUtf8("células € ok\n"));
        QVERIFY_THROWS_EXCEPTION(Error, memo.LoadFromFile("missing.txt"));
        QCOMPARE(QString::fromStdString(memo.GetText()), QString::fromUtf8("células € ok\n"));
    }

    void chartBitmapIsWrittenAndLoadsBack() {
        WorkFolder folder;
        std::string error;
        QVERIFY(WriteChartBitmap("theta.bmp", error));
        TPicture picture;
        picture.LoadFromFile("theta.bmp");
        QCOMPARE(picture.Image().size(), QSize(kChartPictureWidth, kChartPictureHeight));
        QCOMPARE(picture.Image(), DrawChartPicture());
        QVERIFY(!WriteChartBitmap("no/such/folder/theta.bmp", error));
        QVERIFY(error.find("no/such/folder/theta.bmp") != std::string::npos);
        QVERIFY(!FileExists("no/such/folder/theta.bmp"));
    }
};

QTEST_MAIN(LayerTest)
#include "layer_test.moc"

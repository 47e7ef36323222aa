// The window as it opens: captions, initial contents, read-only angle
// entries, the selected length, the keyboard order and the start-up chart.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "ui/main_window.h"
#include "ui/run_window.h"
#include "ui_test_support.h"

using namespace bellnozzle::ui;
using namespace bellnozzle::test;

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void captionsAreTheWindowsOwnWords() {
        TForm1 form;
        const std::pair<QString, const char*> captions[] = {
            {form.windowTitle(), "Perfil Zelto 1.0"},     {form.GroupBox1->title(), "Entradas"},
            {form.GroupBox2->title(), "Mesh"},             {form.Label1->text(), "Diâmetro garganta (cm)"},
            {form.Label2->text(), "Comprimento"},          {form.Label3->text(), "epsilon (5-50)"},
            {form.Label5->text(), "theta_n (graus)"},      {form.Label6->text(), "theta_s (graus)"},
            {form.Label7->text(), "NX"},                   {form.Label8->text(), "NY"},
            {form.CheckBox1->text(), "bocal cônico"},      {form.Button1->text(), "Gráficos"},
            {form.Button2->text(), "Cálculo"},             {form.Button3->text(), "PovRay"},
            {form.Button4->text(), "blockMesh"},           {form.Button5->text(), "gmesh"},
            {form.Button6->text(), "gmesh2"}};
        for (const auto& [shown, expected] : captions) QCOMPARE(shown, QString::fromUtf8(expected));
    }

    void initialContents() {
        TForm1 form;
        QCOMPARE(form.Edit1->GetText(), std::string("5.0"));
        QCOMPARE(form.Edit3->GetText(), std::string("10"));
        QCOMPARE(form.Edit5->GetText(), std::string("100"));
        QCOMPARE(form.Edit6->GetText(), std::string("20"));
        QCOMPARE(form.Edit2->GetText(), std::string());
        QCOMPARE(form.Edit4->GetText(), std::string());
        QCOMPARE(form.ComboBox1->count(), 5);
        const char* items[] = {"60%", "70%", "80%", "90%", "100%"};
        for (int i = 0; i < 5; ++i) QCOMPARE(form.ComboBox1->ItemText(i), std::string(items[i]));
        QCOMPARE(form.ComboBox1->GetItemIndex(), 2);
        QCOMPARE(form.ComboBox1->GetText(), std::string("80%"));
        QVERIFY(!form.CheckBox1->GetChecked());
        QCOMPARE(form.Memo1->GetText(), std::string());
        QCOMPARE(form.Chart1->SeriesCount(), 10);
        for (int i = 0; i < 10; ++i) QCOMPARE(form.Chart1->GetSeries(i)->Count(), 0);
    }

    void angleEntriesCannotBeTypedInto() {
        TForm1 form;
        form.show();
        QVERIFY(form.Edit2->isReadOnly());
        QVERIFY(form.Edit4->isReadOnly());
        QTest::keyClicks(form.Edit2, "12");
        QTest::keyClicks(form.Edit4, "34");
        QCOMPARE(form.Edit2->GetText(), std::string());
        QCOMPARE(form.Edit4->GetText(), std::string());
        QTest::keyClicks(form.Edit1, "5");
        QCOMPARE(form.Edit1->GetText(), std::string("5.05"));
    }

    void labelsStayClearOfTheirEntries() {
        TForm1 form;
        const std::pair<QWidget*, QWidget*> pairs[] = {{form.Label1, form.Edit1}, {form.Label2, form.ComboBox1},
                                                       {form.Label3, form.Edit3}, {form.Label5, form.Edit2},
                                                       {form.Label6, form.Edit4}, {form.Label7, form.Edit5}};
        for (const auto& [label, entry] : pairs) QVERIFY(label->geometry().right() < entry->geometry().left());
        QVERIFY(form.CheckBox1->sizeHint().width() <= form.CheckBox1->width());
    }

    void keyboardOrderFollowsTheStoredOrder() {
        TForm1 form;
        const QWidget* order[] = {form.Edit1,   form.Edit3,  form.ComboBox1, form.Edit2,
                                  form.Edit4,   form.CheckBox1, form.Button1, form.Memo1,
                                  form.Chart1,  form.Button2, form.Edit5,    form.Edit6,
                                  form.Button4, form.Button3, form.Button5,  form.Button6};
        for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
            // Skip what Tab never stops at (labels, group frames) and the
            // widgets Qt puts inside a control (the list's own edit field).
            QWidget* next = order[i]->nextInFocusChain();
            while (next != nullptr &&
                   (!(next->focusPolicy() & Qt::TabFocus) || order[i]->isAncestorOf(next))) {
                next = next->nextInFocusChain();
            }
            QCOMPARE(next, order[i + 1]);
        }
    }

    void startsWithTheDesignChartPicture() {
        TForm1 form;
        const QImage& picture = form.Image1->GetPicture()->Image();
        QCOMPARE(picture.size(), QSize(560, 525));
        int coloured = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QColor c(picture.pixel(x, y));
                if (c.saturation() > 100) ++coloured;
            }
        }
        QVERIFY(coloured > 1000);  // ten coloured curves, not a blank pane
        form.show();
        const QImage shown = form.Image1->grab().toImage();
        QCOMPARE(shown.pixelColor(100, 100), picture.pixelColor(100, 100));
    }

    void closingTheWindowEndsTheProgramWithStatusZero() {
        // The start draws the chart picture into the working folder.
        WorkFolder folder;
        bool sawWindow = false;
        QTimer::singleShot(50, [&sawWindow] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->isVisible() && window->windowTitle() == QString::fromUtf8("Perfil Zelto 1.0")) {
                    sawWindow = true;
                    window->close();
                }
            }
        });
        char name[] = "bellnozzle";
        char* argv[] = {name, nullptr};
        QCOMPARE(RunWindow(1, argv), 0);
        QVERIFY(sawWindow);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"

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
        QCOMPARE(form.windowTitle(), QString::fromUtf8("Perfil Zelto 1.0"));
        QCOMPARE(form.GroupBox1->title(), QString::fromUtf8("Entradas"));
        QCOMPARE(form.GroupBox2->title(), QString::fromUtf8("Mesh"));
        QCOMPARE(form.Label1->text(), QString::fromUtf8("Diâmetro garganta (cm)"));
        QCOMPARE(form.Label2->text(), QString::fromUtf8("Comprimento"));
        QCOMPARE(form.Label3->text(), QString::fromUtf8("epsilon (5-50)"));
        QCOMPARE(form.Label5->text(), QString::fromUtf8("theta_n (graus)"));
        QCOMPARE(form.Label6->text(), QString::fromUtf8("theta_s (graus)"));
        QCOMPARE(form.Label7->text(), QString::fromUtf8("NX"));
        QCOMPARE(form.Label8->text(), QString::fromUtf8("NY"));
        QCOMPARE(form.CheckBox1->text(), QString::fromUtf8("bocal cônico"));
        QCOMPARE(form.Button1->text(), QString::fromUtf8("Gráficos"));
        QCOMPARE(form.Button2->text(), QString::fromUtf8("Cálculo"));
        QCOMPARE(form.Button3->text(), QString::fromUtf8("PovRay"));
        QCOMPARE(form.Button4->text(), QString::fromUtf8("blockMesh"));
        QCOMPARE(form.Button5->text(), QString::fromUtf8("gmesh"));
        QCOMPARE(form.Button6->text(), QString::fromUtf8("gmesh2"));
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

    void layoutKeepsTheArrangement() {
        TForm1 form;
        QCOMPARE(form.GroupBox1->geometry(), QRect(808, 8, 377, 113));
        QCOMPARE(form.GroupBox2->geometry(), QRect(112, 72, 121, 81));
        QCOMPARE(form.Memo1->geometry(), QRect(8, 160, 241, 345));
        QCOMPARE(form.Image1->geometry(), QRect(256, 8, 546, 496));
        QCOMPARE(form.Chart1->geometry(), QRect(808, 128, 369, 377));
        QCOMPARE(form.Button2->geometry(), QRect(112, 8, 97, 25));
        QCOMPARE(form.Edit1->geometry().topLeft(), QPoint(136, 32));
        // Every label ends before the entry beside it.
        QVERIFY(form.Label1->geometry().right() < form.Edit1->geometry().left());
        QVERIFY(form.Label3->geometry().right() < form.Edit3->geometry().left());
        QVERIFY(form.Label5->geometry().right() < form.Edit2->geometry().left());
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

// The window as people use it: it resizes without cutting anything off, draws
// the contour to scale, keeps the reference cone off the chart's curves, and
// answers the keyboard; every menu item says what it does.
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>
#include <QValueAxis>

#include "core/version.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

using namespace bellnozzle;
using namespace bellnozzle::ui;
using namespace bellnozzle::test;

namespace {

// Centimetres per pixel along each axis of the chart's plot area.
std::pair<double, double> Scale(TForm1& form) {
    const QRectF area = form.Chart1->chart()->plotArea();
    const QValueAxis* x = form.Chart1->AxisX();
    const QValueAxis* y = form.Chart1->AxisY();
    return {(x->max() - x->min()) / area.width(), (y->max() - y->min()) / area.height()};
}

// Lets the chart take its new points and size.
void Settle(TForm1& form) {
    QApplication::processEvents();
    form.Chart1->Sync();
    QApplication::processEvents();
}

QList<QAction*> MenuItems(TForm1& form) {
    QList<QAction*> items;
    for (QMenu* menu : form.MenuBar1->findChildren<QMenu*>()) {
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator() && action->menu() == nullptr) items << action;
        }
    }
    return items;
}

}  // namespace

class WindowUseTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folder_ = std::make_unique<WorkFolder>(); }
    void cleanup() { folder_.reset(); }

    void resizingGivesRoomToThePanesAndNeverClips() {
        TForm1 form;
        form.show();
        const int menu = form.MenuBar1->height();
        const struct {
            QSize window;
            bool grows;
        } sizes[] = {{{1195, 513 + menu}, false}, {{1400, 900}, true}, {{800, 450}, false}};
        for (const auto& size : sizes) {
            form.resize(size.window);
            QApplication::processEvents();
            QCOMPARE(form.size(), size.window);
            // The buttons, the mesh group and the inputs keep their size; the
            // inputs stay above the chart at its left edge.
            QCOMPARE(form.Button1->geometry(), QRect(8, 8, 97, 25));
            QCOMPARE(form.GroupBox2->geometry(), QRect(112, 72, 121, 81));
            QCOMPARE(form.GroupBox1->size(), QSize(377, 113));
            QCOMPARE(form.GroupBox1->x(), form.Chart1->x());
            const QSize client = form.Client->size();
            QVERIFY(client.width() >= 1195 && client.height() >= 513);
            for (QWidget* pane : {static_cast<QWidget*>(form.Memo1), static_cast<QWidget*>(form.Image1),
                                  static_cast<QWidget*>(form.Chart1), static_cast<QWidget*>(form.GroupBox1)}) {
                QVERIFY2(QRect(QPoint(0, 0), client).contains(pane->geometry()), pane->metaObject()->className());
            }
            // Panes do not overlap one another.
            QVERIFY(form.Memo1->geometry().right() < form.Image1->x());
            QVERIFY(form.Image1->geometry().right() < form.Chart1->x());
            if (size.grows) {
                QVERIFY(form.Memo1->width() > 241 + 40 && form.Memo1->height() > 345 + 300);
                QVERIFY(form.Image1->width() > 546 + 60 && form.Image1->height() > 496 + 300);
                QVERIFY(form.Chart1->width() > 369 + 60 && form.Chart1->height() > 377 + 300);
                QVERIFY(std::abs(form.Chart1->geometry().bottom() - form.Image1->geometry().bottom()) <= 1);
            }
            // Smaller than the layout, the controls scroll rather than shrink.
            const bool scrolls = size.window.width() < 1195;
            QCOMPARE(form.ClientArea->horizontalScrollBar()->isVisible(), scrolls);
        }
    }

    void contourIsDrawnToTheSameScaleOnBothAxes() {
        TForm1 form;
        form.show();
        Click(form.Button2);
        for (const QSize size : {QSize(1195, 540), QSize(1500, 700)}) {
            form.resize(size);
            Settle(form);
            const auto [x, y] = Scale(form);
            QVERIFY2(std::abs(x / y - 1.0) < 0.01, qPrintable(QString("%1 %2").arg(x).arg(y)));
            // The whole contour and its mirror image are inside the axes.
            QVERIFY(form.Chart1->AxisX()->min() <= -2.65 && form.Chart1->AxisX()->max() >= 16.53);
            QVERIFY(form.Chart1->AxisY()->min() <= -7.9 && form.Chart1->AxisY()->max() >= 7.9);
        }
    }

    void referenceConeStaysOffTheChartCurves() {
        ErrorRecorder errors;
        QImage bitmap(8, 8, QImage::Format_RGB32);
        bitmap.fill(Qt::gray);
        QVERIFY(bitmap.save("theta.bmp", "BMP"));
        TForm1 form;
        form.show();
        Click(form.Button2);
        Click(form.Button1);
        QCOMPARE(form.Chart1->Kind(), ChartKind::Curves);
        ChooseMenuItem(form.MenuBar1, "Projeto", "Cone de referência no gráfico");
        Settle(form);
        // The 70 % curves keep their 46 points, in degrees, not the cone.
        for (int series = 0; series < 10; ++series) QCOMPARE(form.Chart1->GetSeries(series)->Count(), 46);
        QCOMPARE(form.Chart1->GetSeries(2)->Point(0).color, clRed);
        // The next design shows it beside the contour.
        Click(form.Button2);
        QVERIFY(form.Chart1->GetSeries(2)->Count() > 0);
        QCOMPARE(form.Chart1->GetSeries(2)->Point(0).color, clRed);
        QCOMPARE(form.Chart1->GetSeries(4)->Count(), 0);
        QVERIFY(errors.Messages().empty());
    }

    void keyboardRunsTheDesignAndTheFrequentItems() {
        TForm1 form;
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        // Enter in an entry runs "Cálculo".
        form.Edit3->setFocus();
        QTest::keyClick(form.Edit3, Qt::Key_Return);
        QVERIFY(FileExists("zelto_perfil.txt"));
        QVERIFY(!form.Edit2->GetText().empty());
        const struct {
            const char* item;
            QKeySequence keys;
        } shortcuts[] = {{"Cálculo", QKeySequence(Qt::CTRL | Qt::Key_K)},
                         {"Sair", QKeySequence(Qt::CTRL | Qt::Key_Q)},
                         {"Ajuda...", QKeySequence(Qt::Key_F1)}};
        for (const auto& shortcut : shortcuts) {
            const QList<QAction*> items = MenuItems(form);
            const auto found = std::find_if(items.begin(), items.end(), [&](QAction* a) {
                return a->text().remove('&') == QString::fromUtf8(shortcut.item);
            });
            QVERIFY2(found != items.end(), shortcut.item);
            QCOMPARE((*found)->shortcut(), shortcut.keys);
        }
        // Ctrl+K from anywhere in the window designs again.
        const std::string angle = form.Edit2->GetText();
        form.Edit3->SetText("30");
        form.Edit1->setFocus();
        QTest::keyClick(form.Edit1, Qt::Key_K, Qt::ControlModifier);
        QVERIFY(form.Edit2->GetText() != angle);
        QTest::keyClick(form.Edit1, Qt::Key_F1);
        auto* help = form.findChild<QMessageBox*>("HelpBox");
        QVERIFY(help != nullptr && help->isVisible());
        QVERIFY(help->text().contains("Ctrl+K"));
        help->accept();
        // Every menu opens with an Alt letter.
        for (QAction* title : form.MenuBar1->actions()) QVERIFY2(title->text().contains('&'), qPrintable(title->text()));
        QTest::keyClick(form.Edit3, Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(!form.isVisible());
    }

    void everyControlAndItemSaysWhatItDoes() {
        TForm1 form;
        for (QAction* item : MenuItems(form)) {
            if (item->actionGroup() != nullptr) continue;  // a language, named in its own words
            const QString caption = item->text().remove('&');
            QVERIFY2(item->toolTip() != caption && !item->toolTip().isEmpty(), qPrintable(caption));
        }
        for (QWidget* control : std::initializer_list<QWidget*>{
                 form.Edit1, form.ComboBox1, form.Edit3, form.Edit2, form.Edit4, form.CheckBox1, form.Edit5,
                 form.Edit6, form.Button1, form.Button2, form.Button3, form.Button4, form.Button5, form.Button6}) {
            QVERIFY2(!control->toolTip().isEmpty(), qPrintable(control->objectName()));
        }
        QVERIFY(form.Edit1->toolTip().contains("cm"));
        QVERIFY(form.Edit2->toolTip().contains("graus"));
    }

    void itemsThatOpenADialogSaySo() {
        TForm1 form;
        for (const char* caption : {"Pasta de trabalho...", "Caso OpenFOAM...", "Executar caso OpenFOAM...",
                                    "Malha Gmsh...", "DXF (meia seção)...", "SVG (gabarito 1:1)...",
                                    "CSV (pontos)...", "Imagem renderizada (POV-Ray)...", "Ajuda..."}) {
            const QList<QAction*> items = MenuItems(form);
            QVERIFY2(std::any_of(items.begin(), items.end(),
                                 [&](QAction* a) { return a->text() == QString::fromUtf8(caption); }),
                     caption);
        }
    }

    void aboutNamesBothTheTitleAndTheProgram() {
        TForm1 form;
        form.show();
        ChooseMenuItem(form.MenuBar1, "Ajuda", "Sobre o bellnozzle");
        auto* box = form.findChild<QMessageBox*>("AboutBox");
        QVERIFY(box != nullptr);
        QVERIFY(box->text().contains("Perfil Zelto 1.0"));
        QVERIFY(box->text().contains(QString("bellnozzle ") + kVersion));
        box->accept();
    }

    void anEntryWithoutANumberIsNamedAndFocused() {
        const struct {
            TEdit* TForm1::*entry;
            const char* text;
            const char* message;
        } cases[] = {
            {&TForm1::Edit1, "abc", "O campo \"Diâmetro garganta (cm)\" não contém um número"},
            {&TForm1::Edit3, "", "O campo \"epsilon (5-50)\" não contém um número"},
            {&TForm1::Edit1, "-2", nullptr},  // a number, refused by the design: still its entry
            {&TForm1::Edit3, "0.5", nullptr},
        };
        for (const auto& c : cases) {
            ErrorRecorder errors;
            TForm1 form;
            form.show();
            QApplication::setActiveWindow(&form);
            (form.*c.entry)->SetText(c.text);
            form.Button2->setFocus();
            Click(form.Button2);
            QCOMPARE(errors.Messages().size(), std::size_t(1));
            const QString shown = QString::fromStdString(errors.Messages()[0]);
            if (c.message != nullptr) QCOMPARE(shown, QString::fromUtf8(c.message));
            QVERIFY2(shown.at(0).isUpper(), qPrintable(shown));
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.*c.entry));
            QVERIFY(!FileExists("zelto_perfil.txt"));
        }
    }

private:
    std::unique_ptr<WorkFolder> folder_;
};

QTEST_MAIN(WindowUseTest)
#include "window_use_test.moc"

// "Projeto > Estudo de comprimento..." through the real menu and dialog: the
// chart and the table it shows are those of the library's sweep for the same
// lists, and a list it cannot read changes nothing.
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "characteristics/trade_sweep.h"
#include "ui/language.h"
#include "ui/main_window.h"
#include "ui/sweep_chart.h"
#include "ui/sweep_menu.h"
#include "ui_test_support.h"

using namespace bellnozzle;
using namespace bellnozzle::ui;
using namespace bellnozzle::test;

namespace {

constexpr const char* kSweepItem = "Estudo de comprimento...";

}  // namespace

class SweepMenuTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folder_ = std::make_unique<WorkFolder>(); }
    void cleanup() { folder_.reset(); }

    // The dialog starts from the window's entries; what it shows equals the
    // library's result for the lists typed.
    void showsTheChartAndTheTableOfTheSweep() {
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        form.Edit3->setText("20");
        QString offeredEpsilon;
        AnswerNextDialog([&](QDialog* dialog) {
            offeredEpsilon = dialog->findChild<QLineEdit*>("EditEpsilons")->text();
            Type(dialog, "EditEpsilons", "10,20");
            Type(dialog, "EditComprimentos", "60:100:20");
            Type(dialog, "EditMetodos", "chart,cone");
            Type(dialog, "EditAmbiente", "0,5");  // a decimal comma, as a Portuguese desktop types it
            dialog->accept();
        });
        ChooseMenuItem(form.MenuBar1, "Projeto", kSweepItem);
        QCOMPARE(errors.Messages().size(), std::size_t(0));
        QCOMPARE(offeredEpsilon, QString("20"));

        moc::SweepRequest request;
        request.epsilons = {10, 20};
        request.lengthPercents = {60, 80, 100};
        request.methods = {moc::ContourMethod::Chart, moc::ContourMethod::Cone};
        request.paBar = 0.5;
        const moc::SweepResult expected = moc::RunSweep(request);
        QCOMPARE(expected.rows.size(), std::size_t(8));
        QCOMPARE(form.Memo1->GetText(), SweepTableText(expected));
        const QImage shown = form.Image1->GetPicture()->Image();
        QVERIFY(shown == DrawSweepChart(expected, shown.size(), true));
    }

    // In an English window the item, the dialog and the table speak
    // English; in a Portuguese one a refused row says "recusado" with the
    // Portuguese reason (Rao's TOC at epsilon 50 and 60 %, gamma 1.4).
    void speaksTheWindowsLanguage() {
        for (const Language language : {Language::English, Language::Portuguese}) {
            InstallLanguage(language);
            const bool english = language == Language::English;
            ErrorRecorder errors;
            TForm1 form;
            form.show();
            QString title;
            AnswerNextDialog([&](QDialog* dialog) {
                title = dialog->windowTitle();
                Type(dialog, "EditEpsilons", "50");
                Type(dialog, "EditComprimentos", "60");
                Type(dialog, "EditMetodos", "toc");
                dialog->accept();
            });
            ChooseMenuItem(form.MenuBar1, english ? "Design" : "Projeto",
                           english ? "Length study..." : kSweepItem);
            QCOMPARE(errors.Messages().size(), std::size_t(0));
            QCOMPARE(title, QString::fromUtf8(english ? "Length study" : "Estudo de comprimento"));
            const std::string table = form.Memo1->GetText();
            const std::string refusal = english ? "refused: a thrust-optimised" : "recusado: um contorno";
            QVERIFY2(table.find(refusal) != std::string::npos, table.c_str());
            const QImage shown = form.Image1->GetPicture()->Image();
            moc::SweepRequest request;
            request.epsilons = {50};
            request.lengthPercents = {60};
            request.methods = {moc::ContourMethod::Toc};
            QVERIFY(shown == DrawSweepChart(moc::RunSweep(request), shown.size(), !english));
        }
        InstallLanguage(Language::Portuguese);
    }

    void refusesAListItCannotReadAndChangesNothing() {
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        form.Memo1->setPlainText("kept");
        const QImage before = form.Image1->GetPicture()->Image();
        AnswerNextDialog([](QDialog* dialog) {
            Type(dialog, "EditComprimentos", "60:100");
            dialog->accept();
        });
        ChooseMenuItem(form.MenuBar1, "Projeto", kSweepItem);
        QCOMPARE(errors.Messages().size(), std::size_t(1));
        QVERIFY2(errors.Messages()[0].find("A:B:PASSO") != std::string::npos, errors.Messages()[0].c_str());
        QCOMPARE(form.Memo1->GetText(), std::string("kept"));
        QVERIFY(form.Image1->GetPicture()->Image() == before);
    }

    // "Parar" in the progress dialog stops a long sweep: the rows done so
    // far are shown and marked incomplete.
    void stopButtonEndsTheSweepWithTheRowsDone() {
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        AnswerNextDialog([&form](QDialog* dialog) {
            Type(dialog, "EditEpsilons", "2:100001:1");
            Type(dialog, "EditMetodos", "cone");
            QTimer::singleShot(0, [&form] {
                QProgressDialog* progress = nullptr;
                QTRY_VERIFY_WITH_TIMEOUT((progress = form.findChild<QProgressDialog*>("ProgressoEstudo")) != nullptr &&
                                             progress->isVisible(),
                                         10000);
                auto* stop = progress->findChild<QPushButton*>();
                QVERIFY(stop != nullptr);
                QCOMPARE(stop->text(), QString("Parar"));
                QTest::mouseClick(stop, Qt::LeftButton);
            });
            dialog->accept();
        });
        ChooseMenuItem(form.MenuBar1, "Projeto", kSweepItem);
        QCOMPARE(errors.Messages().size(), std::size_t(0));
        const std::string shown = form.Memo1->GetText();
        QVERIFY2(shown.find("\nincompleto: parado após ") != std::string::npos, shown.substr(0, 300).c_str());
        QVERIFY(shown.find(" de 100000 projetos\n") != std::string::npos);
    }

private:
    std::unique_ptr<WorkFolder> folder_;
};

QTEST_MAIN(SweepMenuTest)
#include "sweep_menu_test.moc"

// The OpenFOAM case from the window's menus: the dialog writes the case the
// command writes and shows its README, refused entries go to the error box
// and write nothing; a run goes on in the background with a progress bar,
// can be stopped, and ends with the report and the Mach picture (real
// OpenFOAM on a tiny mesh).
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>

#include "ui/main_window.h"
#include "ui_test_support.h"

using namespace bellnozzle;
using namespace bellnozzle::ui;
using namespace bellnozzle::test;

namespace {

// Writes a case of the initial design from the dialog, on a small mesh;
// start is the index of the start to choose (0: the 1-D flow, 1: the fill).
void WriteSmallCase(TForm1& form, const char* folder, const char* pressure = "20", int start = 0) {
    AnswerNextDialog([=](QDialog* dialog) {
        auto* starts = dialog->findChild<QComboBox*>("ComboInicio");
        QVERIFY(starts != nullptr);
        starts->setCurrentIndex(start);
        Type(dialog, "EditPressao", pressure);
        Type(dialog, "EditNX", "12");
        Type(dialog, "EditNY", "4");
        Type(dialog, "EditPasta", folder);
        dialog->accept();
        // A refused case keeps the dialog open with what was typed; the
        // user then cancels.
        if (dialog->isVisible()) {
            QCOMPARE(dialog->findChild<QLineEdit*>("EditPasta")->text(), QString::fromUtf8(folder));
            dialog->reject();
        }
    });
    ChooseMenuItem(form.MenuBar1, "Exportar", "Caso OpenFOAM...");
}

void RunCase(TForm1& form, const char* folder) {
    AnswerNextDialog([=](QDialog* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        QVERIFY(input != nullptr);
        // In the window's language, not Qt's English default.
        QCOMPARE(input->cancelButtonText(), QStringLiteral("Cancelar"));
        input->setTextValue(folder);
        input->accept();
    });
    ChooseMenuItem(form.MenuBar1, "Simulação", "Executar caso OpenFOAM...");
}

}  // namespace

class CaseMenuTest : public QObject {
    Q_OBJECT

private slots:
    void dialogWritesTheCaseAndShowsItsReadme() {
        WorkFolder folder;
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        ChooseMenuItem(form.MenuBar1, "Projeto", "Cálculo");
        WriteSmallCase(form, "caso", "2,5e1");  // a decimal comma reads as a point
        QCOMPARE(errors.Messages().size(), std::size_t(0));
        QVERIFY(FileExists("caso/Allrun"));
        QVERIFY(ReadBytes("caso/0/p").find("p0              uniform 2500000;") != std::string::npos);
        QVERIFY(ReadBytes("caso/system/blockMeshDict").find("(12 1 4)") != std::string::npos);
        QCOMPARE(form.Memo1->GetText(), ReadBytes("caso/README"));
        // Started from the 1-D flow unless the fill is chosen; both recorded.
        QVERIFY(ReadBytes("caso/bellnozzle-case.txt").find("\nstart=1d\n") != std::string::npos);
        QVERIFY(ReadBytes("caso/0/p").find("internalField   nonuniform List<scalar>\n48\n") != std::string::npos);
        WriteSmallCase(form, "cheio", "20", 1);
        QCOMPARE(errors.Messages().size(), std::size_t(0));
        QVERIFY(ReadBytes("cheio/bellnozzle-case.txt").find("\nstart=fill\n") != std::string::npos);
        QVERIFY(ReadBytes("cheio/0/p").find("internalField   uniform 10000;") != std::string::npos);
        QVERIFY(FileExists("cheio/cheio.foam"));
    }

    void refusedEntriesWriteNothing() {
        WorkFolder folder;
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        ChooseMenuItem(form.MenuBar1, "Projeto", "Cálculo");
        WriteSmallCase(form, "caso", "0");
        QCOMPARE(errors.Messages().size(), std::size_t(1));
        QVERIFY(errors.Messages()[0].find("pressão") != std::string::npos);
        QVERIFY(!std::filesystem::exists("caso"));
        // A folder of the user's is not replaced.
        std::filesystem::create_directories("meu");
        WriteBytes("meu/notas.txt", "minhas notas");
        WriteSmallCase(form, "meu");
        QCOMPARE(errors.Messages().size(), std::size_t(2));
        QCOMPARE(ReadBytes("meu/notas.txt"), std::string("minhas notas"));
    }

    void runsInTheBackgroundAndShowsTheResult() {
        WorkFolder folder;
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        ChooseMenuItem(form.MenuBar1, "Projeto", "Cálculo");
        WriteSmallCase(form, "caso");
        const QImage before = form.Image1->GetPicture()->Image();
        RunCase(form, "caso");
        auto* bar = form.findChild<QProgressBar*>("ProgressBarSimulacao");
        QVERIFY(bar != nullptr);
        QVERIFY(bar->isVisible());
        // The panel stands over the middle of the main window, with a close
        // button, and goes once the run is done.
        QWidget* panel = bar->window();
        QVERIFY(panel != &form);
        QVERIFY((panel->geometry().center() - form.geometry().center()).manhattanLength() <= 4);
        QVERIFY(panel->windowFlags() & Qt::WindowCloseButtonHint);
        // The window answers while the run goes on.
        ChooseMenuItem(form.MenuBar1, "Exportar", "blockMesh");
        QVERIFY(FileExists("blockMeshDict.txt"));
        QTRY_VERIFY_WITH_TIMEOUT(form.Memo1->GetText().find("Mach na saída") != std::string::npos, 240000);
        QCOMPARE(errors.Messages().size(), std::size_t(0));
        QCOMPARE(bar->value(), 1000);
        QTRY_VERIFY_WITH_TIMEOUT(!panel->isVisible(), 5000);
        QVERIFY(form.Memo1->GetText().find("regime permanente: sim") != std::string::npos);
        // The picture pane shows the Mach colours: some pixels neither white nor grey.
        const QImage& picture = form.Image1->GetPicture()->Image();
        QVERIFY(picture != before);
        int coloured = 0;
        for (int y = 0; y < picture.height(); y += 4) {
            for (int x = 0; x < picture.width(); x += 4) {
                const QColor c = picture.pixelColor(x, y);
                coloured += std::abs(c.red() - c.blue()) > 60;
            }
        }
        QVERIFY(coloured > 1000);
    }

    void stopEndsTheRunAndLeavesTheCase() {
        WorkFolder folder;
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        ChooseMenuItem(form.MenuBar1, "Projeto", "Cálculo");
        // The fill start runs to its end time: long enough to be stopped.
        WriteSmallCase(form, "caso", "20", 1);
        const std::string memo = form.Memo1->GetText();
        RunCase(form, "caso");
        auto* stop = form.findChild<QPushButton*>("ButtonParar");
        auto* status = form.findChild<QLabel*>("LabelSimulacao");
        QVERIFY(stop != nullptr && status != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(status->text().startsWith("rhoCentralFoam"), 60000);
        QTest::mouseClick(stop, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(status->text().contains("interrompida"), 30000);
        QCOMPARE(errors.Messages().size(), std::size_t(0));
        QCOMPARE(form.Memo1->GetText(), memo);
        QVERIFY(FileExists("caso/Allrun"));
        QVERIFY(FileExists("caso/bellnozzle-case.txt"));
    }
};

QTEST_MAIN(CaseMenuTest)
#include "case_menu_test.moc"

// The CAD items of the "Exportar" menu, clicked offscreen with their dialog
// answered as a user would: each writes the same file as the shared action
// the command runs, shows a summary, and refuses bad input in Portuguese
// without writing; the rendered picture lands in the picture pane.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdlib>

#include "cad/cad_export.h"
#include "export/pov_render_scene.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

using namespace bellnozzle;
using namespace bellnozzle::ui;
using namespace bellnozzle::test;

namespace {

struct Answer {
    int unit = 0;  // mm, cm, in
    int body = 0;  // shell, flow
    const char* thickness = "2 mm";
    bool accept = true;
};

// Fills in the dialog the next menu item opens and presses OK or Cancelar.
void AnswerCadDialog(Answer answer) {
    auto* attempt = new QTimer;
    attempt->setInterval(10);
    QObject::connect(attempt, &QTimer::timeout, [attempt, answer] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        attempt->stop();
        attempt->deleteLater();
        if (auto* unit = dialog->findChild<QComboBox*>("unit")) unit->setCurrentIndex(answer.unit);
        if (auto* body = dialog->findChild<QComboBox*>("body")) body->setCurrentIndex(answer.body);
        auto* thickness = dialog->findChild<QLineEdit*>("thickness");
        thickness->selectAll();
        QTest::keyClicks(thickness, QString::fromUtf8(answer.thickness));
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        QTest::mouseClick(buttons->button(answer.accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel),
                          Qt::LeftButton);
        // A refused thickness keeps the dialog open, the entry marked and
        // holding what was typed; the user then cancels.
        if (dialog->isVisible()) {
            QVERIFY(thickness->property("refused").toBool());
            QCOMPARE(thickness->text(), QString::fromUtf8(answer.thickness));
            QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
        }
    });
    attempt->start();
}

void Design(TForm1& form) { Click(form.Button2); }

}  // namespace

class CadMenuTest : public QObject {
    Q_OBJECT

private slots:
    void eachFormatWritesWhatTheCommandsActionWrites() {
        const struct {
            const char* item;
            CadFormat format;
            Answer answer;
        } cases[] = {
            {"DXF (meia seção)", CadFormat::Dxf, {1, 0, "0,3 cm"}},
            {"SVG (gabarito 1:1)", CadFormat::Svg, {2, 1, "2 mm"}},
            {"CSV (pontos)", CadFormat::Csv, {0, 0, "3"}},
            {"STL (malha do sólido)", CadFormat::Stl, {0, 1, "2"}},
            {"STEP (sólido)", CadFormat::Step, {0, 0, "2"}},
        };
        ErrorRecorder errors;
        for (const auto& c : cases) {
            const bool solid = c.format == CadFormat::Step || c.format == CadFormat::Stl;
            if (solid && !SolidFormatsAvailable()) continue;
            WorkFolder folder;
            TForm1 form;
            form.show();
            Design(form);
            AnswerCadDialog(c.answer);
            ChooseMenuItem(form.MenuBar1, "Exportar", c.item);
            const std::string name = std::string("nozzle.") + FormatExtension(c.format);
            QVERIFY2(FileExists(name), c.item);
            const std::string memo = form.Memo1->toPlainText().toStdString();
            QVERIFY2(memo.find("Arquivo: " + name) != std::string::npos, memo.c_str());
            QVERIFY2(memo.find("Volume: ") != std::string::npos, memo.c_str());
            if (c.format == CadFormat::Step) continue;  // its header carries the time of writing
            const std::string byWindow = ReadBytes(name);
            CadRequest request;
            request.format = c.format;
            request.unit = static_cast<LengthUnit>(c.answer.unit);
            request.body = c.answer.body == 0 ? CadBody::Shell : CadBody::Flow;
            request.thicknessMm = ParseThickness(c.answer.thickness, request.unit);
            request.out = "by_action." + std::string(FormatExtension(c.format));
            ExportCad("", request);
            QVERIFY2(ReadBytes(request.out) == byWindow, c.item);
        }
        QCOMPARE(errors.Messages().size(), std::size_t(0));
    }

    void summaryShowsTheLengthsAsTyped() {
        // The profile holds single-precision numbers: -2.65 cm is
        // -26.4999998 mm at nine digits, which the summary must not show. The
        // DXF half section is a plane drawing with a 2-D box.
        const struct {
            const char* item;
            const char* box;
            bool planar;
        } cases[] = {{"DXF (meia seção)", "Retângulo envolvente (mm):\n  x: -26.5 a 165.344\n  y: 0 a ", true},
                     {"CSV (pontos)", "Caixa envolvente (mm):\n  x: -26.5 a 165.344\n  y: -", false}};
        ErrorRecorder errors;
        for (const auto& c : cases) {
            WorkFolder folder;
            TForm1 form;
            form.show();
            Design(form);
            AnswerCadDialog({});
            ChooseMenuItem(form.MenuBar1, "Exportar", c.item);
            const QString memo = form.Memo1->toPlainText();
            QVERIFY2(memo.contains(QString::fromUtf8(c.box)), qPrintable(memo));
            QCOMPARE(memo.contains("\n  z: "), !c.planar);
        }
        QVERIFY(errors.Messages().empty());
    }

    void cancelAndRefusalsWriteNothing() {
        WorkFolder folder;
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        Design(form);
        const QString memo = form.Memo1->toPlainText();
        Answer cancel;
        cancel.accept = false;
        AnswerCadDialog(cancel);
        ChooseMenuItem(form.MenuBar1, "Exportar", "DXF (meia seção)");
        QCOMPARE(errors.Messages().size(), std::size_t(0));
        Answer zero;
        zero.thickness = "0";
        AnswerCadDialog(zero);
        ChooseMenuItem(form.MenuBar1, "Exportar", "CSV (pontos)");
        QCOMPARE(errors.Messages().size(), std::size_t(1));
        QVERIFY2(QString::fromStdString(errors.Messages()[0]).contains("espessura", Qt::CaseInsensitive),
                 errors.Messages()[0].c_str());
        QVERIFY(!FileExists("nozzle.dxf"));
        QVERIFY(!FileExists("nozzle.csv"));
        QCOMPARE(form.Memo1->toPlainText(), memo);
    }

    // Needs POV-Ray: run under the label "tools" (BELLNOZZLE_TOOL_TESTS=1).
    void renderGoesToThePicturePane() {
        if (std::getenv("BELLNOZZLE_TOOL_TESTS") == nullptr) QSKIP("needs povray; run with the tools label");
        WorkFolder folder;
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        Design(form);
        AnswerCadDialog({});
        ChooseMenuItem(form.MenuBar1, "Exportar", "Imagem renderizada (POV-Ray)");
        QCOMPARE(errors.Messages().size(), std::size_t(0));
        QVERIFY(FileExists("nozzle.png"));
        const QImage shown = form.Image1->grab().toImage();
        QCOMPARE(form.Image1->GetPicture()->Image().size(), form.Image1->size());
        // The camera looks at the middle of the axis, which the wall hides:
        // the nozzle's colour there, the sky in the corners.
        const QColor centre = shown.pixelColor(shown.width() / 2, shown.height() / 2);
        QVERIFY2(centre.red() > centre.blue() + 30, qPrintable(centre.name()));
        const QColor corner = shown.pixelColor(2, 2);
        QVERIFY2(corner.blue() > corner.red() + 30, qPrintable(corner.name()));
    }
};

QTEST_MAIN(CadMenuTest)
#include "cad_menu_test.moc"

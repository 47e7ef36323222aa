// The four export buttons: the file each writes is the exporter's, the text
// pane shows it, and the picture pane holds the wedge preview, checked pixel
// by pixel; a refused profile leaves every file and pane as it was.
#include <QTest>

#include <QDir>

#include "core/profile_reader.h"
#include "core/text_file.h"
#include "export/blockmesh_writer.h"
#include "export/gmsh_revolved_writer.h"
#include "export/gmsh_wedge_writer.h"
#include "export/pov_scene_writer.h"
#include "ui/main_window.h"
#include "ui/vcl_layer.h"
#include "ui_test_support.h"

using namespace bellnozzle;
using namespace bellnozzle::ui;
using namespace bellnozzle::test;

namespace {

const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kWhite(255, 255, 255);

QColor PixelAt(TForm1& form, int x, int y) { return form.Image1->GetPicture()->Image().pixelColor(x, y); }

struct ExportButton {
    const char* name;
    QPushButton* TForm1::*button;
    const char* file;
    std::string (*expected)(const ProfileTable&);
};

std::string ExpectedBlockMesh(const ProfileTable& profile) { return FormatBlockMeshDict(profile, 100, 20); }

const ExportButton kButtons[] = {
    {"blockMesh", &TForm1::Button4, "blockMeshDict.txt", ExpectedBlockMesh},
    {"gmesh", &TForm1::Button5, "mesh.geo", FormatGmshWedgeGeometry},
    {"gmesh2", &TForm1::Button6, "mesh.geo", FormatGmshRevolvedGeometry},
    {"PovRay", &TForm1::Button3, "nozzle1.pov", FormatPovScene},
};

// Counted over the 546 x 496 pixels the pane shows.
int CountPixels(const QImage& image, const QColor& color) {
    int count = 0;
    for (int y = 0; y < 496; ++y) {
        for (int x = 0; x < 546; ++x) count += image.pixelColor(x, y) == color;
    }
    return count;
}

}  // namespace

class ExportButtonsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folder_ = std::make_unique<WorkFolder>(); }
    void cleanup() { folder_.reset(); }

    void eachButtonWritesShowsAndPreviews() {
        ErrorRecorder errors;
        TForm1 form;
        Click(form.Button2);
        const ProfileTable profile = ReadProfileTable("zelto_perfil.txt");
        for (const ExportButton& entry : kButtons) {
            QVERIFY(std::remove(entry.file) == 0 || !FileExists(entry.file));
            form.Image1->GetPicture()->Assign(QImage());  // so the preview must redraw it
            Click(form.*entry.button);
            const std::string bytes = ReadBytes(entry.file);
            QVERIFY2(bytes == entry.expected(profile), entry.name);
            QCOMPARE(form.Memo1->GetText(), DecodeWindows1252(bytes));
            QVERIFY2(PixelAt(form, 100, 200) == kBlack, entry.name);
        }
        QVERIFY(errors.Messages().empty());
        // The é of "células" in the dictionary is shown as é.
        Click(form.Button4);
        QVERIFY(QString::fromStdString(form.Memo1->GetText()).contains(QString::fromUtf8("células")));
    }

    void cellCountsComeFromTheMeshEntries() {
        ErrorRecorder errors;
        TForm1 form;
        Click(form.Button2);
        form.Edit5->SetText("12abc");
        form.Edit6->SetText(" -5");
        Click(form.Button4);
        QCOMPARE(ReadBytes("blockMeshDict.txt"), FormatBlockMeshDict(ReadProfileTable("zelto_perfil.txt"), 12, -5));
        QVERIFY(errors.Messages().empty());
    }

    void previewOfTheWorkedDesign() {
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        Click(form.Button2);
        Click(form.Button3);
        QVERIFY(errors.Messages().empty());
        // White with a black outline over the 546 x 496 pane.
        QCOMPARE(PixelAt(form, 0, 0), kBlack);
        QCOMPARE(PixelAt(form, 545, 495), kBlack);
        QCOMPARE(PixelAt(form, 545, 10), kBlack);
        QCOMPARE(PixelAt(form, 500, 450), kWhite);
        // First point (-2.65, 3.5967): axis nodes black on the axis rows, the
        // wall node blue where the turned node covers it.
        QCOMPARE(PixelAt(form, 73, 200), kBlack);
        QCOMPARE(PixelAt(form, 73, 300), kBlack);
        QCOMPARE(PixelAt(form, 73, 164), kBlue);
        QCOMPARE(PixelAt(form, 73, 298), kBlue);
        QCOMPARE(PixelAt(form, 100, 464), kBlack);
        QCOMPARE(PixelAt(form, 101, 464), kBlue);
        // The exit (16.5344, 7.90569).
        QCOMPARE(PixelAt(form, 265, 200), kBlack);
        QCOMPARE(PixelAt(form, 265, 120), kBlack);
        QCOMPARE(PixelAt(form, 265, 121), kBlue);
        // Nothing joins the pixels: the side view above the wall stays white.
        QCOMPARE(PixelAt(form, 265, 100), kWhite);
        // The pane shows what was drawn.
        const QImage shown = form.Image1->grab().toImage();
        QCOMPARE(shown.pixelColor(73, 164), kBlue);
        QCOMPARE(shown.pixelColor(100, 200), kBlack);
        // A second preview gives the same picture.
        const QImage first = form.Image1->GetPicture()->Image();
        Click(form.Button5);
        Click(form.Button3);
        QCOMPARE(form.Image1->GetPicture()->Image(), first);
    }

    void previewOfSinglePointsAndTheLeftEdge() {
        ErrorRecorder errors;
        TForm1 form;
        WriteBytes("zelto_perfil.txt", MakeProfile({{1, -10.05f, 1.0f}, {2, -10.15f, 1.5f}, {3, 0.0f, 2.5f}}));
        Click(form.Button3);
        QVERIFY(errors.Messages().empty());
        // X = 0, Y = 2.5.
        QCOMPARE(PixelAt(form, 100, 200), kBlack);
        QCOMPARE(PixelAt(form, 100, 300), kBlack);
        QCOMPARE(PixelAt(form, 100, 175), kBlue);
        QCOMPARE(PixelAt(form, 100, 298), kBlue);
        QCOMPARE(PixelAt(form, 100, 475), kBlack);
        QCOMPARE(PixelAt(form, 101, 475), kBlue);
        // 10 x -10.05 + 100 = -0.5 truncates to column 0 (over the outline);
        // -10.15 gives -1.5, column -1, off the canvas.
        QCOMPARE(PixelAt(form, 0, 190), kBlue);
        QCOMPARE(PixelAt(form, 0, 200), kBlack);
        QCOMPARE(CountPixels(form.Image1->GetPicture()->Image(), kBlue), 7);
    }

    void previewDrawsEveryPointAndSurvivesHugeCoordinates() {
        ErrorRecorder errors;
        TForm1 form;
        std::vector<FilePoint> points;
        for (int i = 1; i <= 150; ++i) points.push_back({i, -5.0f + 0.25f * float(i - 1), 1.0f});
        points.push_back({151, 3e38f, 3e38f});
        points.push_back({152, -3e38f, -3e38f});
        points.push_back({153, 1.0f, 3e38f});
        WriteBytes("zelto_perfil.txt", MakeProfile(points));
        Click(form.Button5);
        QVERIFY(errors.Messages().empty());
        // Stations 101 to 150 lie at x = 20 to 32.25 cm: columns 300 to 422.
        for (int i = 101; i <= 150; ++i) {
            const int column = int(10.0 * double(-5.0f + 0.25f * float(i - 1)) + 100.0);
            QVERIFY(PixelAt(form, column, 200) == kBlack);
            QVERIFY(PixelAt(form, column, 190) == kBlue);
        }
    }

    void refusedProfileChangesNothing() {
        ErrorRecorder errors;
        TForm1 form;
        WriteBytes("blockMeshDict.txt", "old dictionary\n");
        WriteBytes("mesh.geo", "old script\n");
        WriteBytes("nozzle1.pov", "old scene\n");
        const QImage picture = form.Image1->GetPicture()->Image();
        form.Memo1->setPlainText("shown before");
        const std::string profiles[] = {
            "",  // no file at all
            "[parametros]\nRt=2.5 cm\n",
            "[parametros]\nRt=2.5 cm\n[perfil]\n",
            "[perfil]\n0\t1\t2\n",
        };
        std::size_t expectedErrors = 0;
        for (const std::string& profile : profiles) {
            std::remove("zelto_perfil.txt");
            if (!profile.empty()) WriteBytes("zelto_perfil.txt", profile);
            for (const ExportButton& entry : kButtons) {
                Click(form.*entry.button);
                ++expectedErrors;
                QCOMPARE(errors.Messages().size(), expectedErrors);
                const std::string& message = errors.Messages().back();
                QVERIFY2(message.find("zelto_perfil.txt") != std::string::npos, message.c_str());
                QVERIFY2(message.find("Cálculo") != std::string::npos, message.c_str());
            }
            QCOMPARE(ReadBytes("blockMeshDict.txt"), std::string("old dictionary\n"));
            QCOMPARE(ReadBytes("mesh.geo"), std::string("old script\n"));
            QCOMPARE(ReadBytes("nozzle1.pov"), std::string("old scene\n"));
            QCOMPARE(form.Memo1->GetText(), std::string("shown before"));
            QCOMPARE(form.Image1->GetPicture()->Image(), picture);
        }
        // The window stays usable.
        Click(form.Button2);
        Click(form.Button4);
        QCOMPARE(errors.Messages().size(), expectedErrors);
        QVERIFY(ReadBytes("blockMeshDict.txt") != "old dictionary\n");
    }

    // A write that fails partway (a full disk, injected through the writer's
    // test seam) keeps every old file whole and says so in the error box.
    void failingWriteKeepsTheOldFilesAndSaysSo() {
        ErrorRecorder errors;
        TForm1 form;
        Click(form.Button2);
        const std::string profile = ReadBytes("zelto_perfil.txt");
        WriteBytes("blockMeshDict.txt", "old dictionary\n");
        SetWriteFaultHookForTesting([](const std::string&, std::size_t) { return false; });
        form.Edit1->SetText("6");
        Click(form.Button2);
        Click(form.Button4);
        SetWriteFaultHookForTesting(nullptr);
        QCOMPARE(errors.Messages().size(), std::size_t(2));
        for (const std::string& message : errors.Messages()) {
            // Shown as a sentence: capital first letter.
            QVERIFY2(message.rfind("Não foi possível gravar", 0) == 0, message.c_str());
        }
        QCOMPARE(ReadBytes("zelto_perfil.txt"), profile);
        QCOMPARE(ReadBytes("blockMeshDict.txt"), std::string("old dictionary\n"));
        QCOMPARE(form.Edit2->GetText(), std::string("25.3911"));
        QCOMPARE(QDir(QDir::currentPath()).entryList(QDir::Files).size(), qsizetype(2));
    }

private:
    std::unique_ptr<WorkFolder> folder_;
};

QTEST_MAIN(ExportButtonsTest)
#include "export_buttons_test.moc"

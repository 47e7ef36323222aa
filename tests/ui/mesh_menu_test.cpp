// "Exportar > Malha Gmsh...": the dialog reached through the real menu, the
// mesh and script it makes (the command's own), what the text and picture
// panes show, and the refusals and the cancel that leave everything as it was.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>

#include "core/profile_reader.h"
#include "export/gmsh_mesh_script_writer.h"
#include "process/run_program.h"
#include "ui/main_window.h"
#include "ui/mesh_dialog.h"
#include "ui/mesh_menu.h"
#include "ui/mesh_picture.h"
#include "ui_test_support.h"

using namespace bellnozzle;
using namespace bellnozzle::ui;
using namespace bellnozzle::test;

namespace {

// Chooses the menu item and, once its dialog is up, lets fill set its entries
// and press one of its buttons.
void ChooseMeshItem(TForm1& form, const std::function<QPushButton*(MeshDialog&)>& fill) {
    bool filled = false;
    QTimer::singleShot(0, [&] {
        MeshDialog* dialog = nullptr;
        const bool open = QTest::qWaitFor(
            [&] { return (dialog = dynamic_cast<MeshDialog*>(QApplication::activeModalWidget())) != nullptr; }, 5000);
        if (!open) return;
        QPushButton* button = fill(*dialog);
        filled = true;
        QTest::mouseClick(button, Qt::LeftButton);
        // A refused entry keeps the dialog open, the entry marked; the user
        // then cancels.
        if (dialog->isVisible()) {
            QVERIFY(dialog->focusWidget() != nullptr && dialog->focusWidget()->property("refused").toBool());
            QTest::mouseClick(dialog->CancelButton, Qt::LeftButton);
        }
    });
    ChooseMenuItem(form.MenuBar1, "Exportar", kMeshMenuCaption);
    QVERIFY2(filled, "the mesh dialog did not open");
}

QPushButton* Structured40By8(MeshDialog& dialog) {
    QTest::mouseClick(dialog.Structured, Qt::LeftButton);
    dialog.AxialEdit->setText("40");
    dialog.RadialEdit->setText("8");
    return dialog.OkButton;
}

}  // namespace

class MeshMenuTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folder_ = std::make_unique<WorkFolder>(); }
    void cleanup() { folder_.reset(); }

    void meshesShowsCountsAndScript() {
        if (FindProgram("gmsh").empty()) QSKIP("gmsh is not installed");
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        Click(form.Button2);
        ChooseMeshItem(form, Structured40By8);
        QCOMPARE(errors.Messages().size(), std::size_t(0));

        MeshScriptSettings settings;
        settings.cellsAxial = 40;
        settings.cellsRadial = 8;
        const std::string script =
            FormatGmshMeshScript(ReadProfileTable("zelto_perfil.txt"), settings, "wedge_mesh.geo", "wedge_mesh.msh");
        QCOMPARE(ReadBytes("wedge_mesh.geo"), script);
        QVERIFY(ReadBytes("wedge_mesh.msh").rfind("$MeshFormat\n2.2 0 8\n", 0) == 0);

        const QString pane = QString::fromStdString(form.Memo1->GetText());
        QVERIFY2(pane.startsWith(QString::fromUtf8("// Malha wedge_mesh.msh (MSH 2.2)\n//   697 nós, 320 células\n")),
                 qPrintable(pane.left(200)));
        for (const char* line : {"//   inlet               8 faces\n", "//   wall               40 faces\n",
                                 "//   axi_symm-f        320 faces\n", "//   fluid             320 células\n"}) {
            QVERIFY2(pane.contains(QString::fromUtf8(line)), line);
        }
        QVERIFY(pane.endsWith(QString::fromStdString(script)));
        // The picture pane shows the cells of the plus-side face.
        const QImage picture = form.Image1->GetPicture()->Image();
        QCOMPARE(picture.size(), form.Image1->size());
        int meshPixels = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) meshPixels += picture.pixel(x, y) == kMeshLineColour;
        }
        QVERIFY2(meshPixels > 5000, qPrintable(QString::number(meshPixels)));

        // The next time the dialog opens with what was asked, here in SU2.
        ChooseMeshItem(form, [](MeshDialog& dialog) {
            [&] {
                QVERIFY(dialog.Structured->isChecked());
                QCOMPARE(dialog.AxialEdit->text(), QString("40"));
            }();
            dialog.FormatBox->setCurrentIndex(2);
            return dialog.OkButton;
        });
        QVERIFY(FileExists("wedge_mesh.su2"));
        QVERIFY(QString::fromStdString(form.Memo1->GetText()).startsWith("// Malha wedge_mesh.su2 (SU2)"));
    }

    void refusedEntriesAndCancelChangeNothing() {
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        Click(form.Button2);
        const std::string pane = form.Memo1->GetText();
        const std::function<QPushButton*(MeshDialog&)> refused[] = {
            [](MeshDialog& d) { QTest::mouseClick(d.FixedSize, Qt::LeftButton); d.SizeEdit->setText("0"); return d.OkButton; },
            [](MeshDialog& d) { QTest::mouseClick(d.FixedSize, Qt::LeftButton); d.SizeEdit->setText("2 cm"); return d.OkButton; },
            [](MeshDialog& d) { QTest::mouseClick(d.Structured, Qt::LeftButton); d.AxialEdit->setText("0"); return d.OkButton; },
            [](MeshDialog& d) { QTest::mouseClick(d.Structured, Qt::LeftButton); d.AxialEdit->setText("9999999"); return d.OkButton; },
        };
        for (const auto& fill : refused) ChooseMeshItem(form, fill);
        QCOMPARE(errors.Messages().size(), std::size_t(4));
        QVERIFY2(errors.Messages()[0].find("maior que 0") != std::string::npos, errors.Messages()[0].c_str());
        QVERIFY2(errors.Messages()[2].find("inteiro") != std::string::npos, errors.Messages()[2].c_str());

        ChooseMeshItem(form, [](MeshDialog& d) {
            Structured40By8(d);
            return d.CancelButton;
        });
        QCOMPARE(errors.Messages().size(), std::size_t(4));
        QVERIFY(!FileExists("wedge_mesh.geo"));
        QVERIFY(!FileExists("wedge_mesh.msh"));
        QCOMPARE(form.Memo1->GetText(), pane);
    }

    void aDecimalCommaIsAPoint() {
        TForm1 form;
        MeshScriptSettings settings;
        MeshDialog dialog(&form, settings);
        QTest::mouseClick(dialog.FixedSize, Qt::LeftButton);
        dialog.SizeEdit->setText("0,25");
        QCOMPARE(dialog.Settings().size, 0.25);
    }

    void withoutGmshThePaneSaysHowToMesh() {
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "/nonexistent");
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        Click(form.Button2);
        ChooseMeshItem(form, [](MeshDialog& d) {
            QTest::mouseClick(d.AutomaticSize, Qt::LeftButton);
            d.FormatBox->setCurrentIndex(0);
            return d.OkButton;
        });
        qputenv("PATH", path);
        QCOMPARE(errors.Messages().size(), std::size_t(0));
        const QString pane = QString::fromStdString(form.Memo1->GetText());
        QVERIFY2(pane.startsWith(QString::fromUtf8("// Gmsh não está instalado")), qPrintable(pane.left(200)));
        QVERIFY(pane.contains("gmsh -3 wedge_mesh.geo -o wedge_mesh.msh"));
        QVERIFY(FileExists("wedge_mesh.geo"));
        QVERIFY(!FileExists("wedge_mesh.msh"));
    }

private:
    std::unique_ptr<WorkFolder> folder_;
};

QTEST_MAIN(MeshMenuTest)
#include "mesh_menu_test.moc"

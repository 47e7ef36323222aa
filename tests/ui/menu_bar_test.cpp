// The menu bar: its items run the buttons' own actions (same files, same
// panes), the controls keep their places below it, and the help menu names
// the version.
#include <QMessageBox>
#include <QTest>

#include "core/version.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

using namespace bellnozzle;
using namespace bellnozzle::ui;
using namespace bellnozzle::test;

class MenuBarTest : public QObject {
    Q_OBJECT

private slots:
    void controlsKeepTheirPlacesBelowTheMenus() {
        TForm1 form;
        form.show();
        QVERIFY(form.MenuBar1->isVisible());
        QCOMPARE(form.ClientArea->size(), QSize(1195, 513));
        QCOMPARE(form.ClientArea->y(), form.MenuBar1->height());
        QCOMPARE(form.size(), QSize(1195, 513 + form.MenuBar1->height()));
        QCOMPARE(form.Button1->geometry(), QRect(8, 8, 97, 25));
        QCOMPARE(form.Image1->geometry(), QRect(256, 8, 546, 496));
        QCOMPARE(form.Button1->mapTo(&form, QPoint(0, 0)), QPoint(8, 8 + form.MenuBar1->height()));
    }

    void itemsWriteWhatTheButtonsWrite() {
        // The same design and exports once by the buttons and once by the
        // menus, in two folders: byte for byte the same files and panes.
        const struct {
            const char* menu;
            const char* item;
            QPushButton* TForm1::*button;
            const char* file;
        } actions[] = {
            {"Projeto", "Cálculo", &TForm1::Button2, "zelto_perfil.txt"},
            {"Exportar", "blockMesh", &TForm1::Button4, "blockMeshDict.txt"},
            {"Exportar", "gmesh", &TForm1::Button5, "mesh.geo"},
            {"Exportar", "gmesh2", &TForm1::Button6, "mesh.geo"},
            {"Exportar", "PovRay", &TForm1::Button3, "nozzle1.pov"},
        };
        ErrorRecorder errors;
        for (const auto& action : actions) {
            std::string byButton, byMenu, memoByButton, memoByMenu;
            {
                WorkFolder folder;
                TForm1 form;
                form.show();
                if (action.button != &TForm1::Button2) Click(form.Button2);
                Click(form.*action.button);
                byButton = ReadBytes(action.file);
                memoByButton = form.Memo1->GetText();
            }
            {
                WorkFolder folder;
                TForm1 form;
                form.show();
                if (action.button != &TForm1::Button2) ChooseMenuItem(form.MenuBar1, "Projeto", "Cálculo");
                ChooseMenuItem(form.MenuBar1, action.menu, action.item);
                byMenu = ReadBytes(action.file);
                memoByMenu = form.Memo1->GetText();
            }
            QVERIFY2(!byButton.empty(), action.item);
            QCOMPARE(byMenu, byButton);
            QCOMPARE(memoByMenu, memoByButton);
        }
        QCOMPARE(errors.Messages().size(), std::size_t(0));
    }

    void aMenuErrorGoesToTheErrorBox() {
        // An export with no profile in the folder: refused as the button's is.
        WorkFolder folder;
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        ChooseMenuItem(form.MenuBar1, "Exportar", "blockMesh");
        QCOMPARE(errors.Messages().size(), std::size_t(1));
        QVERIFY(errors.Messages()[0].find("Cálculo") != std::string::npos);
        QVERIFY(!FileExists("blockMeshDict.txt"));
    }

    void helpMenuShowsTheVersion() {
        TForm1 form;
        form.show();
        ChooseMenuItem(form.MenuBar1, "Ajuda", "Sobre o bellnozzle");
        auto* box = form.findChild<QMessageBox*>(QStringLiteral("AboutBox"));
        QVERIFY(box != nullptr);
        QVERIFY(box->isVisible());
        QVERIFY(box->text().contains(QString::fromLatin1(kVersion)));
        QVERIFY(box->text().contains(QStringLiteral("MIT")));
        box->accept();
    }
};

QTEST_MAIN(MenuBarTest)
#include "menu_bar_test.moc"

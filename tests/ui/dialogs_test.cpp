// The dialogs as people fill them in: a refused value keeps the dialog open
// with everything typed and the entry marked; accepted values come back the
// next time, in this session and after a restart; the CAD dialogs show only
// their own fields. And a new working folder starts with clean panes.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include <functional>

#include "ui/main_window.h"
#include "ui/work_folder.h"
#include "ui_test_support.h"

using namespace bellnozzle::ui;
using namespace bellnozzle::test;

namespace {

// Once the next modal dialog is up, hands it to answer; true if it came.
void WithNextDialog(std::function<void(QDialog&)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
        QDialog* dialog = nullptr;
        if (!QTest::qWaitFor([&] { return (dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())); },
                             5000)) {
            return;
        }
        answer(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
}

QLineEdit* Entry(QDialog& dialog, const char* name) { return dialog.findChild<QLineEdit*>(name); }

void Retype(QLineEdit* entry, const char* text) {
    entry->selectAll();
    QTest::keyClicks(entry, QString::fromUtf8(text));
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QSettings(QStringLiteral("bellnozzle"), QStringLiteral("bellnozzle")).clear();
        folder_ = std::make_unique<WorkFolder>();
    }
    void cleanup() { folder_.reset(); }

    void refusedValueKeepsTheDialogAndItsFields() {
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        Click(form.Button2);
        bool stayedOpen = false;
        WithNextDialog([&](QDialog& dialog) {
            Retype(Entry(dialog, "EditTemperatura"), "2800");
            Retype(Entry(dialog, "EditPressao"), "abc");
            QMetaObject::invokeMethod(&dialog, "accept");
            stayedOpen = dialog.isVisible();
            QLineEdit* pressure = Entry(dialog, "EditPressao");
            QVERIFY(pressure->property("refused").toBool());
            QCOMPARE(dialog.focusWidget(), pressure);
            QCOMPARE(pressure->text(), QStringLiteral("abc"));
            QCOMPARE(Entry(dialog, "EditTemperatura")->text(), QStringLiteral("2800"));
            // Corrected, the mark goes and the dialog closes.
            Retype(pressure, "25");
            QVERIFY(!pressure->property("refused").toBool());
            Retype(Entry(dialog, "EditPasta"), "caso");
            QMetaObject::invokeMethod(&dialog, "accept");
        });
        ChooseMenuItem(form.MenuBar1, "Exportar", "Caso OpenFOAM...");
        QVERIFY(stayedOpen);
        QCOMPARE(errors.Messages().size(), std::size_t(1));
        QVERIFY(errors.Messages()[0].rfind("\"Pressão na câmara (bar)\" precisa de um número", 0) == 0);
        QVERIFY(FileExists("caso/Allrun"));
    }

    void acceptedValuesComeBackInThisSessionAndTheNext() {
        ErrorRecorder errors;
        {
            TForm1 form;
            form.show();
            Click(form.Button2);
            WithNextDialog([](QDialog& dialog) {
                Retype(Entry(dialog, "EditPressao"), "35");
                Retype(Entry(dialog, "EditGama"), "1.2");
                Retype(Entry(dialog, "EditPasta"), "caso35");
                QMetaObject::invokeMethod(&dialog, "accept");
            });
            ChooseMenuItem(form.MenuBar1, "Exportar", "Caso OpenFOAM...");
            QVERIFY(FileExists("caso35/Allrun"));
        }
        // A new window, as after a restart; a cancelled dialog changes nothing.
        for (const bool cancel : {true, false}) {
            TForm1 form;
            form.show();
            QString pressure, gamma, axial;
            WithNextDialog([&](QDialog& dialog) {
                pressure = Entry(dialog, "EditPressao")->text();
                gamma = Entry(dialog, "EditGama")->text();
                axial = Entry(dialog, "EditNX")->text();
                Retype(Entry(dialog, "EditPressao"), "99");
                if (cancel) dialog.reject();
            });
            form.Edit5->SetText("60");
            ChooseMenuItem(form.MenuBar1, "Exportar", "Caso OpenFOAM...");
            QCOMPARE(pressure, QStringLiteral("35"));
            QCOMPARE(gamma, QStringLiteral("1.2"));
            // The cell counts follow the window's entries.
            QCOMPARE(axial, QStringLiteral("60"));
        }
        QVERIFY(errors.Messages().empty());
    }

    void cadDialogsShowOnlyTheirOwnFields() {
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        Click(form.Button2);
        // The picture asks for the thickness alone: no stray list over it.
        WithNextDialog([](QDialog& dialog) {
            for (QComboBox* list : dialog.findChildren<QComboBox*>()) QVERIFY(!list->isVisible());
            QVERIFY(Entry(dialog, "thickness")->isEnabled());
            dialog.reject();
        });
        ChooseMenuItem(form.MenuBar1, "Exportar", "Imagem renderizada (POV-Ray)...");
        // The flow body has no wall: its thickness cannot be typed.
        WithNextDialog([](QDialog& dialog) {
            auto* body = dialog.findChild<QComboBox*>("body");
            QLineEdit* thickness = Entry(dialog, "thickness");
            QVERIFY(thickness->isEnabled());
            body->setCurrentIndex(1);
            QVERIFY(!thickness->isEnabled());
            body->setCurrentIndex(0);
            QVERIFY(thickness->isEnabled());
            dialog.reject();
        });
        ChooseMenuItem(form.MenuBar1, "Exportar", "DXF (meia seção)...");
        QVERIFY(errors.Messages().empty());
    }

    void newWorkFolderStartsWithCleanPanesAndShowsItsWholeName() {
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        const QImage start = form.Image1->GetPicture()->Image();
        Click(form.Button2);
        ChooseMenuItem(form.MenuBar1, "Exportar", "blockMesh");
        QVERIFY(form.Image1->GetPicture()->Image() != start);
        QVERIFY(QDir().mkdir("empty"));
        EnterWorkFolder(form, QStringLiteral("empty"));
        QCOMPARE(form.Memo1->GetText(), std::string());
        QCOMPARE(form.Edit2->GetText(), std::string());
        for (int series = 0; series < 10; ++series) QCOMPARE(form.Chart1->GetSeries(series)->Count(), 0);
        QVERIFY(form.Image1->GetPicture()->Image() == start);
        // The inputs stay: they are the user's, not the folder's.
        QCOMPARE(form.Edit1->GetText(), std::string("5.0"));
        QApplication::processEvents();
        auto* label = form.MenuBar1->findChild<QLabel*>("WorkFolderLabel");
        QVERIFY(label->text().endsWith("empty"));
        QVERIFY2(label->width() >= label->sizeHint().width(),
                 qPrintable(QString("%1 < %2").arg(label->width()).arg(label->sizeHint().width())));
        QVERIFY(errors.Messages().empty());
    }

private:
    std::unique_ptr<WorkFolder> folder_;
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"

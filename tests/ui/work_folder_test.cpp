// The working folder: chosen through the project menu and its folder chooser,
// remembered for a start from the desktop, kept on a start from a terminal,
// and given the chart picture "Gráficos" reads.
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include "core/error.h"
#include "ui/main_window.h"
#include "ui/work_folder.h"
#include "ui_test_support.h"

using namespace bellnozzle;
using namespace bellnozzle::ui;
using namespace bellnozzle::test;

namespace {

QFileDialog* OpenChooser(TForm1& form) {
    QFileDialog* dialog = nullptr;
    (void)QTest::qWaitFor(
        [&] {
            dialog = form.findChild<QFileDialog*>(QStringLiteral("WorkFolderDialog"));
            return dialog != nullptr && dialog->isVisible();
        },
        2000);
    return dialog;
}

// Pastes the folder into the chooser's name field and presses Enter, as a
// user does (typed key by key, the field's completion would pick names).
void Choose(QFileDialog* dialog, const QString& folder) {
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(name != nullptr);
    name->setText(folder);
    QTest::keyClick(name, Qt::Key_Return);
    QVERIFY(QTest::qWaitFor([dialog] { return !dialog->isVisible(); }, 2000));
}

QString ShownFolder(TForm1& form) {
    auto* label = form.MenuBar1->findChild<QLabel*>(QStringLiteral("WorkFolderLabel"));
    return label == nullptr ? QString() : label->toolTip();
}

bool IsChartPicture(const QString& path) {
    QImage picture;
    return picture.load(path, "BMP") && picture.size() == QSize(560, 525);
}

QString Made(const QString& folder) {
    QDir().mkpath(folder);
    return QDir(folder).canonicalPath();
}

}  // namespace

class WorkFolderTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QSettings(QStringLiteral("bellnozzle"), QStringLiteral("bellnozzle")).clear(); }

    void menuItemMovesEveryActionToTheChosenFolder() {
        WorkFolder start;
        const QString chosen = Made(QString::fromStdString(start.Path()) + "/bocal A");
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        ChooseMenuItem(form.MenuBar1, "Projeto", "Pasta de trabalho...");
        QFileDialog* dialog = OpenChooser(form);
        QVERIFY(dialog != nullptr);
        Choose(dialog, chosen);

        QCOMPARE(QDir::currentPath(), chosen);
        QCOMPARE(ShownFolder(form), chosen);
        QCOMPARE(RememberedWorkFolder(), chosen);
        QVERIFY(IsChartPicture(chosen + "/theta.bmp"));
        // The actions follow: the design and "Gráficos" work in the new folder.
        Click(form.Button2);
        Click(form.Button1);
        QVERIFY(QFile::exists(chosen + "/zelto_perfil.txt"));
        QVERIFY(!QFile::exists(QString::fromStdString(start.Path()) + "/zelto_perfil.txt"));
        QCOMPARE(errors.Messages().size(), std::size_t(0));
    }

    void desktopStartReturnsToTheRememberedFolderAndTerminalStartStays() {
        WorkFolder start;
        const QString here = QDir::currentPath();
        const QString remembered = Made(here + "/projetos");
        // A picture of the user's own is never replaced.
        WriteBytes((remembered + "/theta.bmp").toStdString(), "mine");
        {
            TForm1 form;
            EnterWorkFolder(form, remembered);
        }
        QDir::setCurrent(here);
        {
            TForm1 form;
            EnterStartFolder(form, WindowStart::Terminal);
            QCOMPARE(QDir::currentPath(), here);
            QCOMPARE(ShownFolder(form), here);
            QVERIFY(IsChartPicture(here + "/theta.bmp"));
        }
        {
            TForm1 form;
            EnterStartFolder(form, WindowStart::Desktop);
            QCOMPARE(QDir::currentPath(), remembered);
            QCOMPARE(ShownFolder(form), remembered);
            QCOMPARE(form.findChild<QFileDialog*>(), nullptr);
            QCOMPARE(ReadBytes((remembered + "/theta.bmp").toStdString()), std::string("mine"));
        }
    }

    void desktopStartAsksWhenTheFolderIsGone() {
        WorkFolder start;
        const QString here = QDir::currentPath();
        const QString parent = Made(here + "/disco");
        {
            TForm1 form;
            EnterWorkFolder(form, Made(parent + "/removida"));
        }
        QDir(parent + "/removida").removeRecursively();
        QDir::setCurrent(here);

        TForm1 form;
        form.show();
        EnterStartFolder(form, WindowStart::Desktop);
        QFileDialog* dialog = OpenChooser(form);
        QVERIFY(dialog != nullptr);
        QCOMPARE(QDir(dialog->directory()).canonicalPath(), parent);
        // Nothing is written until the user has answered.
        QCOMPARE(QDir::currentPath(), here);
        QVERIFY(!QFile::exists(here + "/theta.bmp"));
        dialog->reject();
        QVERIFY(IsChartPicture(here + "/theta.bmp"));
    }

    void aFolderThatCannotBeEnteredChangesNothing() {
        WorkFolder start;
        const QString here = QDir::currentPath();
        const QString remembered = Made(here + "/boa");
        TForm1 form;
        EnterWorkFolder(form, remembered);
        QVERIFY_THROWS_EXCEPTION(Error, EnterWorkFolder(form, here + "/nao-existe"));
        WriteBytes((here + "/arquivo").toStdString(), "x");
        QVERIFY_THROWS_EXCEPTION(Error, EnterWorkFolder(form, here + "/arquivo"));
        QCOMPARE(QDir::currentPath(), remembered);
        QCOMPARE(RememberedWorkFolder(), remembered);
        QCOMPARE(ShownFolder(form), remembered);
    }
};

QTEST_MAIN(WorkFolderTest)
#include "work_folder_test.moc"

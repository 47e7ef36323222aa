#include "ui/work_folder.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QSettings>

#include <string>

#include "core/error.h"
#include "core/file_names.h"
#include "core/version.h"
#include "ui/main_window.h"
#include "ui/chart_picture.h"
#include "ui/menu_items.h"
#include "ui/ui_text.h"
#include "ui/run_window.h"

namespace bellnozzle::ui {
namespace {

const char kSettingsKey[] = "workFolder";
const char kLabelName[] = "WorkFolderLabel";
const char kDialogName[] = "WorkFolderDialog";

QSettings Settings() { return QSettings(QStringLiteral("bellnozzle"), QStringLiteral("bellnozzle")); }

// The folder as people read it: the home folder as "~", and a long path cut
// at its start, where it tells the least.
QString ShownFolder(const QString& folder) {
    QString shown = QDir::toNativeSeparators(folder);
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    if (shown == home) {
        shown = QStringLiteral("~");
    } else if (shown.startsWith(home + QDir::separator())) {
        shown = QStringLiteral("~") + shown.mid(home.size());
    }
    constexpr int kLongest = 60;
    if (shown.size() > kLongest) shown = QString::fromUtf8("…") + shown.right(kLongest - 1);
    return shown;
}

}  // namespace

void ShowWorkFolder(TForm1& form) {
    auto* label = form.MenuBar1->findChild<QLabel*>(QString::fromLatin1(kLabelName));
    if (label == nullptr) return;
    const QString folder = QDir::currentPath();
    label->setText(Ui::tr("Pasta: %1").arg(ShownFolder(folder)));
    label->setToolTip(QDir::toNativeSeparators(folder));
    // The menu bar sizes its corner by the label's size at the time it was
    // set; set again, it makes room for the new text.
    label->adjustSize();
    form.MenuBar1->setCornerWidget(label, Qt::TopRightCorner);
    form.MenuBar1->updateGeometry();
}

namespace {

// What the window shows belongs to the folder it was made in: a new folder
// starts as the window starts, with the chart picture and nothing else.
void ClearPanes(TForm1& form) {
    form.Memo1->clear();
    form.Edit2->SetText("");
    form.Edit4->SetText("");
    for (int series = 0; series < form.Chart1->SeriesCount(); ++series) form.Chart1->GetSeries(series)->Clear();
    form.Chart1->SetKind(ChartKind::Curves);
    form.Image1->GetPicture()->Assign(DrawChartPicture());
    form.Image1->PictureChanged();
}

// The chart picture that "Gráficos" shows, drawn once into each folder that
// has none. A folder that cannot be written to gets none; "Gráficos" then
// says which file is missing.
void EnsureChartBitmap() {
    if (QFileInfo::exists(QString::fromLatin1(kChartBitmapFileName))) return;
    std::string ignored;
    WriteChartBitmap(kChartBitmapFileName, ignored);
}

// Where the chooser opens: the folder remembered, or the nearest folder above
// it that still exists, or the current folder.
QString ChooserStart() {
    QString folder = RememberedWorkFolder();
    while (!folder.isEmpty() && !QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).path();
        folder = parent == folder ? QString() : parent;
    }
    return folder.isEmpty() ? QDir::currentPath() : folder;
}

QFileDialog* OpenChooser(TForm1& form) {
    if (auto* open = form.findChild<QFileDialog*>(QString::fromLatin1(kDialogName))) {
        open->raise();
        open->activateWindow();
        return open;
    }
    auto* dialog = new QFileDialog(&form, Ui::tr("Pasta de trabalho"), ChooserStart());
    dialog->setObjectName(QString::fromLatin1(kDialogName));
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setLabelText(QFileDialog::Accept, Ui::tr("Escolher"));
    dialog->setLabelText(QFileDialog::Reject, Ui::tr("Cancelar"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QFileDialog::fileSelected, &form, [&form](const QString& folder) {
        Application->RunGuarded([&form, folder] { EnterWorkFolder(form, folder); });
    });
    dialog->open();
    return dialog;
}

}  // namespace

QString RememberedWorkFolder() { return Settings().value(QString::fromLatin1(kSettingsKey)).toString(); }

void AddWorkFolderMenuItem(TForm1& form) {
    AddMenuItem(form.MenuProjeto, QT_TRANSLATE_NOOP("Ui", "Pasta de trabalho..."),
                QT_TRANSLATE_NOOP("Ui", "Escolhe a pasta onde os arquivos são lidos e gravados"),
                [&form] { ChooseWorkFolder(form); });
    auto* label = new QLabel(form.MenuBar1);
    label->setObjectName(QString::fromLatin1(kLabelName));
    label->setContentsMargins(8, 0, 8, 0);
    form.MenuBar1->setCornerWidget(label, Qt::TopRightCorner);
    ShowWorkFolder(form);
}

void EnterStartFolder(TForm1& form, WindowStart start) {
    // The desktop finds the entry and the icon of a running window by these.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
    form.setWindowIcon(QIcon::fromTheme(QStringLiteral("bellnozzle")));
    if (start == WindowStart::Desktop) {
        const QString remembered = RememberedWorkFolder();
        if (remembered.isEmpty() || !QFileInfo(remembered).isDir() || !QDir::setCurrent(remembered)) {
            // Cancelled, the window works where the desktop started it
            // (usually the home folder), as the menu bar shows.
            ShowWorkFolder(form);
            QObject::connect(OpenChooser(form), &QFileDialog::rejected, &form, [] { EnsureChartBitmap(); });
            return;
        }
    }
    ShowWorkFolder(form);
    EnsureChartBitmap();
}

void ChooseWorkFolder(TForm1& form) { OpenChooser(form); }

void EnterWorkFolder(TForm1& form, const QString& folder) {
    const QString absolute = QFileInfo(folder).absoluteFilePath();
    const QString before = QDir::currentPath();
    if (!QFileInfo(absolute).isDir() || !QDir::setCurrent(absolute)) {
        const std::string path = absolute.toStdString();
        throw Error("cannot work in the folder \"" + path + "\"",
                    "não é possível trabalhar na pasta \"" + path + "\"");
    }
    Settings().setValue(QString::fromLatin1(kSettingsKey), QDir::currentPath());
    if (QDir::currentPath() != before) ClearPanes(form);
    ShowWorkFolder(form);
    EnsureChartBitmap();
}

}  // namespace bellnozzle::ui

// The program's window entry and the chart bitmap command.
#include "ui/run_window.h"

#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>

#include "ui/chart_picture.h"
#include "ui/main_window.h"
#include "ui/work_folder.h"

namespace bellnozzle::ui {

int RunWindow(int argc, char** argv, bool fromDesktop) {
    try {
        Application->Initialize(argc, argv);
        TForm1* Form1 = nullptr;
        Application->CreateForm(Form1);
        EnterStartFolder(*Form1, fromDesktop ? WindowStart::Desktop : WindowStart::Terminal);
        Application->Run();
    } catch (const std::exception& error) {
        Application->ShowException(error);
    }
    Application->Terminate();
    return 0;
}

namespace {

// Qt's start-up notes (a missing runtime folder and the like) are noise for a
// headless command; real failures are reported through the result.
void DropQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

bool WriteChartBitmap(const std::string& path, std::string& error) {
    // Drawing text needs a GUI application but no display: without a platform
    // chosen, use the offscreen one so the command works on a bare machine.
    std::unique_ptr<QGuiApplication> app;
    const QtMessageHandler previousHandler = qInstallMessageHandler(DropQtNotes);
    struct RestoreHandler {
        QtMessageHandler handler;
        ~RestoreHandler() { qInstallMessageHandler(handler); }
    } restore{previousHandler};
    if (QGuiApplication::instance() == nullptr) {
        const char* platform = std::getenv("QT_QPA_PLATFORM");
        if (platform == nullptr || *platform == '\0') setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "bellnozzle";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    const QImage picture = DrawChartPicture();
    // Written beside the target and renamed over it, so an old bitmap is never
    // left half-written.
    QSaveFile file(QString::fromStdString(path));
    QImageWriter writer(&file, "BMP");
    QString reason;
    if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
    } else if (!writer.write(picture)) {
        reason = writer.errorString();
    } else if (!file.commit()) {
        reason = file.errorString();
    }
    if (reason.isEmpty()) return true;
    error = "cannot write the chart bitmap \"" + path + "\": " + reason.toStdString();
    return false;
}

}  // namespace bellnozzle::ui

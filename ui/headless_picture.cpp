#include "ui/headless_picture.h"

#include <QImageWriter>
#include <QSaveFile>

#include <cstdio>
#include <cstdlib>

namespace bellnozzle::ui {
namespace {

// Qt's start-up notes (a missing runtime folder and the like) are noise for a
// headless command; real failures are reported through the result.
void DropQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

HeadlessPainting::HeadlessPainting() : previousHandler_(qInstallMessageHandler(DropQtNotes)) {
    if (QGuiApplication::instance() != nullptr) return;
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || *platform == '\0') setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "bellnozzle";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QGuiApplication>(argc, argv);
}

HeadlessPainting::~HeadlessPainting() {
    app_.reset();
    qInstallMessageHandler(previousHandler_);
}

QString SavePictureWhole(const QImage& picture, const std::string& path, const char* format) {
    QSaveFile file(QString::fromStdString(path));
    QImageWriter writer(&file, format);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (!writer.write(picture)) return writer.errorString();
    if (!file.commit()) return file.errorString();
    return {};
}

bool SavePngWhole(const QImage& picture, const std::string& path, std::string& error) {
    const QString reason = SavePictureWhole(picture, path, "PNG");
    if (reason.isEmpty()) return true;
    error = "cannot write the picture \"" + path + "\": " + reason.toStdString();
    return false;
}

}  // namespace bellnozzle::ui

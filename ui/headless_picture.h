// Drawing and saving a picture from a headless command: painting text needs a
// GUI application but no display, and a picture file is written whole or not
// at all.
#pragma once

#include <QGuiApplication>
#include <QImage>

#include <memory>
#include <string>

namespace bellnozzle::ui {

// While alive, a GUI application exists (the offscreen platform when none
// is chosen, so a bare machine works) and Qt's start-up notes stay quiet.
class HeadlessPainting {
public:
    HeadlessPainting();
    ~HeadlessPainting();
    HeadlessPainting(const HeadlessPainting&) = delete;
    HeadlessPainting& operator=(const HeadlessPainting&) = delete;

private:
    std::unique_ptr<QGuiApplication> app_;
    QtMessageHandler previousHandler_;
};

// Saves picture in format ("PNG", "BMP") beside path and renames it over the
// old file only once complete. Gives the reason of a failure, empty when done.
QString SavePictureWhole(const QImage& picture, const std::string& path, const char* format);

// The headless commands' PNG: true when written; otherwise false, with
// error the message the command prints.
bool SavePngWhole(const QImage& picture, const std::string& path, std::string& error);

}  // namespace bellnozzle::ui

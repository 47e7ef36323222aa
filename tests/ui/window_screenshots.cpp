// Shows the window as a user sees it after "Cálculo", at a given size and in
// a given language, for screenshots taken from the X server
// (scripts/screenshots.sh). Usage: window_screenshots WIDTH HEIGHT pt|en SECONDS
#include <QApplication>
#include <QTimer>

#include <cstdlib>

#include "ui/language.h"
#include "ui/main_window.h"

using namespace bellnozzle::ui;

int main(int argc, char** argv) {
    if (argc != 5) return 2;
    QApplication app(argc, argv);
    InstallLanguage(QByteArray(argv[3]) == "en" ? Language::English : Language::Portuguese);
    TForm1 form;
    form.move(0, 0);
    form.resize(std::atoi(argv[1]), std::atoi(argv[2]));
    form.show();
    form.Button2->click();
    QTimer::singleShot(std::atoi(argv[4]) * 1000, &app, &QApplication::quit);
    return app.exec();
}

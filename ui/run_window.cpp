// The program's window entry and the chart bitmap command.
#include "ui/run_window.h"


#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>

#include "ui/chart_picture.h"
#include "ui/headless_picture.h"
#include "ui/language.h"
#include "ui/main_window.h"
#include "ui/work_folder.h"

namespace bellnozzle::ui {

int RunWindow(int argc, char** argv, bool fromDesktop) {
    try {
        Application->Initialize(argc, argv);
        // Before the window is made, so it is built in its language.
        InstallLanguage(StartLanguage());
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

bool WriteChartBitmap(const std::string& path, std::string& error) {
    const HeadlessPainting painting;
    // Written beside the target and renamed over it, so an old bitmap is never
    // left half-written.
    const QString reason = SavePictureWhole(DrawChartPicture(), path, "BMP");
    if (reason.isEmpty()) return true;
    error = "cannot write the chart bitmap \"" + path + "\": " + reason.toStdString();
    return false;
}

}  // namespace bellnozzle::ui

// How long the window takes: from launching the program to the window shown
// (a fresh process each time, so the loading of Qt counts), and each button
// from click to return, in a temporary working folder on the same filesystem
// as the build. Goals on the development machine: window within 150 ms,
// every action within 20 ms.
//
//   ui_timing [RUNS]      RUNS start-ups and RUNS clicks per button (20)
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWindow>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "ui/main_window.h"
#include "ui/run_window.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double NowMs() {
    return std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count();
}

struct Summary {
    double median;
    double worst;
};

Summary Summarise(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples.back()};
}

// Child: started at launchMs (steady clock, shared by all processes), shows
// the window and prints how long after the launch it was exposed.
int ShowOnce(int argc, char** argv, double launchMs) {
    QApplication app(argc, argv);
    bellnozzle::ui::TForm1 form;
    form.show();
    while (!form.windowHandle() || !form.windowHandle()->isExposed()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    QApplication::processEvents();  // the first paint
    std::printf("%.3f\n", NowMs() - launchMs);
    return 0;
}

Summary MeasureStartUp(const char* self, int runs) {
    std::vector<double> samples;
    for (int run = 0; run < runs; ++run) {
        char launch[64];
        std::snprintf(launch, sizeof launch, "%.6f", NowMs());
        int fds[2];
        if (pipe(fds) != 0) std::exit(1);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        char mode[] = "--show-once";
        char* args[] = {const_cast<char*>(self), mode, launch, nullptr};
        pid_t child = 0;
        if (posix_spawn(&child, self, &actions, nullptr, args, environ) != 0) std::exit(1);
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        char text[64] = {};
        const ssize_t got = read(fds[0], text, sizeof text - 1);
        close(fds[0]);
        int status = 0;
        waitpid(child, &status, 0);
        if (got > 0) samples.push_back(std::atof(text));
    }
    return Summarise(samples);
}

// The click itself, and the click until the event loop has also redrawn the
// line chart and repainted the panes.
std::pair<Summary, Summary> MeasureClicks(QPushButton* button, int runs) {
    std::vector<double> returned;
    std::vector<double> repainted;
    for (int run = 0; run < runs; ++run) {
        const double start = NowMs();
        button->click();
        returned.push_back(NowMs() - start);
        QApplication::processEvents();
        repainted.push_back(NowMs() - start);
    }
    return {Summarise(returned), Summarise(repainted)};
}

// printf's widths count bytes; the captions hold two-byte letters.
void PrintPadded(const char* text, int width) {
    int letters = 0;
    for (const char* c = text; *c != '\0'; ++c) letters += (static_cast<unsigned char>(*c) & 0xC0) != 0x80;
    std::printf("%s%*s", text, std::max(0, width - letters), "");
}

}  // namespace

int main(int argc, char** argv) {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || *platform == '\0') setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (argc == 3 && std::strcmp(argv[1], "--show-once") == 0) return ShowOnce(argc, argv, std::atof(argv[2]));
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    const Summary startUp = MeasureStartUp("/proc/self/exe", runs);
    PrintPadded("launch to window shown", 24);
    std::printf("median %6.2f ms  worst %6.2f ms  (goal 150 ms)\n", startUp.median, startUp.worst);

    QApplication app(argc, argv);
    QTemporaryDir folder(QDir::currentPath() + "/ui_timing_XXXXXX");
    QDir::setCurrent(folder.path());
    std::string error;
    if (!bellnozzle::ui::WriteChartBitmap("theta.bmp", error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    bellnozzle::ui::TForm1 form;
    form.show();
    QApplication::processEvents();
    form.Button2->click();  // a profile for the exports
    const struct {
        const char* name;
        QPushButton* button;
    } buttons[] = {{"Cálculo (Button2)", form.Button2},   {"Gráficos (Button1)", form.Button1},
                   {"blockMesh (Button4)", form.Button4}, {"gmesh (Button5)", form.Button5},
                   {"gmesh2 (Button6)", form.Button6},    {"PovRay (Button3)", form.Button3}};
    for (const auto& entry : buttons) {
        const auto [click, shown] = MeasureClicks(entry.button, runs);
        PrintPadded(entry.name, 24);
        std::printf("median %6.2f ms  worst %6.2f ms  (goal 20 ms);  repainted: median %6.2f ms  worst %6.2f ms\n",
                    click.median, click.worst, shown.median, shown.worst);
    }
    QDir::setCurrent(QDir::tempPath());
    return 0;
}

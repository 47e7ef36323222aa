// bellnozzle: with no arguments it opens the window; with a command it runs
// headless, needs no display and never creates the window.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "core/version.h"

#ifdef BELLNOZZLE_WITH_GUI
#include "ui/run_window.h"
#endif

namespace {

const char kUsage[] =
    "usage: bellnozzle [COMMAND [OPTIONS]]\n"
    "\n"
    "Without a command, opens the window (needs a display) in the current folder;\n"
    "'bellnozzle --desktop' opens it as the menu entry does, in the folder chosen last.\n"
    "\n"
    "Commands (headless):\n"
    "  design     compute the contour and write zelto_perfil.txt\n"
    "  lookup     read theta_n and theta_s off the design chart\n"
    "  chart      print the design chart curves as CSV\n"
    "  blockmesh  write blockMeshDict.txt from zelto_perfil.txt\n"
    "  gmsh       write mesh.geo, the two-sided wedge\n"
    "  gmsh2      write mesh.geo, the face swept by rotation\n"
    "  povray     write nozzle1.pov\n"
    "  case       write an OpenFOAM case folder of the nozzle\n"
    "  cfd        run an OpenFOAM case and report its result\n"
    "  report     compare a finished run with 1-D theory\n"
    "  cad        write the nozzle as STEP, STL, DXF, SVG or CSV\n"
    "  render     render the nozzle with POV-Ray into a PNG picture\n"
    "  summary    dimensions and 1-D performance of zelto_perfil.txt\n"
    "  analyze    2-D flow of zelto_perfil.txt's wall by the method of characteristics\n"
    "  mesh       write wedge_mesh.geo and mesh it with Gmsh (named boundaries)\n"
    "  sweep      design and analyse many bells, their trade chart and CFD cases\n"
    "\n"
    "'bellnozzle COMMAND --help' describes each command; 'bellnozzle --version' prints the version.\n"
    "Exit status: 0 done, 1 refused input or file error, 2 wrong usage.\n";

bool HaveDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

int OpenWindow(int argc, char** argv, bool fromDesktop = false) {
#ifdef BELLNOZZLE_WITH_GUI
    if (!HaveDisplay()) {
        std::fprintf(stderr,
                     "bellnozzle: no display to open the window on; run it as 'xvfb-run -a bellnozzle', "
                     "or use the headless commands ('bellnozzle --help')\n");
        return bellnozzle::cli::kExitRefused;
    }
    return bellnozzle::ui::RunWindow(argc, argv, fromDesktop);
#else
    (void)argc;
    (void)argv;
    (void)fromDesktop;
    (void)HaveDisplay;
    std::fprintf(stderr,
                 "bellnozzle: this build has no window (built with BELLNOZZLE_GUI=OFF); "
                 "use the headless commands ('bellnozzle --help')\n");
    return bellnozzle::cli::kExitUsage;
#endif
}

}  // namespace

int main(int argc, char** argv) {
    using namespace bellnozzle::cli;
    if (argc < 2) return OpenWindow(argc, argv);

    const std::string command = argv[1];
    if (command == "--desktop" && argc == 2) return OpenWindow(1, argv, true);
    const Args args(argv + 2, argv + argc);
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    if (command == "--version" || command == "-V" || command == "version") {
        std::printf("bellnozzle %s\n", bellnozzle::kVersion);
        return kExitOk;
    }
    struct {
        const char* name;
        int (*run)(const Args&);
    } const commands[] = {
        {"design", RunDesignCommand},       {"lookup", RunLookupCommand},
        {"chart", RunChartCommand},         {"blockmesh", RunBlockMeshCommand},
        {"gmsh", RunGmshCommand},           {"gmsh2", RunGmsh2Command},
        {"povray", RunPovRayCommand},
        {"case", RunCaseCommand},           {"cfd", RunCfdCommand},           {"report", RunReportCommand},
        {"cad", RunCadCommand},
        {"render", RunRenderCommand},
        {"summary", RunSummaryCommand},
        {"analyze", RunAnalyzeCommand},
        {"mesh", RunMeshCommand},
        {"sweep", RunSweepCommand},
    };
    for (const auto& entry : commands) {
        if (command == entry.name) return entry.run(args);
    }
    std::fprintf(stderr, "bellnozzle: unknown command '%s'\n%s", command.c_str(), kUsage);
    return kExitUsage;
}

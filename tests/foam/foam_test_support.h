// Shared by the case tests: a scratch folder per test in the build tree, a
// designed profile, the command run as a program, and the 1-D isentropic
// values worked out here on their own (not by the code under test).
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <charconv>
#include <vector>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/design.h"

namespace bellnozzle::foamtest {

namespace fs = std::filesystem;

inline fs::path FreshFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const fs::path dir = fs::path(BELLNOZZLE_FOAM_TEST_WORK_DIR) /
                         (std::string(info->test_suite_name()) + "." + info->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

inline std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteBytes(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Designs a nozzle into dir/zelto_perfil.txt as the "design" command does.
inline void Design(const fs::path& dir, float diameterCm, float lengthPercent, float epsilon) {
    RunDesign(diameterCm, lengthPercent, epsilon, (dir / "zelto_perfil.txt").string());
}

// A profile written by hand, not a bell: a 45-degree convergent cone from a
// radius of 2 Rt, a throat arc of wall radius 0.5 Rt, and a 15-degree
// divergent cone to an area ratio of 10; Rt = 1 cm, points about 0.05 cm apart.
inline void WriteConeProfile(const fs::path& dir) {
    const double rt = 1, rho = 0.5, rin = 2, re = std::sqrt(10.0);
    const double in = 45 * M_PI / 180, out = 15 * M_PI / 180;
    std::vector<std::pair<double, double>> points;
    const double x1 = -rho * std::sin(in), y1 = rt + rho * (1 - std::cos(in));
    const double xIn = x1 - (rin - y1);  // slope -1
    for (int i = 0; i < 20; ++i) points.emplace_back(xIn + (x1 - xIn) * i / 20, rin - (x1 - xIn) * i / 20);
    for (int i = 0; i <= 20; ++i) {
        const double a = -in + (in + out) * i / 20;  // angle of the wall normal from below
        points.emplace_back(rho * std::sin(a), rt + rho * (1 - std::cos(a)));
    }
    const double x2 = rho * std::sin(out), y2 = rt + rho * (1 - std::cos(out));
    const double xe = x2 + (re - y2) / std::tan(out);
    for (int i = 1; i <= 160; ++i) {
        const double x = x2 + (xe - x2) * i / 160;
        points.emplace_back(x, y2 + (x - x2) * std::tan(out));
    }
    std::string text = "[parametros]\nRt=1 cm\nepsilon=10\n[perfil]\n";
    auto number = [](double value) {
        char buffer[32];
        return std::string(buffer,
                           std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6).ptr);
    };
    for (std::size_t i = 0; i < points.size(); ++i) {
        text += std::to_string(i + 1) + "\t" + number(points[i].first) + "\t" + number(points[i].second) + "\n";
    }
    WriteBytes(dir / "zelto_perfil.txt", text);
}

// "bellnozzle ARGUMENTS" run in folder; stdout and stderr in its files.
inline int RunCommand(const fs::path& folder, const std::string& arguments) {
    const std::string command = "cd '" + folder.string() + "' && '" BELLNOZZLE_EXECUTABLE "' " + arguments +
                                " >stdout.txt 2>stderr.txt";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A/A* of a perfect gas at Mach m.
inline double AreaRatio(double m, double g) {
    return std::pow(2 / (g + 1) * (1 + (g - 1) / 2 * m * m), (g + 1) / (2 * (g - 1))) / m;
}

// The supersonic Mach of area ratio a, by bisection.
inline double SupersonicMach(double a, double g) {
    double low = 1, high = 50;
    for (int i = 0; i < 200; ++i) {
        const double mid = (low + high) / 2;
        (AreaRatio(mid, g) < a ? low : high) = mid;
    }
    return (low + high) / 2;
}

// Choked mass flow through throat area (m^2), kg/s.
inline double ChokedFlow(double area, double p0, double T0, double g, double R) {
    return area * p0 / std::sqrt(R * T0) * std::sqrt(g) * std::pow(2 / (g + 1), (g + 1) / (2 * (g - 1)));
}

}  // namespace bellnozzle::foamtest

#include "process/run_program.h"

namespace bellnozzle::foamtest {

// Debian's OpenFOAM programs stop at once without WM_PROJECT_DIR; Allrun
// finds it by itself, a test running the programs directly passes it.
inline std::vector<std::string> OpenFoamEnvironment() {
    const char* set = std::getenv("WM_PROJECT_DIR");
    if (set != nullptr && *set != '\0') return {};
    for (const char* dir : {"/usr/share/openfoam", "/usr/lib/openfoam"}) {
        if (fs::exists(fs::path(dir) / "etc/bashrc")) return {std::string("WM_PROJECT_DIR=") + dir};
    }
    return {};
}

// Runs an OpenFOAM program in the case folder with its output in log.NAME.
inline RunResult RunFoam(const fs::path& caseDir, const std::vector<std::string>& argv) {
    RunOptions options;
    options.workDir = caseDir.string();
    options.logPath = (caseDir / ("log." + argv[0])).string();
    options.environment = OpenFoamEnvironment();
    return RunProgram(argv, options);
}

}  // namespace bellnozzle::foamtest

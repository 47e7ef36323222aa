#include "cad_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

namespace bellnozzle::cadtest {

std::filesystem::path FreshFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    for (char& c : name) {
        if (c == '/') c = '_';
    }
    const std::filesystem::path folder = std::filesystem::path(BELLNOZZLE_CAD_TEST_WORK_DIR) / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::string ProfileText(const std::string& name) {
    return ReadBytes(std::filesystem::path(BELLNOZZLE_PROFILES_DIR) / (name + ".txt"));
}

std::string ProfileWithPoints(const std::vector<Point>& pointsCm) {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << "[parametros]\nRt=1 cm\n[perfil]\n";
    for (std::size_t i = 0; i < pointsCm.size(); ++i) {
        text << i + 1 << '\t' << pointsCm[i].x << '\t' << pointsCm[i].r << '\n';
    }
    return text.str();
}

std::vector<Point> PointsOf(const std::string& profileText) {
    std::istringstream in(profileText);
    in.imbue(std::locale::classic());
    std::string line;
    while (std::getline(in, line) && line != "[perfil]") {
    }
    std::vector<Point> points;
    int number;
    double x, r;
    while (in >> number >> x >> r) points.push_back({x * 10.0, r * 10.0});
    return points;
}

namespace {

// The slope dr/dx at point i of the polynomial through up to five points
// around it.
double SlopeAt(const std::vector<Point>& p, std::size_t i) {
    const std::size_t first = i < 2 ? 0 : i - 2;
    const std::size_t last = std::min(p.size() - 1, i + 2);
    double slope = 0.0;
    for (std::size_t j = first; j <= last; ++j) {
        // d/dx of the Lagrange basis of node j, at node i.
        double derivative = 0.0;
        if (j == i) {
            for (std::size_t k = first; k <= last; ++k) {
                if (k != j) derivative += 1.0 / (p[j].x - p[k].x);
            }
        } else {
            derivative = 1.0 / (p[j].x - p[i].x);
            for (std::size_t k = first; k <= last; ++k) {
                if (k != j && k != i) derivative *= (p[i].x - p[k].x) / (p[j].x - p[k].x);
            }
        }
        slope += derivative * p[j].r;
    }
    return slope;
}

}  // namespace

std::vector<Point> OffsetAlongNormals(const std::vector<Point>& wall, double thickness) {
    const std::size_t n = wall.size();
    std::vector<Point> outer(n);
    std::vector<double> slopes(n);
    for (std::size_t i = 0; i < n; ++i) {
        slopes[i] = SlopeAt(wall, i);
        const double length = std::hypot(1.0, slopes[i]);
        outer[i] = {wall[i].x - thickness * slopes[i] / length, wall[i].r + thickness / length};
    }
    outer.front().r += slopes.front() * (wall.front().x - outer.front().x);
    outer.front().x = wall.front().x;
    outer.back().r += slopes.back() * (wall.back().x - outer.back().x);
    outer.back().x = wall.back().x;
    return outer;
}

double SmoothVolume(const std::vector<Point>& p) {
    // Five-point Gauss-Legendre on [-1, 1].
    static const double nodes[] = {0.0, -0.5384693101056831, 0.5384693101056831, -0.9061798459386640,
                                   0.9061798459386640};
    static const double weights[] = {0.5688888888888889, 0.4786286704993665, 0.4786286704993665,
                                     0.2369268850561891, 0.2369268850561891};
    const std::size_t n = p.size();
    double sum = 0.0;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        std::size_t first = i == 0 ? 0 : i - 1;
        std::size_t last = std::min(n - 1, i + 2);
        const double a = p[i].x;
        const double b = p[i + 1].x;
        for (int q = 0; q < 5; ++q) {
            const double x = 0.5 * (a + b) + 0.5 * (b - a) * nodes[q];
            double r = 0.0;
            for (std::size_t j = first; j <= last; ++j) {
                double basis = 1.0;
                for (std::size_t k = first; k <= last; ++k) {
                    if (k != j) basis *= (x - p[k].x) / (p[j].x - p[k].x);
                }
                r += basis * p[j].r;
            }
            sum += 0.5 * (b - a) * weights[q] * r * r;
        }
    }
    return M_PI * sum;
}

double FrustumVolume(const std::vector<Point>& p) {
    double sum = 0.0;
    for (std::size_t i = 1; i < p.size(); ++i) {
        sum += (p[i].x - p[i - 1].x) * (p[i - 1].r * p[i - 1].r + p[i - 1].r * p[i].r + p[i].r * p[i].r);
    }
    return M_PI * sum / 3.0;
}

}  // namespace bellnozzle::cadtest

#include "foam_case/wall_pressure.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>

#include "core/isentropic_flow.h"
#include "core/text_file.h"
#include "foam_case/case_files.h"

namespace bellnozzle {
namespace fs = std::filesystem;

std::vector<WallPressurePoint> ParseWallPressure(const std::string& text, double chamberPressure,
                                                 double wedgeCos, std::vector<double>* radiusCm) {
    std::vector<std::pair<WallPressurePoint, double>> faces;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const char* p = text.data() + start;
        const char* const stop = text.data() + end;
        start = end + 1;
        double values[4];
        int count = 0;
        while (p < stop && count < 4 && *p != '#') {
            if (*p == ' ' || *p == '\t' || *p == '\r') {
                ++p;
                continue;
            }
            const auto result = std::from_chars(p, stop, values[count]);
            if (result.ec != std::errc()) break;
            p = result.ptr;
            ++count;
        }
        if (count == 4) faces.push_back({{values[0] * 100, values[3] / chamberPressure}, values[2] / wedgeCos * 100});
    }
    std::sort(faces.begin(), faces.end(), [](const auto& a, const auto& b) { return a.first.xCm < b.first.xCm; });
    std::vector<WallPressurePoint> points;
    if (radiusCm != nullptr) radiusCm->clear();
    for (const auto& [point, radius] : faces) {
        points.push_back(point);
        if (radiusCm != nullptr) radiusCm->push_back(radius);
    }
    return points;
}

std::vector<WallPressurePoint> ReadWallPressure(const std::string& caseDir, double chamberPressure,
                                                double wedgeCos, std::vector<double>* radiusCm) {
    const fs::path dir = fs::path(caseDir) / "postProcessing" / kWallPressureName;
    double latest = -1;
    fs::path file;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(dir, error)) {
        const std::string name = entry.path().filename().string();
        double time = 0;
        const auto result = std::from_chars(name.data(), name.data() + name.size(), time);
        const fs::path raw = entry.path() / "p_wall.raw";
        if (result.ec == std::errc() && result.ptr == name.data() + name.size() && time > latest &&
            fs::is_regular_file(raw, error)) {
            latest = time;
            file = raw;
        }
    }
    if (latest < 0) return {};
    return ParseWallPressure(ReadWholeFile(file.string()), chamberPressure, wedgeCos, radiusCm);
}

std::vector<WallPressurePoint> OneDimensionalWall(const std::vector<WallPressurePoint>& faces,
                                                  const std::vector<double>& radiusCm, const NozzleMeasures& nozzle,
                                                  double gamma) {
    std::vector<WallPressurePoint> wall;
    const double throatCm = nozzle.throatRadius * 100;
    for (std::size_t i = 0; i < faces.size() && i < radiusCm.size(); ++i) {
        const double ratio = std::max(1.0, (radiusCm[i] / throatCm) * (radiusCm[i] / throatCm));
        const double mach = MachAtAreaRatio(ratio, gamma, faces[i].xCm > nozzle.throatX * 100);
        wall.push_back({faces[i].xCm, PressureRatioAtMach(mach, gamma)});
    }
    return wall;
}

double LargestDifference(const std::vector<WallPressurePoint>& faces,
                         const std::vector<WallPressurePoint>& reference, double fromXCm, bool relative) {
    double largest = NAN;
    if (reference.size() < 2) return largest;
    for (const WallPressurePoint& face : faces) {
        if (face.xCm < fromXCm || face.xCm < reference.front().xCm || face.xCm > reference.back().xCm) continue;
        const auto upper = std::upper_bound(reference.begin(), reference.end(), face.xCm,
                                            [](double x, const WallPressurePoint& p) { return x < p.xCm; });
        const auto lower = upper == reference.begin() ? upper : upper - 1;
        const auto next = upper == reference.end() ? lower : upper;
        const double span = next->xCm - lower->xCm;
        const double t = span > 0 ? (face.xCm - lower->xCm) / span : 0;
        const double expected = lower->pRatio + t * (next->pRatio - lower->pRatio);
        const double difference = std::fabs(face.pRatio - expected) / (relative ? expected : 1.0);
        if (!(difference <= largest)) largest = difference;
    }
    return largest;
}

}  // namespace bellnozzle

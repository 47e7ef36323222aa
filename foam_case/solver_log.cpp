#include "foam_case/solver_log.h"

#include <charconv>
#include <cstdio>
#include <string_view>

namespace bellnozzle {
namespace {

// A line "Time = 0.00123" (the solver's time step header); "ExecutionTime ="
// and "deltaT =" lines do not start with it.
bool ParseTimeLine(std::string_view line, double& value) {
    constexpr std::string_view kPrefix = "Time = ";
    if (line.substr(0, kPrefix.size()) != kPrefix) return false;
    line.remove_prefix(kPrefix.size());
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
    const auto result = std::from_chars(line.data(), line.data() + line.size(), value);
    return result.ec == std::errc() && result.ptr == line.data() + line.size();
}

void ScanLines(std::string_view text, double& lastTime) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) break;
        double value = 0;
        if (ParseTimeLine(text.substr(start, end - start), value)) lastTime = value;
        start = end + 1;
    }
}

}  // namespace

double LastSolverTime(const std::string& logText) {
    double lastTime = -1;
    ScanLines(logText, lastTime);
    return lastTime;
}

std::string CurrentAllrunStep(const std::string& allrunLogText) {
    constexpr std::string_view kPrefix = "Allrun: ";
    std::string step;
    std::size_t start = 0;
    const std::string_view text(allrunLogText);
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (line.substr(0, kPrefix.size()) == kPrefix) {
            line.remove_prefix(kPrefix.size());
            // "mpirun -np 2 rhoCentralFoam -parallel" runs the solver.
            if (line.substr(0, 6) == "mpirun") {
                const std::size_t solver = line.find("rhoCentralFoam");
                step = solver == std::string_view::npos ? "mpirun" : "rhoCentralFoam";
            } else {
                step = std::string(line.substr(0, line.find(' ')));
            }
        }
        start = end + 1;
    }
    return step;
}

void LogFollower::Poll() {
    std::FILE* file = std::fopen(path_.c_str(), "rb");
    if (file == nullptr) return;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long size = std::ftell(file);
        if (size >= 0 && static_cast<std::uint64_t>(size) < offset_) {
            offset_ = 0;
            partial_.clear();
            lastTime_ = -1;
        }
    }
    if (std::fseek(file, static_cast<long>(offset_), SEEK_SET) == 0) {
        char buffer[64 * 1024];
        std::size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
            offset_ += got;
            partial_.append(buffer, got);
            ScanLines(partial_, lastTime_);
            const std::size_t lastNewline = partial_.rfind('\n');
            if (lastNewline != std::string::npos) partial_.erase(0, lastNewline + 1);
        }
    }
    std::fclose(file);
}

double LogFollower::LastTime() {
    Poll();
    return lastTime_;
}

}  // namespace bellnozzle

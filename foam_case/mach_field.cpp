#include "foam_case/mach_field.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <string_view>

#include "core/error.h"
#include "core/text_file.h"
#include "foam_case/case_files.h"

namespace bellnozzle {
namespace fs = std::filesystem;
namespace {

[[noreturn]] void Unreadable(const std::string& path, const std::string& what) {
    throw Error("cannot read \"" + path + "\": " + what, "não foi possível ler \"" + path + "\": " + what);
}

// Reads OpenFOAM's ASCII files: the FoamFile header and comments are
// skipped, lists are "N ( ... )".
class FoamText {
public:
    FoamText(std::string path) : path_(std::move(path)), text_(ReadWholeFile(path_)) {
        const std::size_t header = text_.find("FoamFile");
        if (header != std::string::npos) {
            const std::size_t close = text_.find('}', header);
            pos_ = close == std::string::npos ? text_.size() : close + 1;
        }
    }

    void Skip() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
                ++pos_;
            } else if (text_.compare(pos_, 2, "//") == 0) {
                pos_ = std::min(text_.find('\n', pos_), text_.size());
            } else if (text_.compare(pos_, 2, "/*") == 0) {
                const std::size_t end = text_.find("*/", pos_ + 2);
                pos_ = end == std::string::npos ? text_.size() : end + 2;
            } else {
                return;
            }
        }
    }

    bool Peek(char c) {
        Skip();
        return pos_ < text_.size() && text_[pos_] == c;
    }

    void Expect(char c) {
        if (!Peek(c)) Unreadable(path_, std::string("expected '") + c + "'");
        ++pos_;
    }

    template <typename Number>
    Number Read() {
        Skip();
        Number value{};
        const auto result = std::from_chars(text_.data() + pos_, text_.data() + text_.size(), value);
        if (result.ec != std::errc()) Unreadable(path_, "expected a number");
        pos_ = static_cast<std::size_t>(result.ptr - text_.data());
        return value;
    }

    std::string Word() {
        Skip();
        const std::size_t start = pos_;
        while (pos_ < text_.size() && std::string_view(" \t\r\n;{}()").find(text_[pos_]) == std::string_view::npos) {
            ++pos_;
        }
        return text_.substr(start, pos_ - start);
    }

    // Moves past the next whole word equal to word; false if there is none.
    bool Find(std::string_view word) {
        while (pos_ < text_.size()) {
            const std::size_t at = text_.find(word, pos_);
            if (at == std::string::npos) break;
            pos_ = at + word.size();
            const bool before = at == 0 || std::string_view(" \t\r\n;{}").find(text_[at - 1]) != std::string_view::npos;
            const bool after = pos_ >= text_.size() || std::string_view(" \t\r\n;").find(text_[pos_]) != std::string_view::npos;
            if (before && after) return true;
        }
        return false;
    }

    // "N (" opening a list of N entries; the count is checked against limit.
    std::size_t ListStart(std::size_t limit) {
        const long long count = Read<long long>();
        if (count < 0 || static_cast<std::size_t>(count) > limit) Unreadable(path_, "a list of absurd length");
        Expect('(');
        return static_cast<std::size_t>(count);
    }

    // Moves to the next c (not past it), or to the end.
    void SkipTo(char c) { pos_ = std::min(text_.find(c, pos_), text_.size()); }

private:
    std::string path_;
    std::string text_;
    std::size_t pos_ = 0;
};

constexpr std::size_t kMaxEntries = 200000000;

struct Point3 {
    double x, y, z;
};

std::vector<Point3> ReadPoints(const std::string& path) {
    FoamText t(path);
    std::vector<Point3> points(t.ListStart(kMaxEntries));
    for (Point3& p : points) {
        t.Expect('(');
        p.x = t.Read<double>();
        p.y = t.Read<double>();
        p.z = t.Read<double>();
        t.Expect(')');
    }
    return points;
}

std::vector<std::vector<int>> ReadFaces(const std::string& path, std::size_t pointCount) {
    FoamText t(path);
    std::vector<std::vector<int>> faces(t.ListStart(kMaxEntries));
    for (auto& face : faces) {
        face.resize(t.ListStart(64));
        for (int& index : face) {
            index = t.Read<int>();
            if (index < 0 || static_cast<std::size_t>(index) >= pointCount) Unreadable(path, "a face names no point");
        }
        t.Expect(')');
    }
    return faces;
}

std::vector<int> ReadLabels(const std::string& path) {
    FoamText t(path);
    std::vector<int> labels(t.ListStart(kMaxEntries));
    for (int& label : labels) label = t.Read<int>();
    return labels;
}

struct PatchRange {
    std::size_t start = 0, count = 0;
};

PatchRange FindPatch(const std::string& path, const std::string& name) {
    FoamText t(path);
    if (!t.Find(name)) Unreadable(path, "no patch " + name);
    t.Expect('{');
    PatchRange range;
    bool haveStart = false, haveCount = false;
    while (!t.Peek('}')) {
        const std::string key = t.Word();
        if (key.empty()) Unreadable(path, "unfinished patch " + name);
        if (key == "nFaces") {
            range.count = t.Read<std::size_t>();
            haveCount = true;
        } else if (key == "startFace") {
            range.start = t.Read<std::size_t>();
            haveStart = true;
        } else {
            t.SkipTo(';');
        }
        t.Expect(';');
    }
    if (!haveStart || !haveCount) Unreadable(path, "patch " + name + " without its faces");
    return range;
}

std::vector<double> ReadCellValues(const std::string& path, std::size_t cells) {
    FoamText t(path);
    if (!t.Find("internalField")) Unreadable(path, "no internalField");
    const std::string kind = t.Word();
    if (kind == "uniform") return std::vector<double>(cells, t.Read<double>());
    if (kind != "nonuniform") Unreadable(path, "internalField is neither uniform nor nonuniform");
    t.Word();  // List<scalar>
    std::vector<double> values(t.ListStart(kMaxEntries));
    for (double& value : values) value = t.Read<double>();
    if (values.size() != cells) Unreadable(path, "the field has not one value a cell");
    return values;
}

// The latest time folder holding the Mach field.
std::string LatestMachFile(const std::string& caseDir, double& time) {
    std::string best;
    time = -1;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(caseDir, error)) {
        const std::string name = entry.path().filename().string();
        double value = 0;
        const auto result = std::from_chars(name.data(), name.data() + name.size(), value);
        if (result.ec != std::errc() || result.ptr != name.data() + name.size()) continue;
        if (value > time && fs::is_regular_file(entry.path() / kMachFieldName)) {
            time = value;
            best = (entry.path() / kMachFieldName).string();
        }
    }
    if (best.empty()) {
        throw Error("\"" + caseDir + "\" holds no Mach field (Ma) in a time folder; run it first (bellnozzle cfd)",
                    "\"" + caseDir + "\" não tem campo de Mach (Ma) numa pasta de tempo; execute o caso antes");
    }
    return best;
}

}  // namespace

MachField ReadMachField(const std::string& caseDir) {
    MachField field;
    const std::string machPath = LatestMachFile(caseDir, field.time);
    const fs::path mesh = fs::path(caseDir) / "constant" / "polyMesh";
    std::error_code error;
    if (!fs::is_regular_file(mesh / "points", error)) {
        throw Error("\"" + caseDir + "\" holds no mesh (constant/polyMesh); run it first (bellnozzle cfd)",
                    "\"" + caseDir + "\" não tem malha (constant/polyMesh); execute o caso antes");
    }
    const std::vector<Point3> points = ReadPoints((mesh / "points").string());
    const std::vector<std::vector<int>> faces = ReadFaces((mesh / "faces").string(), points.size());
    const std::vector<int> owner = ReadLabels((mesh / "owner").string());
    const int cells = owner.empty() ? 0 : *std::max_element(owner.begin(), owner.end()) + 1;
    const std::vector<double> mach = ReadCellValues(machPath, static_cast<std::size_t>(cells));

    field.minMach = INFINITY;
    field.maxMach = -INFINITY;
    field.minX = INFINITY;
    field.maxX = -INFINITY;
    for (const auto& [patch, sign] : {std::pair<const char*, double>{"axi_symm-r", 1.0}, {"axi_symm-f", -1.0}}) {
        const PatchRange range = FindPatch((mesh / "boundary").string(), patch);
        if (range.start + range.count > faces.size() || range.start + range.count > owner.size()) {
            Unreadable((mesh / "boundary").string(), std::string("patch ") + patch + " beyond the faces");
        }
        for (std::size_t f = range.start; f < range.start + range.count; ++f) {
            std::vector<PlanePoint> outline;
            for (const int index : faces[f]) {
                const Point3& p = points[static_cast<std::size_t>(index)];
                outline.push_back({p.x, sign * std::hypot(p.y, p.z)});
                field.minX = std::min(field.minX, p.x);
                field.maxX = std::max(field.maxX, p.x);
                field.maxR = std::max(field.maxR, std::hypot(p.y, p.z));
            }
            const double value = mach[static_cast<std::size_t>(owner[f])];
            field.outlines.push_back(std::move(outline));
            field.mach.push_back(value);
            field.minMach = std::min(field.minMach, value);
            field.maxMach = std::max(field.maxMach, value);
        }
    }
    if (field.outlines.empty()) Unreadable((mesh / "boundary").string(), "the wedge sides have no faces");
    return field;
}

}  // namespace bellnozzle

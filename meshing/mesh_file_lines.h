// Reading Gmsh's text mesh files a line at a time: a reader that names the
// file in its errors, and the integers at the front of a line.
#pragma once

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/error.h"

namespace bellnozzle::mesh_file {

class LineReader {
public:
    explicit LineReader(const std::string& path) : path_(path), file_(std::fopen(path.c_str(), "r")) {
        if (file_ == nullptr) {
            const std::string reason = std::strerror(errno);
            throw Error("cannot read the mesh \"" + path + "\": " + reason,
                        "não foi possível ler a malha \"" + path + "\": " + reason);
        }
    }
    ~LineReader() { std::fclose(file_); }
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line without its line end; false at the end of the file.
    bool Next(std::string& line) {
        line.clear();
        char buffer[4096];
        while (std::fgets(buffer, sizeof buffer, file_) != nullptr) {
            line += buffer;
            if (!line.empty() && line.back() == '\n') break;
        }
        if (line.empty()) return false;
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        return true;
    }

    std::string NextOrFail(const char* what) {
        std::string line;
        if (!Next(line)) Fail(std::string("it ends before ") + what);
        return line;
    }

    [[noreturn]] void Fail(const std::string& problem) const {
        throw Error("the mesh \"" + path_ + "\" is not a readable mesh: " + problem,
                    "a malha \"" + path_ + "\" não pôde ser lida: " + problem);
    }

private:
    std::string path_;
    std::FILE* file_;
};

// Splits off whitespace-separated numbers from the front of a line.
// The text must outlive it.
class IntFields {
public:
    explicit IntFields(std::string_view text) : rest_(text) {}
    bool Next(long long& value) {
        while (!rest_.empty() && (rest_.front() == ' ' || rest_.front() == '\t')) rest_.remove_prefix(1);
        const auto result = std::from_chars(rest_.data(), rest_.data() + rest_.size(), value);
        if (result.ec != std::errc() || result.ptr == rest_.data()) return false;
        rest_.remove_prefix(std::size_t(result.ptr - rest_.data()));
        return true;
    }
    // A decimal number, read as in the "C" locale.
    bool Next(double& value) {
        while (!rest_.empty() && (rest_.front() == ' ' || rest_.front() == '\t')) rest_.remove_prefix(1);
        const auto result = std::from_chars(rest_.data(), rest_.data() + rest_.size(), value);
        if (result.ec != std::errc() || result.ptr == rest_.data()) return false;
        rest_.remove_prefix(std::size_t(result.ptr - rest_.data()));
        return true;
    }
    std::string_view Rest() const { return rest_; }

private:
    std::string_view rest_;
};

// One line of an MSH 4.1 "$Entities" section: sets tag to the entity's tag
// and returns its physical tags. The line holds the tag, a point (3 numbers)
// or a bounding box (6), the physical tags, and for curves and up the
// bounding entities.
inline std::vector<long long> ReadEntityLine(LineReader& in, int dimension, long long& tag) {
    const std::string line = in.NextOrFail("the entities");
    std::string_view rest(line);
    std::vector<std::string_view> words;
    while (!rest.empty()) {
        const auto start = rest.find_first_not_of(" \t");
        if (start == std::string_view::npos) break;
        rest.remove_prefix(start);
        const auto end = rest.find_first_of(" \t");
        words.push_back(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end);
    }
    const std::size_t skip = dimension == 0 ? 4 : 7;
    auto integer = [&](std::size_t i) {
        long long value = 0;
        if (i >= words.size() ||
            std::from_chars(words[i].data(), words[i].data() + words[i].size(), value).ec != std::errc()) {
            in.Fail("an entity line is cut short");
        }
        return value;
    };
    tag = integer(0);
    const long long physicalCount = integer(skip);
    std::vector<long long> physicals;
    for (long long p = 0; p < physicalCount; ++p) physicals.push_back(integer(skip + 1 + std::size_t(p)));
    return physicals;
}

}  // namespace bellnozzle::mesh_file

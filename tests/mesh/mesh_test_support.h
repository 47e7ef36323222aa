// What the mesh tests share: a fresh folder per test under the build tree,
// whole-file reads and writes, and profiles made by the real design.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/design.h"
#include "core/file_names.h"
#include "core/profile_reader.h"

namespace bellnozzle::test {

inline std::filesystem::path FreshFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    for (char& ch : name) {
        if (ch == '/') ch = '_';
    }
    const std::filesystem::path folder = std::filesystem::path(BELLNOZZLE_MESH_TEST_WORK_DIR) / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// The profile of a design, written into folder and read back.
inline ProfileTable DesignProfile(const std::filesystem::path& folder, float diameter, float length,
                                  float epsilon) {
    const std::string path = (folder / kProfileFileName).string();
    RunDesign(diameter, length, epsilon, path);
    return ReadProfileTable(path);
}

// A table of these (x, y) points, numbered from 1.
inline ProfileTable TableOf(const std::vector<std::pair<float, float>>& points) {
    ProfileTable table;
    table.X.assign(1, 0.0f);
    table.Y.assign(1, 0.0f);
    for (const auto& [x, y] : points) {
        table.X.push_back(x);
        table.Y.push_back(y);
    }
    table.Count = static_cast<int>(points.size());
    return table;
}

inline std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) files.push_back(entry.path().filename());
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace bellnozzle::test

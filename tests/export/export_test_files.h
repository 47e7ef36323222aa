// Files the exporter tests read and the throw-away folders they write in.
#pragma once

#include <filesystem>
#include <string>

namespace bellnozzle::test {

// The folder of the checked-in profiles and expected files.
inline std::filesystem::path SourceDir() { return BELLNOZZLE_EXPORT_TEST_DIR; }

std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

// A new empty folder under the build tree, named after the running test,
// wherever the tests are started from.
std::filesystem::path FreshFolder();

}  // namespace bellnozzle::test

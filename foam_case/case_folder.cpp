#include "foam_case/case_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <system_error>

#include "core/error.h"
#include "core/text_file.h"

namespace bellnozzle {
namespace fs = std::filesystem;
namespace {

constexpr char kMarkerIntro[] =
    "# This folder is an OpenFOAM case written by bellnozzle. 'bellnozzle report'\n"
    "# reads the values below; 'bellnozzle case' replaces the folder only while\n"
    "# every file listed is as written and no run has left results in it.\n";

std::string Checksum(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const unsigned char byte : text) {
        hash ^= byte;
        hash *= 1099511628211ull;
    }
    char digits[17];
    for (int i = 15; i >= 0; --i) {
        digits[i] = "0123456789abcdef"[hash & 15];
        hash >>= 4;
    }
    digits[16] = '\0';
    return digits;
}

[[noreturn]] void ThrowFolderError(const std::string& what, const std::string& path, int error) {
    const std::string reason = std::strerror(error);
    throw Error("cannot " + what + " \"" + path + "\": " + reason,
                "não foi possível " + std::string(what == "create" ? "criar" : "gravar") + " \"" + path +
                    "\": " + reason);
}

// Files a run makes that are no results: the mesh and the logs of making it.
bool IsMeshOutput(const std::string& relative) {
    return relative.rfind("constant/polyMesh/", 0) == 0 || relative == "log.blockMesh" ||
           relative == "log.checkMesh";
}

bool IsRunResult(const std::string& relative) {
    const std::string top = relative.substr(0, relative.find('/'));
    return (!top.empty() && top[0] >= '0' && top[0] <= '9' && top != "0") || top.rfind("processor", 0) == 0 ||
           top == "postProcessing" || top.rfind("log.", 0) == 0 || top == "VTK";
}

void WriteFileChecked(const fs::path& path, const std::string& text, bool executable) {
    WriteTextFileAtomically(path.string(), text);
    if (executable) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::chmod(path.c_str(), 0777 & ~mask) != 0) ThrowFolderError("write", path.string(), errno);
    }
}

fs::path ParentOf(const fs::path& caseDir) {
    const fs::path parent = caseDir.parent_path();
    return parent.empty() ? fs::path(".") : parent;
}

// An empty folder beside caseDir with a unique name.
fs::path MakeSiblingFolder(const fs::path& caseDir, const char* purpose) {
    std::string pattern = (ParentOf(caseDir) / ("." + caseDir.filename().string() + purpose)).string();
    pattern += "XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (::mkdtemp(name.data()) == nullptr) ThrowFolderError("create", caseDir.string(), errno);
    return fs::path(name.data());
}

}  // namespace

std::vector<std::pair<std::string, std::string>> ReadCaseMarker(const std::string& caseDir) {
    const fs::path marker = fs::path(caseDir) / kCaseMarkerName;
    std::error_code error;
    if (!fs::is_regular_file(marker, error)) {
        throw Error("\"" + caseDir + "\" is not a case written by bellnozzle (it has no " + kCaseMarkerName + ")",
                    "\"" + caseDir + "\" não é um caso gravado pelo bellnozzle (não tem " + kCaseMarkerName + ")");
    }
    const std::string text = ReadWholeFile(marker.string());
    std::vector<std::pair<std::string, std::string>> values;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        const std::size_t eq = line.find('=');
        if (line.empty() || line[0] == '#' || eq == std::string::npos) continue;
        values.emplace_back(line.substr(0, eq), line.substr(eq + 1));
    }
    return values;
}

std::string WhyNotReplaceable(const std::string& caseDir) {
    std::error_code error;
    const fs::path dir(caseDir);
    if (!fs::exists(fs::symlink_status(dir, error))) return "";
    if (!fs::is_directory(fs::symlink_status(dir, error))) return "it exists and is not a folder";
    if (fs::is_empty(dir, error)) return "";
    if (!fs::is_regular_file(dir / kCaseMarkerName, error)) {
        return "it is not empty and not a case written by bellnozzle";
    }
    std::map<std::string, std::string> written;
    for (const auto& [name, value] : ReadCaseMarker(caseDir)) {
        if (name != "file") continue;
        const std::size_t blank = value.find(' ');
        if (blank != std::string::npos) written[value.substr(blank + 1)] = value.substr(0, blank);
    }
    std::vector<std::string> entries;
    for (auto it = fs::recursive_directory_iterator(dir, error); !error && it != fs::recursive_directory_iterator();
         it.increment(error)) {
        const fs::file_status status = it->symlink_status();
        if (fs::is_directory(status)) continue;
        entries.push_back(fs::relative(it->path(), dir).generic_string());
    }
    if (error) return "it cannot be read through (" + error.message() + ")";
    std::sort(entries.begin(), entries.end());
    for (const std::string& relative : entries) {
        if (relative == kCaseMarkerName || IsMeshOutput(relative)) continue;
        const auto found = written.find(relative);
        if (found != written.end()) {
            if (!fs::is_regular_file(fs::symlink_status(dir / relative)) ||
                Checksum(ReadWholeFile((dir / relative).string())) != found->second) {
                return "its " + relative + " was changed after bellnozzle wrote it";
            }
            continue;
        }
        if (IsRunResult(relative)) return "it holds the results of a run (" + relative + ")";
        return "it holds " + relative + ", which bellnozzle did not write";
    }
    return "";
}

void WriteCaseFolder(const std::string& caseDir, const std::vector<CaseFile>& files,
                     const std::string& markerValues, bool force) {
    const fs::path target(caseDir);
    std::error_code error;
    if (target.filename().empty() || target.filename() == "." || target.filename() == "..") {
        throw Error("the case folder \"" + caseDir + "\" must name a folder, not end in / . or ..",
                    "a pasta do caso \"" + caseDir + "\" deve ser o nome de uma pasta, sem / . ou .. no fim");
    }
    if (!fs::is_directory(ParentOf(target), error)) {
        throw Error("cannot write the case \"" + caseDir + "\": the folder " + ParentOf(target).string() +
                        " does not exist",
                    "não foi possível gravar o caso \"" + caseDir + "\": a pasta " + ParentOf(target).string() +
                        " não existe");
    }
    const bool exists = fs::exists(fs::symlink_status(target, error));
    if (exists) {
        if (!fs::is_directory(fs::symlink_status(target, error))) {
            throw Error("refusing to write the case \"" + caseDir + "\": it exists and is not a folder",
                        "o caso \"" + caseDir + "\" não foi gravado: já existe e não é uma pasta");
        }
        const std::string reason = force ? "" : WhyNotReplaceable(caseDir);
        if (!reason.empty()) {
            throw Error("refusing to replace \"" + caseDir + "\": " + reason + " (--force replaces it)",
                        "a pasta \"" + caseDir + "\" não foi substituída: não é um caso do bellnozzle sem "
                        "resultados (marque \"Substituir\" para substituí-la)");
        }
    }

    const fs::path temp = MakeSiblingFolder(target, ".new");
    try {
        std::string marker = kMarkerIntro + markerValues;
        for (const CaseFile& file : files) {
            const fs::path path = temp / file.path;
            fs::create_directories(path.parent_path(), error);
            if (error) ThrowFolderError("create", (target / file.path).parent_path().string(), error.value());
            WriteFileChecked(path, file.text, file.executable);
            marker += "file=" + Checksum(file.text) + " " + file.path + "\n";
        }
        WriteFileChecked(temp / kCaseMarkerName, marker, false);
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::chmod(temp.c_str(), 0777 & ~mask);
    } catch (...) {
        fs::remove_all(temp, error);
        throw;
    }

    if (!exists) {
        if (std::rename(temp.c_str(), target.c_str()) != 0) {
            const int renameError = errno;
            fs::remove_all(temp, error);
            ThrowFolderError("write", caseDir, renameError);
        }
        return;
    }
    // Move the old case aside, put the new one in its place, and only then
    // remove the old one; a failure in between puts the old one back.
    const fs::path old = MakeSiblingFolder(target, ".old");
    if (std::rename(target.c_str(), old.c_str()) != 0) {
        const int renameError = errno;
        fs::remove_all(temp, error);
        fs::remove(old, error);
        ThrowFolderError("write", caseDir, renameError);
    }
    if (std::rename(temp.c_str(), target.c_str()) != 0) {
        const int renameError = errno;
        std::rename(old.c_str(), target.c_str());
        fs::remove_all(temp, error);
        ThrowFolderError("write", caseDir, renameError);
    }
    fs::remove_all(old, error);
}

}  // namespace bellnozzle

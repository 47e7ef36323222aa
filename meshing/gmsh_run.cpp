#include "meshing/gmsh_run.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "core/error.h"
#include "core/text_file.h"
#include "process/run_program.h"

namespace bellnozzle {
namespace {

// A file name reserved with mkstemp and removed again when this goes away,
// unless it was handed on.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& pattern) {
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        const int fd = ::mkstemp(name.data());
        if (fd < 0) {
            const std::string reason = std::strerror(errno);
            throw Error("cannot create a file beside \"" + pattern.substr(0, pattern.size() - 6) + "\": " + reason,
                        "não foi possível criar um arquivo junto de \"" + pattern.substr(0, pattern.size() - 6) +
                            "\": " + reason);
        }
        // mkstemp makes it private; the mesh gets the permissions any new file gets.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, static_cast<mode_t>(0666 & ~mask));
        ::close(fd);
        path_ = name.data();
    }
    ~TemporaryFile() {
        if (!path_.empty()) std::remove(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& Path() const { return path_; }
    void Release() { path_.clear(); }

private:
    std::string path_;
};

// Hands each complete new line of a growing log to a callback.
class LogFollower {
public:
    LogFollower(std::string path, std::function<void(const std::string&)> onLine)
        : path_(std::move(path)), onLine_(std::move(onLine)) {}

    void Poll() {
        if (!onLine_) return;
        std::FILE* file = std::fopen(path_.c_str(), "r");
        if (file == nullptr) return;
        if (std::fseek(file, offset_, SEEK_SET) == 0) {
            char buffer[4096];
            std::size_t got;
            while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
                offset_ += long(got);
                pending_.append(buffer, got);
            }
        }
        std::fclose(file);
        std::size_t end;
        while ((end = pending_.find('\n')) != std::string::npos) {
            onLine_(pending_.substr(0, end));
            pending_.erase(0, end + 1);
        }
    }

private:
    std::string path_;
    std::function<void(const std::string&)> onLine_;
    long offset_ = 0;
    std::string pending_;
};

std::string FirstErrorLines(const std::string& log) {
    std::string lines;
    int count = 0;
    std::size_t start = 0;
    while (start < log.size() && count < 3) {
        std::size_t end = log.find('\n', start);
        if (end == std::string::npos) end = log.size();
        const std::string line = log.substr(start, end - start);
        if (line.rfind("Error", 0) == 0 && line.find("-----") == std::string::npos) {
            if (!lines.empty()) lines += " | ";
            lines += line;
            ++count;
        }
        start = end + 1;
    }
    return lines;
}

[[noreturn]] void Fail(const std::string& english, const std::string& portuguese) {
    throw Error("gmsh " + english, "o gmsh " + portuguese);
}

}  // namespace

const char* GmshFormatOption(MeshFileFormat format) {
    switch (format) {
    case MeshFileFormat::Msh4:
        return "msh41";
    case MeshFileFormat::Su2:
        return "su2";
    case MeshFileFormat::Msh2:
        break;
    }
    return "msh22";
}

void RunGmsh(const std::string& gmsh, const std::string& scriptPath, const std::string& meshPath,
             MeshFileFormat format, const MeshProgress& progress) {
    TemporaryFile mesh(meshPath + ".tmpXXXXXX");
    TemporaryFile log((std::filesystem::temp_directory_path() / "bellnozzle-gmsh-XXXXXX").string());

    LogFollower follower(log.Path(), progress.onLogLine);
    RunOptions options;
    options.logPath = log.Path();
    // Gmsh's messages, read below, in English and with decimal points.
    options.environment = {"LC_ALL=C"};
    options.shouldStop = progress.shouldStop;
    options.onTick = [&follower] { follower.Poll(); };
    const RunResult result = RunProgram(
        {gmsh, scriptPath, "-3", "-format", GmshFormatOption(format), "-o", mesh.Path(), "-nopopup"}, options);
    follower.Poll();

    if (!result.started) Fail("could not be started: " + result.error, "não pôde ser iniciado: " + result.error);
    if (result.stopped) {
        throw Error("meshing was stopped; no mesh was written", "geração da malha interrompida; nenhuma malha gravada");
    }
    const std::string errors = FirstErrorLines(ReadWholeFile(log.Path()));
    if (result.signal != 0) {
        Fail("was ended by signal " + std::to_string(result.signal), "foi encerrado pelo sinal " +
                                                                         std::to_string(result.signal));
    }
    if (result.exitStatus != 0 || !errors.empty()) {
        const std::string what = errors.empty() ? "exit status " + std::to_string(result.exitStatus) : errors;
        Fail("could not mesh \"" + scriptPath + "\" (" + what + ")",
             "não conseguiu gerar a malha de \"" + scriptPath + "\" (" + what + ")");
    }
    std::error_code error;
    if (std::filesystem::file_size(mesh.Path(), error) == 0 || error) {
        Fail("wrote no mesh for \"" + scriptPath + "\"", "não gravou malha para \"" + scriptPath + "\"");
    }
    if (std::rename(mesh.Path().c_str(), meshPath.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        throw Error("cannot write \"" + meshPath + "\": " + reason,
                    "não foi possível gravar \"" + meshPath + "\": " + reason);
    }
    mesh.Release();
}

}  // namespace bellnozzle

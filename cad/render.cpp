#include "cad/render.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "cad/cad_export.h"
#include "core/error.h"
#include "core/file_names.h"
#include "core/text_file.h"
#include "core/text_format.h"
#include "export/pov_render_scene.h"
#include "process/run_program.h"

namespace bellnozzle {
namespace {

namespace fs = std::filesystem;

void CheckSize(const char* name, const char* nome, int value) {
    if (value < kMinPictureSide || value > kMaxPictureSide) {
        throw Error(Format("picture %s %d is outside %d to %d pixels", name, value, kMinPictureSide,
                           kMaxPictureSide),
                    Format("%s da imagem %d fora de %d a %d pixels", nome, value, kMinPictureSide,
                           kMaxPictureSide));
    }
}

// The last line of POV-Ray's log that says what went wrong.
std::string LastErrorLine(const std::string& logPath) {
    std::string log;
    try {
        log = ReadWholeFile(logPath);
    } catch (const Error&) {
        return "";
    }
    std::string found;
    std::size_t start = 0;
    while (start < log.size()) {
        std::size_t end = log.find('\n', start);
        if (end == std::string::npos) end = log.size();
        const std::string line = log.substr(start, end - start);
        if (line.find("Error") != std::string::npos || line.find("error") != std::string::npos) found = line;
        start = end + 1;
    }
    return found;
}

// A free name "stem.tmpXXXXXX.png" beside the picture: POV-Ray would add
// ".png" to a name without it.
std::string ReserveTemporaryPicture(const fs::path& picture) {
    std::string name = (picture.parent_path() / picture.stem()).string() + ".tmpXXXXXX.png";
    const int fd = ::mkstemps(name.data(), 4);
    if (fd < 0) {
        const std::string reason = std::strerror(errno);
        throw Error("cannot write \"" + picture.string() + "\": " + reason,
                    "não foi possível gravar \"" + picture.string() + "\": " + reason);
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    ::close(fd);
    return name;
}

[[noreturn]] void RenderFailed(const std::string& english, const std::string& portuguese) {
    throw Error("POV-Ray " + english, "o POV-Ray " + portuguese);
}

}  // namespace

RenderResult RenderNozzle(const std::string& dir, const RenderRequest& request) {
    CheckSize("width", "largura", request.width);
    CheckSize("height", "altura", request.height);
    const std::string povray = FindProgram("povray");
    if (povray.empty()) {
        throw Error("POV-Ray (povray) is not installed; install the Debian packages povray and povray-includes",
                    "o POV-Ray (povray) não está instalado; instale os pacotes povray e povray-includes");
    }
    const ProfileTable table = ReadProfileTable(PathIn(dir, kProfileFileName));
    const CadProfile profile = BuildCadProfile(table, CadBody::Shell, request.thicknessMm);

    RenderResult result;
    result.picture = request.out.empty() ? PathIn(dir, "nozzle.png") : request.out;
    fs::path picture(result.picture);
    result.scene = fs::path(picture).replace_extension(".pov").string();
    if (result.scene == result.picture) result.scene += ".pov";
    RefuseProfileAsOutput(dir, result.picture);
    RefuseProfileAsOutput(dir, result.scene);
    WriteTextFileAtomically(result.scene, FormatRenderScene(profile, request.width, request.height));

    // POV-Ray reads and writes only below its working folder unless its
    // configuration says otherwise, so it runs in the picture's folder.
    const fs::path folder = picture.parent_path().empty() ? fs::path(".") : picture.parent_path();
    const std::string temporary = ReserveTemporaryPicture(picture);
    const std::string log = temporary + ".log";
    RunOptions options;
    options.workDir = folder.string();
    options.logPath = log;
    options.shouldStop = request.shouldStop;
    options.onTick = request.onTick;
    const RunResult run = RunProgram({povray, "+I" + fs::path(result.scene).filename().string(),
                                      "+O" + fs::path(temporary).filename().string(), "+FN",
                                      Format("+W%d", request.width), Format("+H%d", request.height), "-D",
                                      "+A0.3", "-V"},
                                     options);
    const std::string problem = run.Succeeded() ? "" : LastErrorLine(log);
    std::error_code ignored;
    fs::remove(log, ignored);
    if (!run.Succeeded() || fs::file_size(temporary, ignored) == 0) {
        fs::remove(temporary, ignored);
        if (!run.started) RenderFailed("could not be started: " + run.error, "não pôde ser iniciado: " + run.error);
        if (run.stopped) RenderFailed("was stopped; no picture written", "foi interrompido; nenhuma imagem gravada");
        const std::string status = run.signal != 0 ? Format("was ended by signal %d", run.signal)
                                                   : Format("exited with status %d", run.exitStatus);
        RenderFailed(status + (problem.empty() ? "" : ": " + problem),
                     (run.signal != 0 ? Format("terminou pelo sinal %d", run.signal)
                                      : Format("saiu com código %d", run.exitStatus)) +
                         (problem.empty() ? "" : ": " + problem));
    }
    if (std::rename(temporary.c_str(), result.picture.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        fs::remove(temporary, ignored);
        throw Error("cannot write \"" + result.picture + "\": " + reason,
                    "não foi possível gravar \"" + result.picture + "\": " + reason);
    }
    return result;
}

}  // namespace bellnozzle

#include "core/text_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "core/error.h"

namespace bellnozzle {
namespace {

WriteFaultHook& FaultHook() {
    static WriteFaultHook hook;
    return hook;
}

[[noreturn]] void ThrowWriteError(const std::string& path, int error) {
    const std::string reason = std::strerror(error);
    throw Error("cannot write \"" + path + "\": " + reason +
                    " (check that the folder exists, is writable and has free space)",
                "não foi possível gravar \"" + path + "\": " + reason +
                    " (verifique se a pasta existe, aceita gravação e tem espaço livre)");
}

// New files get the permissions an ordinary fopen would give them.
mode_t DefaultFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

// Writes the text in chunks so that a failure partway is seen where it
// happens; false with errno set on the first failed write.
bool WriteChunks(std::FILE* file, const std::string& path, const std::string& text) {
    constexpr std::size_t kChunk = 64 * 1024;
    for (std::size_t offset = 0; offset < text.size(); offset += kChunk) {
        const std::size_t size = std::min(kChunk, text.size() - offset);
        if (FaultHook() && !FaultHook()(path, offset)) {
            errno = ENOSPC;
            return false;
        }
        if (std::fwrite(text.data() + offset, 1, size, file) != size) return false;
    }
    return true;
}

}  // namespace

void SetWriteFaultHookForTesting(WriteFaultHook hook) { FaultHook() = std::move(hook); }

void WriteTextFileAtomically(const std::string& path, const std::string& text) {
    std::vector<char> tempName(path.begin(), path.end());
    const std::string suffix = ".tmpXXXXXX";
    tempName.insert(tempName.end(), suffix.begin(), suffix.end());
    tempName.push_back('\0');

    const int fd = ::mkstemp(tempName.data());
    if (fd < 0) ThrowWriteError(path, errno);
    std::FILE* file = ::fdopen(fd, "w");
    if (file == nullptr) {
        const int error = errno;
        ::close(fd);
        std::remove(tempName.data());
        ThrowWriteError(path, error);
    }

    bool ok = WriteChunks(file, path, text);
    int error = ok ? 0 : (errno != 0 ? errno : EIO);
    if (ok && (std::fflush(file) != 0 || std::ferror(file))) {
        ok = false;
        error = errno != 0 ? errno : EIO;
    }
    if (ok && ::fchmod(fd, DefaultFileMode()) != 0) {
        ok = false;
        error = errno;
    }
    if (std::fclose(file) != 0 && ok) {
        ok = false;
        error = errno != 0 ? errno : EIO;
    }
    if (ok && std::rename(tempName.data(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        std::remove(tempName.data());
        ThrowWriteError(path, error);
    }
}

std::string ReadWholeFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr) {
        const std::string reason = std::strerror(errno);
        throw Error("cannot read \"" + path + "\": " + reason,
                    "não foi possível ler \"" + path + "\": " + reason);
    }
    std::string text;
    char buffer[64 * 1024];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);
    if (failed) {
        const std::string reason = std::strerror(error);
        throw Error("cannot read \"" + path + "\": " + reason,
                    "não foi possível ler \"" + path + "\": " + reason);
    }
    return text;
}

}  // namespace bellnozzle

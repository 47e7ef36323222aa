// Writing a whole file so that it is never lost or left half-written: the
// text goes to a temporary file in the same folder, which is flushed, checked
// and closed, and only then renamed over the old file. On any failure the
// temporary file is removed, the old file is left exactly as it was, and an
// Error says which file could not be written and why.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace bellnozzle {

void WriteTextFileAtomically(const std::string& path, const std::string& text);

// Reads a whole file as bytes; throws Error naming the file when it cannot be
// opened or read.
std::string ReadWholeFile(const std::string& path);

// Test seam: when set, it is called before each chunk is written and may
// return false to make that write fail as a full disk would.
using WriteFaultHook = std::function<bool(const std::string& path, std::size_t offset)>;
void SetWriteFaultHookForTesting(WriteFaultHook hook);

}  // namespace bellnozzle

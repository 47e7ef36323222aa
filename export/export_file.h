// The steps every export shares around its own text: the profile table is
// checked before any point is used, and the output file is written only once
// the whole text is built, so a refused profile leaves an old file untouched.
#pragma once

#include <string>

#include "core/file_names.h"
#include "core/profile_reader.h"
#include "core/text_file.h"

namespace bellnozzle {

// Throws Error unless Count names a point the table holds (1 to Size()). The
// reader guarantees this; a table built by hand may not.
void CheckProfileTable(const ProfileTable& profile);

// Reads "zelto_perfil.txt" in dir, builds the text with format(profile) and
// writes it to fileName in dir. Throws Error from either step.
template <typename FormatText>
void WriteExport(const std::string& dir, const char* fileName, FormatText format) {
    const ProfileTable profile = ReadProfileTable(PathIn(dir, kProfileFileName));
    WriteTextFileAtomically(PathIn(dir, fileName), format(profile));
}

}  // namespace bellnozzle

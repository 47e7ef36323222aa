// Writing a case folder whole or not at all, and telling an earlier case of
// this program (which may be replaced) from anything else (which is kept).
#pragma once

#include <string>
#include <vector>

#include "foam_case/case_files.h"

namespace bellnozzle {

// The file that marks a folder as a case of this program: the conditions the
// report compares against, and a checksum of every file as written.
inline constexpr const char* kCaseMarkerName = "bellnozzle-case.txt";

// Builds the case in a temporary folder beside caseDir and renames it into
// place. An existing caseDir is replaced only when it is empty, or when it is
// an earlier case of this program holding nothing but its own unchanged files
// (and the mesh and mesh logs a run makes), unless force is set. Throws Error
// (nothing written, an existing folder untouched) otherwise or on any failure.
void WriteCaseFolder(const std::string& caseDir, const std::vector<CaseFile>& files,
                     const std::string& markerValues, bool force);

// Why caseDir may not be replaced without force; empty when it may (or does
// not exist).
std::string WhyNotReplaceable(const std::string& caseDir);

// The "name=value" lines of a case's marker. Throws Error naming the folder
// when it holds no readable marker (not a case of this program).
std::vector<std::pair<std::string, std::string>> ReadCaseMarker(const std::string& caseDir);

}  // namespace bellnozzle

// The "case" action shared by the command and the window: an OpenFOAM case of
// the nozzle in the profile file, written whole into its folder.
#pragma once

#include <string>

#include "foam_case/case_files.h"

namespace bellnozzle {

// The folder a case goes to when none is named: beside the profile file.
inline constexpr const char* kDefaultCaseFolderName = "nozzle_case";

// The empty file ParaView opens the case by: the case folder's name + ".foam".
std::string ParaViewFileName(const std::string& caseDir);

// Reads the profile at profilePath and writes the case folder caseDir (see
// WriteCaseFolder for when an existing one is replaced). Returns what the
// case was made of. Throws Error (nothing written) on refused settings, a
// refused profile, a folder that may not be replaced, or a failed write.
CaseOutline WriteCase(const std::string& profilePath, const std::string& caseDir,
                      const CaseSettings& settings, bool force);

// What a case was written with, read back from its marker.
struct RecordedCase {
    CaseSettings settings;
    NozzleMeasures nozzle;
    double endTime = 0;
};

// Throws Error when caseDir is no case of this program or its marker lacks a
// value.
RecordedCase ReadRecordedCase(const std::string& caseDir);

}  // namespace bellnozzle

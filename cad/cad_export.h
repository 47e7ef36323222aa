// The CAD exports as one action, shared by the command and the window: read
// the profile file, build the contour, write the chosen format, and say what
// was written.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "export/cad_profile.h"

namespace bellnozzle {

enum class CadFormat { Step, Stl, Dxf, Svg, Csv };

// "step", "stl", "dxf", "svg", "csv"; ParseCadFormat throws Error on others.
CadFormat ParseCadFormat(const std::string& text);
const char* FormatExtension(CadFormat format);

// Whether this build can make solids (STEP and STL need OpenCASCADE).
bool SolidFormatsAvailable();

struct CadRequest {
    CadFormat format = CadFormat::Step;
    LengthUnit unit = LengthUnit::Millimetre;
    CadBody body = CadBody::Shell;
    double thicknessMm = kDefaultThicknessMm;
    std::string out;  // empty: "nozzle.EXT" in the folder
};

struct CadSummary {
    std::string path;
    std::uintmax_t bytes = 0;
    LengthUnit unit = LengthUnit::Millimetre;
    CadBody body = CadBody::Shell;
    int points = 0;
    double volume = 0.0;                 // in the unit, cubed
    std::array<double, 3> min{}, max{};  // in the unit
    CadFormat format = CadFormat::Step;
};

// Reads "zelto_perfil.txt" in dir and writes the file. Throws Error, writing
// nothing, on a refused profile, option or format this build lacks, or when
// the file cannot be written.
CadSummary ExportCad(const std::string& dir, const CadRequest& request);

// The same from a profile table already read (a design held in memory, not
// written to a file); the file goes to request.out or "nozzle.EXT" in dir,
// never over dir's profile file.
CadSummary ExportCadTable(const ProfileTable& table, const std::string& dir, const CadRequest& request);

// Throws Error when path names the profile file itself: an export written
// over it would lose the design it was made from.
void RefuseProfileAsOutput(const std::string& dir, const std::string& path);

// The summary as "name=value" lines for the command.
std::string SummaryLines(const CadSummary& summary);
// The summary in Portuguese for the window's text pane.
std::string SummaryText(const CadSummary& summary);

}  // namespace bellnozzle

// The Gmsh script of a wedge mesh a solver can use: the plus-side face swept
// through the 5-degree wedge as one layer of cells, the boundaries named as the
// blockMesh dictionary names its patches, and the mesh saved in metres.
#pragma once

#include <string>

#include "core/profile_reader.h"

namespace bellnozzle {

enum class MeshFileFormat { Msh2, Msh4, Su2 };

// "msh2", "msh4", "su2": the names the command and Gmsh's -format take.
const char* MeshFormatName(MeshFileFormat format);
// ".msh" or ".su2".
const char* MeshFileExtension(MeshFileFormat format);
// Parses a format name; false when it names none.
bool ParseMeshFormat(const std::string& name, MeshFileFormat& format);

struct MeshScriptSettings {
    // Edge length of the cells in cm; 0 lets the size follow the nozzle (a
    // fifteenth of the local wall radius, of the throat radius at the throat).
    double size = 0.0;
    // Both above 0: a structured mesh of quadrilaterals swept into hexahedra
    // (prisms along the axis), cellsAxial along the axis, cellsRadial from the
    // axis to the wall. Both 0: triangles swept into prisms. Anything else is
    // refused.
    int cellsAxial = 0;
    int cellsRadial = 0;
    MeshFileFormat format = MeshFileFormat::Msh2;

    bool Structured() const { return cellsAxial != 0 || cellsRadial != 0; }
};

// Larger meshes are refused: they would take Gmsh minutes and gigabytes, and
// no axisymmetric study of a preliminary design needs them.
inline constexpr double kMaxWedgeCells = 2'000'000;
inline constexpr int kMaxCellsPerDirection = 20'000;

// Throws Error unless the settings can be used: a size that is finite and
// above 0 (or 0), cell counts both given, from 1 to kMaxCellsPerDirection.
void CheckMeshScriptSettings(const MeshScriptSettings& settings);

// About how many cells the mesh of this profile will have.
double EstimateWedgeCells(const ProfileTable& profile, const MeshScriptSettings& settings);

// The whole script. Throws Error when the settings are refused, when the
// profile cannot be meshed (a wall radius not above 0, x not increasing from
// point to point) or when the mesh would exceed kMaxWedgeCells. scriptName and
// meshName go into the comment that says how to mesh the script by hand.
std::string FormatGmshMeshScript(const ProfileTable& profile, const MeshScriptSettings& settings,
                                 const std::string& scriptName, const std::string& meshName);

}  // namespace bellnozzle

// "Exportar > Malha Gmsh...": the solver-ready wedge mesh of the design, made
// by the same implementation as 'bellnozzle mesh'.
#pragma once

#include <QtGlobal>

#include <string>

#include "meshing/wedge_mesh.h"

namespace bellnozzle::ui {

class TForm1;

inline constexpr const char* kMeshMenuCaption = QT_TRANSLATE_NOOP("Ui", "Malha Gmsh...");

void AddMeshMenuItems(TForm1& form);

// What the text pane shows above the script: where the mesh went and Gmsh's
// counts, or that Gmsh is missing and how to mesh the script. UTF-8.
std::string DescribeWedgeMesh(const WedgeMeshResult& result);

}  // namespace bellnozzle::ui

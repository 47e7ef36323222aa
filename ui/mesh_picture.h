// The picture of a mesh that the picture pane shows after meshing: the
// plus-side face of the wedge, its cells outlined, seen from the side with
// the axis along the bottom, scaled to fill the pane.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include "meshing/mesh_face.h"

namespace bellnozzle::ui {

inline constexpr QRgb kMeshLineColour = 0xFF000080;  // navy

QImage DrawMeshFace(const MeshFace& face, QSize size, const QString& caption);

}  // namespace bellnozzle::ui

#include "ui/mesh_picture.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace bellnozzle::ui {

QImage DrawMeshFace(const MeshFace& face, QSize size, const QString& caption) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    painter.drawText(QRect(6, 4, size.width() - 12, 16), Qt::AlignLeft | Qt::AlignVCenter, caption);
    if (face.nodes.empty()) return image;

    double xMin = face.nodes.front().x, xMax = xMin, rMax = 0.0;
    for (const MeshFace::Node& node : face.nodes) {
        xMin = std::min(xMin, node.x);
        xMax = std::max(xMax, node.x);
        rMax = std::max(rMax, node.r);
    }
    // One scale both ways, so the nozzle keeps its shape.
    constexpr double kMargin = 12.0;
    constexpr double kTop = 26.0;
    const double width = std::max(xMax - xMin, 1e-300);
    const double height = std::max(rMax, 1e-300);
    const double scale = std::min((size.width() - 2 * kMargin) / width, (size.height() - kTop - kMargin) / height);
    const double bottom = size.height() - kMargin;
    auto place = [&](const MeshFace::Node& node) {
        return QPointF(kMargin + (node.x - xMin) * scale, bottom - node.r * scale);
    };
    painter.setPen(QColor::fromRgb(kMeshLineColour));
    QPolygonF polygon;
    for (const std::vector<int>& cell : face.polygons) {
        polygon.clear();
        for (const int index : cell) polygon << place(face.nodes[std::size_t(index)]);
        painter.drawPolygon(polygon);
    }
    return image;
}

}  // namespace bellnozzle::ui

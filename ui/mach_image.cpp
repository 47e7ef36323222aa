#include "ui/mach_image.h"

#include <QFont>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "core/error.h"
#include "ui/colour_scale.h"
#include "ui/headless_picture.h"
#include "ui/mach_picture.h"

namespace bellnozzle::ui {

QImage DrawMachImage(const MachField& field, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);

    const int left = 46, right = 92, top = 28, bottom = 40;
    const double spanX = std::max(field.maxX - field.minX, 1e-12);
    const double spanR = std::max(2 * field.maxR, 1e-12);
    const double scale = std::min((width - left - right) / spanX, (height - top - bottom) / spanR);
    const double originX = left + ((width - left - right) - spanX * scale) / 2;
    const double axisY = top + (height - top - bottom) / 2.0;
    auto toPixel = [&](const PlanePoint& p) {
        return QPointF(originX + (p.x - field.minX) * scale, axisY - p.r * scale);
    };

    const double low = field.minMach;
    const double range = std::max(field.maxMach - field.minMach, 1e-9);
    for (std::size_t i = 0; i < field.outlines.size(); ++i) {
        QPolygonF polygon;
        for (const PlanePoint& p : field.outlines[i]) polygon << toPixel(p);
        const QColor colour = ScaleColour((field.mach[i] - low) / range);
        // The outline in the fill colour closes the hairline gaps between cells.
        painter.setPen(QPen(colour, 0));
        painter.setBrush(colour);
        painter.drawPolygon(polygon);
    }

    // The axis and the x scale in cm.
    painter.setPen(QPen(Qt::black, 0, Qt::DashLine));
    painter.drawLine(QPointF(originX, axisY), QPointF(originX + spanX * scale, axisY));
    painter.setPen(Qt::black);
    const double stepCm = TickStep(spanX * 100);
    const double baseY = axisY + field.maxR * scale + 6;
    for (double cm = std::ceil(field.minX * 100 / stepCm) * stepCm; cm <= field.maxX * 100 + 1e-9;
         cm += stepCm) {
        const double x = originX + (cm / 100 - field.minX) * scale;
        painter.drawLine(QPointF(x, baseY), QPointF(x, baseY + 4));
        painter.drawText(QRectF(x - 30, baseY + 5, 60, 14), Qt::AlignCenter,
                         QString::number(std::fabs(cm) < 1e-9 ? 0.0 : cm, 'g', 4));
    }
    painter.drawText(QRectF(left, height - 18, width - left - right, 16), Qt::AlignCenter, "x (cm)");
    painter.drawText(QRectF(0, 4, width - right, 20), Qt::AlignCenter,
                     "Mach, t = " + QString::number(field.time, 'g', 4) + " s");

    // The colour scale with its numbers.
    const int barLeft = width - right + 20, barWidth = 18;
    const int barTop = top + 10, barBottom = height - bottom - 10;
    for (int y = barTop; y <= barBottom; ++y) {
        painter.setPen(ScaleColour(double(barBottom - y) / std::max(barBottom - barTop, 1)));
        painter.drawLine(barLeft, y, barLeft + barWidth, y);
    }
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(barLeft, barTop, barWidth, barBottom - barTop);
    const double step = TickStep(range);
    for (double m = std::ceil(low / step) * step; m <= field.maxMach + 1e-9; m += step) {
        const double y = barBottom - (m - low) / range * (barBottom - barTop);
        painter.drawLine(QPointF(barLeft + barWidth, y), QPointF(barLeft + barWidth + 4, y));
        painter.drawText(QRectF(barLeft + barWidth + 6, y - 7, 50, 14), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::number(m, 'g', 3));
    }
    painter.drawText(QRectF(barLeft - 10, barTop - 22, 60, 16), Qt::AlignLeft, "Mach");
    return image;
}


bool WriteMachPicture(const std::string& caseDir, const std::string& path, std::string& error) {
    MachField field;
    try {
        field = ReadMachField(caseDir);
    } catch (const Error& e) {
        error = e.what();
        return false;
    }
    const HeadlessPainting painting;
    // Wide enough for the cells of a 100-cell axis; as tall as the nozzle needs.
    const int width = 1000;
    const double aspect = 2 * field.maxR / std::max(field.maxX - field.minX, 1e-12);
    const int height = std::clamp(static_cast<int>((width - 138) * aspect) + 68, 200, 1400);
    const QImage picture = DrawMachImage(field, width, height);
    return SavePngWhole(picture, path, error);
}

}  // namespace bellnozzle::ui

#include "ui/run_picture.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "core/error.h"
#include "ui/headless_picture.h"
#include "ui/mach_image.h"
#include "ui/run_picture_file.h"

namespace bellnozzle::ui {
namespace {

struct Curve {
    const std::vector<WallPressurePoint>* points;
    QColor colour;
    Qt::PenStyle style;
    const char* label;
};

}  // namespace

QImage DrawWallPressurePlot(const CaseReport& report, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);

    const Curve curves[] = {
        {&report.wall, QColor(200, 20, 30), Qt::SolidLine, "CFD (OpenFOAM)"},
        {&report.wallMoc, QColor(30, 90, 200), Qt::DashLine, "2-D (características)"},
        {&report.wall1d, QColor(90, 90, 90), Qt::DotLine, "1-D isentrópico"},
    };
    double minX = INFINITY, maxX = -INFINITY, minP = 1, maxP = 1;
    for (const Curve& c : curves) {
        for (const WallPressurePoint& p : *c.points) {
            if (!(p.pRatio > 0) || !std::isfinite(p.xCm)) continue;
            minX = std::min(minX, p.xCm);
            maxX = std::max(maxX, p.xCm);
            minP = std::min(minP, p.pRatio);
        }
    }
    const int left = 62, right = 20, top = 26, bottom = 40;
    painter.drawText(QRectF(0, 4, width, 18), Qt::AlignCenter, "p/p0 na parede");
    if (!(maxX > minX)) {
        painter.drawText(QRectF(0, 0, width, height), Qt::AlignCenter, "sem pressões de parede");
        return image;
    }
    const double lowDecade = std::floor(std::log10(minP)), highDecade = std::ceil(std::log10(maxP) + 1e-9);
    const double plotW = width - left - right, plotH = height - top - bottom;
    auto toPixel = [&](double x, double p) {
        return QPointF(left + (x - minX) / (maxX - minX) * plotW,
                       top + (highDecade - std::log10(p)) / std::max(highDecade - lowDecade, 1.0) * plotH);
    };
    painter.setPen(Qt::black);
    painter.drawRect(QRectF(left, top, plotW, plotH));
    for (double d = lowDecade; d <= highDecade; ++d) {
        const QPointF at = toPixel(minX, std::pow(10.0, d));
        painter.setPen(QPen(QColor(220, 220, 220), 0));
        painter.drawLine(at, QPointF(left + plotW, at.y()));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, at.y() - 7, left - 6, 14), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(std::pow(10.0, d), 'g', 3));
    }
    const double span = maxX - minX;
    const double raw = span / 6, power = std::pow(10.0, std::floor(std::log10(raw)));
    const double step = raw <= power ? power : raw <= 2 * power ? 2 * power : raw <= 5 * power ? 5 * power : 10 * power;
    for (double x = std::ceil(minX / step) * step; x <= maxX + 1e-9; x += step) {
        const QPointF at = toPixel(x, std::pow(10.0, lowDecade));
        painter.drawLine(at, at + QPointF(0, 4));
        painter.drawText(QRectF(at.x() - 30, at.y() + 5, 60, 14), Qt::AlignCenter,
                         QString::number(std::fabs(x) < 1e-9 ? 0.0 : x, 'g', 4));
    }
    painter.drawText(QRectF(left, height - 18, plotW, 16), Qt::AlignCenter, "x (cm)");

    double legendY = top + 8;
    for (const Curve& c : curves) {
        if (c.points->empty()) continue;
        QPainterPath path;
        bool first = true;
        for (const WallPressurePoint& p : *c.points) {
            if (!(p.pRatio > 0)) continue;
            const QPointF at = toPixel(p.xCm, p.pRatio);
            if (first) {
                path.moveTo(at);
            } else {
                path.lineTo(at);
            }
            first = false;
        }
        painter.setPen(QPen(c.colour, 2, c.style));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        const double legendX = left + plotW - 200;
        painter.drawLine(QPointF(legendX, legendY), QPointF(legendX + 30, legendY));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(legendX + 36, legendY - 8, 170, 16), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromUtf8(c.label));
        legendY += 18;
    }
    return image;
}

QImage DrawRunPicture(const MachField& field, const CaseReport& report, int width) {
    const double aspect = 2 * field.maxR / std::max(field.maxX - field.minX, 1e-12);
    const int machHeight = std::clamp(static_cast<int>((width - 138) * aspect) + 68, 200, 1400);
    const int plotHeight = std::max(220, width * 3 / 10);
    const QImage mach = DrawMachImage(field, width, machHeight);
    const QImage plot = DrawWallPressurePlot(report, width, plotHeight);
    QImage both(width, machHeight + plotHeight, QImage::Format_RGB32);
    both.fill(Qt::white);
    QPainter painter(&both);
    painter.drawImage(0, 0, mach);
    painter.drawImage(0, machHeight, plot);
    return both;
}

bool WriteRunPicture(const std::string& caseDir, const CaseReport& report, const std::string& path,
                     std::string& error) {
    MachField field;
    try {
        field = ReadMachField(caseDir);
    } catch (const Error& e) {
        error = e.what();
        return false;
    }
    const HeadlessPainting painting;
    // Wide enough for the cells of a 100-cell axis.
    return SavePngWhole(DrawRunPicture(field, report, 1000), path, error);
}

}  // namespace bellnozzle::ui

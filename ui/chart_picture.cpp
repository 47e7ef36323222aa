#include "ui/chart_picture.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include "core/wall_angle_chart.h"

namespace bellnozzle::ui {
namespace {

// Everything that matters lies inside the 546 x 496 pixels the pane shows.
constexpr int kLeft = 52;
constexpr int kRight = 470;
constexpr double kEpsilonMax = 50.0;
constexpr double kSampleStep = 0.25;

struct Plot {
    const char* title;
    int top;
    int bottom;
    double angleLow;
    double angleHigh;
    bool thetaN;
};

constexpr Plot kPlots[] = {
    {"theta_n (graus)", 28, 228, 20.0, 40.0, true},
    {"theta_s (graus)", 254, 454, 0.0, 20.0, false},
};

// One colour per bell length, 60 to 100 %.
const QColor kCurveColors[] = {QColor(200, 0, 0), QColor(0, 140, 0), QColor(0, 0, 220),
                               QColor(190, 0, 190), QColor(210, 120, 0)};

double Column(double epsilon) { return kLeft + (kRight - kLeft) * epsilon / kEpsilonMax; }

double Row(const Plot& plot, double angle) {
    return plot.bottom -
           (plot.bottom - plot.top) * (angle - plot.angleLow) / (plot.angleHigh - plot.angleLow);
}

void DrawFrame(QPainter& painter, const Plot& plot, bool withEpsilonLabels) {
    painter.setPen(QPen(QColor(215, 215, 215), 1));
    for (int epsilon = 5; epsilon < 50; epsilon += 5) {
        painter.drawLine(QPointF(Column(epsilon), plot.top), QPointF(Column(epsilon), plot.bottom));
    }
    for (double angle = plot.angleLow + 2.0; angle < plot.angleHigh; angle += 2.0) {
        painter.drawLine(QPointF(kLeft, Row(plot, angle)), QPointF(kRight, Row(plot, angle)));
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(QRectF(kLeft, plot.top, kRight - kLeft, plot.bottom - plot.top));
    for (double angle = plot.angleLow; angle <= plot.angleHigh; angle += 4.0) {
        painter.drawText(QRectF(0, Row(plot, angle) - 8, kLeft - 5, 16), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(angle));
    }
    painter.drawText(QRectF(kLeft, plot.top - 20, kRight - kLeft, 18), Qt::AlignLeft | Qt::AlignBottom,
                     QString::fromUtf8(plot.title));
    if (!withEpsilonLabels) return;
    for (int epsilon = 0; epsilon <= 50; epsilon += 10) {
        painter.drawText(QRectF(Column(epsilon) - 20, plot.bottom + 3, 40, 16), Qt::AlignCenter,
                         QString::number(epsilon));
    }
    painter.drawText(QRectF(kLeft, plot.bottom + 18, kRight - kLeft, 16), Qt::AlignCenter,
                     QStringLiteral("epsilon"));
}

// The curve through the chart's spline, sampled finely from epsilon 5 to 50,
// with its length percentage written at the right end.
void DrawCurve(QPainter& painter, const Plot& plot, int lengthIndex) {
    const float lengthPercent = kChartLengthPercents[std::size_t(lengthIndex)];
    QPainterPath path;
    double lastAngle = 0.0;
    for (double epsilon = 5.0; epsilon <= kEpsilonMax + 1e-9; epsilon += kSampleStep) {
        float thetaN = 0.0f;
        float thetaS = 0.0f;
        LookupWallAngles(static_cast<float>(epsilon), lengthPercent, thetaN, thetaS);
        lastAngle = plot.thetaN ? thetaN : thetaS;
        const QPointF point(Column(epsilon), Row(plot, lastAngle));
        if (path.elementCount() == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    painter.setPen(QPen(kCurveColors[lengthIndex], 1.6));
    painter.drawPath(path);
    painter.drawText(QRectF(kRight + 4, Row(plot, lastAngle) - 8, 60, 16), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::number(double(lengthPercent)) + QStringLiteral(" %"));
}

}  // namespace

QImage DrawChartPicture() {
    QImage image(kChartPictureWidth, kChartPictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const Plot& plot : kPlots) {
        DrawFrame(painter, plot, &plot == &kPlots[1]);
        for (int lengthIndex = 0; lengthIndex < 5; ++lengthIndex) DrawCurve(painter, plot, lengthIndex);
    }
    painter.end();
    return image;
}

}  // namespace bellnozzle::ui

#include "ui/sweep_chart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "ui/headless_picture.h"
#include "ui/sweep_picture.h"

namespace bellnozzle::ui {
namespace {

constexpr int kLeft = 70;
constexpr int kLegendWidth = 150;
constexpr int kTop = 34;
constexpr int kGap = 56;
constexpr int kBottom = 48;
constexpr int kMostEpsilonEntries = 12;  // beyond this the legend shows every few

struct Range {
    double low = 0, high = 1;
    double Span() const { return high - low; }
};

struct Panel {
    QRectF area;
    Range x, y;
    QPointF At(double vx, double vy) const {
        return {area.left() + area.width() * (vx - x.low) / x.Span(),
                area.bottom() - area.height() * (vy - y.low) / y.Span()};
    }
};

struct Curve {
    moc::ContourMethod method;
    float epsilon;
    std::vector<const moc::SweepRow*> rows;  // length growing
};

// 1, 2 or 5 times a power of ten, about span / 5.
double TickStep(double span) {
    const double raw = span / 5;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0}) {
        if (m * power >= raw) return m * power;
    }
    return 10 * power;
}

// The values' range widened to whole ticks, never empty.
Range Around(double low, double high) {
    if (!(high > low)) {
        const double pad = std::max(std::fabs(low) * 0.01, 1e-3);
        low -= pad;
        high += pad;
    }
    const double step = TickStep(high - low);
    // A value a rounding above a tick (a cone's 100.00001 %) stays on it.
    return {std::floor(low / step + 1e-3) * step, std::ceil(high / step - 1e-3) * step};
}

Qt::PenStyle MethodStyle(moc::ContourMethod method) {
    switch (method) {
        case moc::ContourMethod::Chart: return Qt::SolidLine;
        case moc::ContourMethod::Cone: return Qt::DashLine;
        case moc::ContourMethod::Ideal: return Qt::DotLine;
        case moc::ContourMethod::Tic: return Qt::DashDotLine;
        case moc::ContourMethod::Parabola: return Qt::DashDotDotLine;
        case moc::ContourMethod::Toc: return Qt::CustomDashLine;
    }
    return Qt::SolidLine;
}

QPen MethodPen(moc::ContourMethod method, const QColor& colour) {
    QPen pen(colour, 1.6, MethodStyle(method));
    if (method == moc::ContourMethod::Toc) pen.setDashPattern({8, 2, 2, 2, 2, 2});
    return pen;
}

// Blue for the smallest area ratio through green to red for the largest.
QColor EpsilonColour(std::size_t rank, std::size_t count) {
    const double share = count > 1 ? double(rank) / double(count - 1) : 0.0;
    return QColor::fromHsvF(0.66 * (1.0 - share), 0.9, 0.8);
}

std::vector<Curve> Curves(const moc::SweepResult& result) {
    std::map<std::pair<int, float>, Curve> byKey;
    for (const moc::SweepRow& row : result.rows) {
        if (row.Refused()) continue;
        Curve& curve = byKey[{static_cast<int>(row.method), row.epsilon}];
        curve.method = row.method;
        curve.epsilon = row.epsilon;
        curve.rows.push_back(&row);
    }
    std::vector<Curve> curves;
    for (auto& [key, curve] : byKey) {
        std::sort(curve.rows.begin(), curve.rows.end(),
                  [](const moc::SweepRow* a, const moc::SweepRow* b) { return a->lengthPercent < b->lengthPercent; });
        curves.push_back(curve);
    }
    return curves;
}

double AmbientCf(const moc::SweepRow& row) { return row.separationXCm ? row.cfAmbientSeparated : row.cfAmbient; }

// The cone and the ideal nozzle are single points (a length of their own):
// a square and a diamond; the other methods' points are dots on their lines.
void DrawMarker(QPainter& painter, moc::ContourMethod method, QPointF at) {
    if (method == moc::ContourMethod::Cone) {
        painter.drawRect(QRectF(at.x() - 3.5, at.y() - 3.5, 7, 7));
    } else if (method == moc::ContourMethod::Ideal) {
        const QPointF corners[] = {at + QPointF(0, -5), at + QPointF(5, 0), at + QPointF(0, 5), at + QPointF(-5, 0)};
        painter.drawPolygon(corners, 4);
    } else {
        painter.drawEllipse(at, 2.5, 2.5);
    }
}

void DrawFrame(QPainter& painter, const Panel& panel, const QString& yTitle, const QString& xTitle) {
    const double xStep = TickStep(panel.x.Span()), yStep = TickStep(panel.y.Span());
    const QFontMetrics metrics(painter.font());
    for (double v = std::ceil(panel.x.low / xStep - 1e-3) * xStep; v <= panel.x.high + 1e-9 * panel.x.Span();
         v += xStep) {
        const QPointF at = panel.At(v, panel.y.low);
        painter.setPen(QPen(QColor(220, 220, 220), 1));
        painter.drawLine(at, QPointF(at.x(), panel.area.top()));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(at.x() - 30, at.y() + 3, 60, 16), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(v, 'g', 6));
    }
    for (double v = panel.y.low; v <= panel.y.high + 1e-9 * panel.y.Span(); v += yStep) {
        const QPointF at = panel.At(panel.x.low, v);
        painter.setPen(QPen(QColor(220, 220, 220), 1));
        painter.drawLine(at, QPointF(panel.area.right(), at.y()));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, at.y() - 8, kLeft - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(v, 'g', 6));
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(panel.area);
    painter.drawText(QRectF(panel.area.left(), panel.area.top() - 20, panel.area.width(), 18),
                     Qt::AlignLeft | Qt::AlignBottom, yTitle);
    painter.drawText(QRectF(panel.area.left(), panel.area.bottom() + 18, panel.area.width(),
                            metrics.height() + 2),
                     Qt::AlignHCenter | Qt::AlignTop, xTitle);
}

void DrawCurves(QPainter& painter, const Panel& panel, const std::vector<Curve>& curves,
                const std::vector<float>& epsilons, bool cf) {
    painter.save();
    painter.setClipRect(panel.area.adjusted(-6, -6, 6, 6));
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const Curve& curve : curves) {
        const std::size_t rank = std::lower_bound(epsilons.begin(), epsilons.end(), curve.epsilon) - epsilons.begin();
        const QColor colour = EpsilonColour(rank, epsilons.size());
        QPainterPath path;
        for (const moc::SweepRow* row : curve.rows) {
            const QPointF at = panel.At(row->lengthPercent, cf ? AmbientCf(*row) : row->efficiency);
            if (path.elementCount() == 0) {
                path.moveTo(at);
            } else {
                path.lineTo(at);
            }
        }
        painter.setPen(MethodPen(curve.method, colour));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        painter.setPen(QPen(colour, 1));
        painter.setBrush(colour);
        for (const moc::SweepRow* row : curve.rows) {
            const QPointF at = panel.At(row->lengthPercent, cf ? AmbientCf(*row) : row->efficiency);
            DrawMarker(painter, curve.method, at);
            if (cf && row->separationXCm) {
                painter.save();
                painter.setPen(QPen(Qt::black, 1.4));
                painter.setBrush(Qt::NoBrush);
                painter.drawEllipse(at, 6, 6);
                painter.restore();
            }
        }
    }
    painter.restore();
}

void DrawLegend(QPainter& painter, QRectF area, const std::vector<Curve>& curves, const std::vector<float>& epsilons,
                bool portuguese) {
    std::set<int> methods;
    for (const Curve& curve : curves) methods.insert(static_cast<int>(curve.method));
    const double line = QFontMetrics(painter.font()).height() + 3;
    double y = area.top();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(area.left(), y + line * 0.7), portuguese ? QString::fromUtf8("Método") : "Method");
    y += line;
    for (const int method : methods) {
        const auto contour = static_cast<moc::ContourMethod>(method);
        painter.setPen(MethodPen(contour, Qt::black));
        painter.drawLine(QPointF(area.left(), y + line / 2), QPointF(area.left() + 34, y + line / 2));
        painter.setPen(Qt::black);
        painter.setBrush(Qt::black);
        DrawMarker(painter, contour, QPointF(area.left() + 17, y + line / 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawText(QPointF(area.left() + 40, y + line * 0.7),
                         moc::ContourMethodName(static_cast<moc::ContourMethod>(method)));
        y += line;
    }
    y += line / 2;
    painter.drawText(QPointF(area.left(), y + line * 0.7), "epsilon");
    y += line;
    const std::size_t every = (epsilons.size() + kMostEpsilonEntries - 1) / kMostEpsilonEntries;
    for (std::size_t i = 0; i < epsilons.size(); ++i) {
        if (i % every != 0 && i + 1 != epsilons.size()) continue;
        const QColor colour = EpsilonColour(i, epsilons.size());
        painter.setPen(QPen(colour, 2.5));
        painter.drawLine(QPointF(area.left(), y + line / 2), QPointF(area.left() + 34, y + line / 2));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(area.left() + 40, y + line * 0.7), QString::number(double(epsilons[i]), 'g', 6));
        y += line;
    }
    y += line / 2;
    painter.setPen(QPen(Qt::black, 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(area.left() + 17, y + line / 2), 6, 6);
    painter.drawText(QPointF(area.left() + 40, y + line * 0.7), portuguese ? "separado" : "separated");
}

}  // namespace

QImage DrawSweepChart(const moc::SweepResult& result, QSize size, bool portuguese) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);

    const std::vector<Curve> curves = Curves(result);
    std::set<float> epsilonSet;
    double lengthLow = INFINITY, lengthHigh = -INFINITY, effLow = INFINITY, effHigh = -INFINITY;
    double cfLow = INFINITY, cfHigh = -INFINITY;
    for (const Curve& curve : curves) {
        epsilonSet.insert(curve.epsilon);
        for (const moc::SweepRow* row : curve.rows) {
            lengthLow = std::min(lengthLow, double(row->lengthPercent));
            lengthHigh = std::max(lengthHigh, double(row->lengthPercent));
            effLow = std::min(effLow, row->efficiency);
            effHigh = std::max(effHigh, row->efficiency);
            cfLow = std::min(cfLow, AmbientCf(*row));
            cfHigh = std::max(cfHigh, AmbientCf(*row));
        }
    }
    const std::vector<float> epsilons(epsilonSet.begin(), epsilonSet.end());
    const double width = size.width() - kLeft - kLegendWidth;
    const double height = (size.height() - kTop - kGap - kBottom) / 2.0;
    const QString lengthTitle = portuguese ? QString::fromUtf8("comprimento (% do cone de 15°)")
                                           : QString::fromUtf8("length (% of the 15° cone)");
    if (curves.empty()) {
        painter.drawText(QRectF(0, 0, size.width(), size.height()), Qt::AlignCenter,
                         portuguese ? QString::fromUtf8("nenhum projeto analisado") : "no design analysed");
        return image;
    }
    // A little room either side, so the points at the ends (the cones at
    // 100 %) are not cut by the frame.
    Range lengths = Around(lengthLow, lengthHigh);
    const double pad = 0.03 * lengths.Span();
    lengths = {lengths.low - pad, lengths.high + pad};
    const Panel top{QRectF(kLeft, kTop, width, height), lengths, Around(effLow, effHigh)};
    const Panel bottom{QRectF(kLeft, kTop + height + kGap, width, height), top.x, Around(cfLow, cfHigh)};
    DrawFrame(painter, top, portuguese ? QString::fromUtf8("eficiência λ = Cf_vac / (Cd Cf_vac,1-D)")
                                       : QString::fromUtf8("efficiency λ = Cf_vac / (Cd Cf_vac,1-D)"),
              lengthTitle);
    DrawFrame(painter, bottom,
              portuguese ? QString::fromUtf8("Cf na pressão ambiente (após a separação, se houver)")
                         : "Cf at the ambient pressure (beyond separation where it separates)",
              lengthTitle);
    DrawCurves(painter, top, curves, epsilons, false);
    DrawCurves(painter, bottom, curves, epsilons, true);
    DrawLegend(painter, QRectF(size.width() - kLegendWidth + 14, kTop, kLegendWidth - 18, size.height() - kTop),
               curves, epsilons, portuguese);
    return image;
}

bool WriteSweepPicture(const moc::SweepResult& result, const std::string& path, std::string& error) {
    HeadlessPainting painting;
    return SavePngWhole(DrawSweepChart(result, QSize(900, 720), false), path, error);
}

}  // namespace bellnozzle::ui

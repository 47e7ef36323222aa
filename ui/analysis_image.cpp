#include "ui/analysis_image.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <limits>

#include "characteristics/analysis_report.h"
#include "ui/analysis_picture.h"
#include "ui/colour_scale.h"
#include "ui/headless_picture.h"

namespace bellnozzle::ui {
namespace {

// Margins: the r scale on the left, the colour scale on the right, the title
// on top, the x scale and title under each plot.
constexpr int kLeft = 62;
constexpr int kRight = 96;
constexpr int kTop = 30;
constexpr int kGap = 58;
constexpr int kBottom = 46;
constexpr int kPressureHeight = 240;

struct Words {
    const char* netTitle;
    const char* pressureTitle;
    const char* analysis;
    const char* oneDimensional;
    const char* shock;
    const char* separation;
};

constexpr Words kEnglish = {"Characteristic net coloured by Mach (%1 characteristics)",
                            "Wall pressure p/p0",
                            "2-D analysis",
                            "1-D theory",
                            "shock",
                            "separation"};
constexpr Words kPortuguese = {"Rede de características e Mach (%1 características)",
                               "Pressão na parede p/p0",
                               "análise 2-D",
                               "teoria 1-D",
                               "choque",
                               "separação"};

// The extent of what is drawn, over finite values only.
struct Extent {
    double xMin = std::numeric_limits<double>::infinity();
    double xMax = -std::numeric_limits<double>::infinity();
    double rMax = 0;
    double machMin = std::numeric_limits<double>::infinity();
    double machMax = -std::numeric_limits<double>::infinity();
    double pMax = 0;

    void AddPoint(double x, double r, double mach) {
        if (std::isfinite(x) && std::isfinite(r)) {
            xMin = std::min(xMin, x);
            xMax = std::max(xMax, x);
            rMax = std::max(rMax, r);
        }
        if (std::isfinite(mach)) {
            machMin = std::min(machMin, mach);
            machMax = std::max(machMax, mach);
        }
    }
    void AddPressure(double p) {
        if (std::isfinite(p)) pMax = std::max(pMax, p);
    }
    // Spans never zero, so an empty or degenerate result still draws.
    void Settle() {
        if (!(xMin <= xMax)) xMin = 0, xMax = 1;
        if (xMax - xMin < 1e-9) xMax = xMin + 1;
        if (rMax < 1e-9) rMax = 1;
        if (!(machMin <= machMax)) machMin = 1, machMax = 2;
        if (machMax - machMin < 1e-9) machMax = machMin + 1e-3;
        pMax = pMax > 0 ? pMax * 1.08 : 1;
    }
};

// The nozzle from the throat to the exit plane. The net's last lines run on
// past the exit plane to the axis; that flow is outside the nozzle and is
// neither drawn nor counted in the Mach scale.
Extent ExtentOf(const moc::AnalysisResult& r) {
    Extent e;
    for (const moc::WallStation& s : r.wall) {
        e.AddPoint(s.xCm, s.yCm, s.mach);
        e.AddPressure(s.pRatio);
        e.AddPressure(moc::OneDimensionalWallPressureRatio(r, s.yCm));
    }
    const bool haveWall = e.xMin <= e.xMax;
    const double exitX = e.xMax;
    for (const auto& line : r.netLines) {
        for (const moc::NetPoint& p : line) {
            if (!haveWall || p.xCm <= exitX) e.AddPoint(p.xCm, p.rCm, p.mach);
        }
    }
    if (r.options.p0Bar > 0) e.AddPressure(r.options.paBar / r.options.p0Bar);
    e.Settle();
    return e;
}

// Where things go on the picture.
struct Layout {
    double scale;           // pixels per cm, the same along x and r
    double originX;         // pixel column of xMin
    double axisY;           // pixel row of the axis
    double pressureTop, pressureBottom;
    double xMin, pMax;

    double Column(double x) const { return originX + (x - xMin) * scale; }
    double NetRow(double r) const { return axisY - r * scale; }
    double PressureRow(double p) const { return pressureBottom - p / pMax * (pressureBottom - pressureTop); }
};

Layout LayoutFor(const Extent& e, int width, int height) {
    const double plotWidth = std::max(width - kLeft - kRight, 10);
    const double available = std::max(height - kTop - kGap - kBottom, 40);
    const double pressureHeight = std::min<double>(kPressureHeight, available * 0.45);
    const double netHeight = available - pressureHeight;
    Layout l;
    l.scale = std::min(plotWidth / (e.xMax - e.xMin), netHeight / e.rMax);
    l.originX = kLeft;
    l.axisY = kTop + netHeight;
    l.pressureTop = l.axisY + kGap;
    l.pressureBottom = l.pressureTop + pressureHeight;
    l.xMin = e.xMin;
    l.pMax = e.pMax;
    return l;
}

bool Finite(double a, double b) { return std::isfinite(a) && std::isfinite(b); }

void DrawXScale(QPainter& painter, const Layout& l, const Extent& e, double row) {
    const double step = TickStep(e.xMax - e.xMin);
    for (double cm = std::ceil(e.xMin / step) * step; cm <= e.xMax + 1e-9; cm += step) {
        const double x = l.Column(cm);
        painter.drawLine(QPointF(x, row), QPointF(x, row + 4));
        painter.drawText(QRectF(x - 30, row + 5, 60, 14), Qt::AlignCenter,
                         QString::number(std::fabs(cm) < 1e-9 ? 0.0 : cm, 'g', 4));
    }
    painter.drawText(QRectF(l.Column(e.xMin), row + 20, l.Column(e.xMax) - l.Column(e.xMin), 16), Qt::AlignCenter,
                     "x (cm)");
}

void DrawNet(QPainter& painter, const moc::AnalysisResult& r, const Extent& e, const Layout& l) {
    const double range = e.machMax - e.machMin;
    painter.save();
    painter.setClipRect(QRectF(QPointF(l.Column(e.xMin), 0), QPointF(l.Column(e.xMax), l.axisY + 1)));
    for (const auto& line : r.netLines) {
        for (std::size_t i = 1; i < line.size(); ++i) {
            const moc::NetPoint& a = line[i - 1];
            const moc::NetPoint& b = line[i];
            if (!Finite(a.xCm, a.rCm) || !Finite(b.xCm, b.rCm)) continue;
            painter.setPen(QPen(ScaleColour(((a.mach + b.mach) / 2 - e.machMin) / range), 1.2));
            painter.drawLine(QPointF(l.Column(a.xCm), l.NetRow(a.rCm)), QPointF(l.Column(b.xCm), l.NetRow(b.rCm)));
        }
    }
    painter.restore();
    // The wall over the net, and the axis.
    QPainterPath wall;
    for (const moc::WallStation& s : r.wall) {
        if (!Finite(s.xCm, s.yCm)) continue;
        const QPointF p(l.Column(s.xCm), l.NetRow(s.yCm));
        if (wall.elementCount() == 0) {
            wall.moveTo(p);
        } else {
            wall.lineTo(p);
        }
    }
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wall);
    painter.setPen(QPen(Qt::black, 0, Qt::DashLine));
    painter.drawLine(QPointF(l.Column(e.xMin), l.axisY), QPointF(l.Column(e.xMax), l.axisY));
}

void DrawMarks(QPainter& painter, const moc::AnalysisResult& r, const Layout& l, const Words& words) {
    if (r.shock && Finite(r.shock->xCm, r.shock->rCm)) {
        const QPointF at(l.Column(r.shock->xCm), l.NetRow(r.shock->rCm));
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(at, 5, 5);
        painter.drawText(QRectF(at.x() + 7, at.y() - 18, 120, 14), Qt::AlignLeft, QString::fromUtf8(words.shock));
    }
    if (r.separationXCm && std::isfinite(*r.separationXCm)) {
        const double x = l.Column(*r.separationXCm);
        painter.setPen(QPen(Qt::black, 1.5, Qt::DotLine));
        painter.drawLine(QPointF(x, l.pressureTop), QPointF(x, l.pressureBottom));
        // Above the plot, clear of the legend inside it.
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x - 80, l.pressureTop - 20, 160, 16), Qt::AlignCenter,
                         QString::fromUtf8(words.separation));
    }
}

void DrawColourScale(QPainter& painter, const Extent& e, int width, const Layout& l) {
    const int barLeft = width - kRight + 24, barWidth = 18;
    const int barTop = kTop + 16;
    const int barBottom = std::max(barTop + 40, static_cast<int>(l.axisY));
    for (int y = barTop; y <= barBottom; ++y) {
        painter.setPen(ScaleColour(double(barBottom - y) / (barBottom - barTop)));
        painter.drawLine(barLeft, y, barLeft + barWidth, y);
    }
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(barLeft, barTop, barWidth, barBottom - barTop);
    const double range = e.machMax - e.machMin;
    const double step = TickStep(range);
    for (double m = std::ceil(e.machMin / step) * step; m <= e.machMax + 1e-9; m += step) {
        const double y = barBottom - (m - e.machMin) / range * (barBottom - barTop);
        painter.drawLine(QPointF(barLeft + barWidth, y), QPointF(barLeft + barWidth + 4, y));
        painter.drawText(QRectF(barLeft + barWidth + 6, y - 7, 50, 14), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::number(m, 'g', 3));
    }
    painter.drawText(QRectF(barLeft - 6, barTop - 18, 60, 16), Qt::AlignLeft, "Mach");
}

void DrawPressure(QPainter& painter, const moc::AnalysisResult& r, const Extent& e, const Layout& l,
                  const Words& words) {
    const double left = l.Column(e.xMin), right = l.Column(e.xMax);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(left, l.pressureTop, right - left, l.pressureBottom - l.pressureTop));
    const double step = TickStep(e.pMax);
    for (double p = 0; p <= e.pMax + 1e-12; p += step) {
        const double y = l.PressureRow(p);
        painter.drawLine(QPointF(left - 4, y), QPointF(left, y));
        painter.drawText(QRectF(0, y - 7, left - 6, 14), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(p, 'g', 3));
    }
    painter.drawText(QRectF(left, l.pressureTop - 20, right - left, 16), Qt::AlignLeft,
                     QString::fromUtf8(words.pressureTitle));

    auto curve = [&](auto pressureAt) {
        QPainterPath path;
        for (const moc::WallStation& s : r.wall) {
            const double p = pressureAt(s);
            if (!Finite(s.xCm, p)) continue;
            const QPointF at(l.Column(s.xCm), l.PressureRow(p));
            if (path.elementCount() == 0) {
                path.moveTo(at);
            } else {
                path.lineTo(at);
            }
        }
        painter.drawPath(path);
    };
    const QColor analysisColour(20, 70, 200), theoryColour(200, 30, 30), ambientColour(110, 110, 110);
    painter.setPen(QPen(theoryColour, 1.5, Qt::DashLine));
    curve([&](const moc::WallStation& s) { return moc::OneDimensionalWallPressureRatio(r, s.yCm); });
    painter.setPen(QPen(analysisColour, 2));
    curve([](const moc::WallStation& s) { return s.pRatio; });
    const bool ambient = r.options.paBar > 0 && r.options.p0Bar > 0;
    if (ambient) {
        painter.setPen(QPen(ambientColour, 1.5, Qt::DotLine));
        const double y = l.PressureRow(r.options.paBar / r.options.p0Bar);
        painter.drawLine(QPointF(left, y), QPointF(right, y));
    }

    // The legend, in the upper right corner where the pressure has fallen.
    struct Entry {
        QPen pen;
        QString text;
    };
    std::vector<Entry> entries = {{QPen(analysisColour, 2), QString::fromUtf8(words.analysis)},
                                  {QPen(theoryColour, 1.5, Qt::DashLine), QString::fromUtf8(words.oneDimensional)}};
    if (ambient) entries.push_back({QPen(ambientColour, 1.5, Qt::DotLine), "pa/p0"});
    const double boxWidth = 150, boxLeft = right - boxWidth - 8, boxTop = l.pressureTop + 8;
    painter.setPen(QPen(Qt::gray, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(boxLeft, boxTop, boxWidth, 8 + 16.0 * entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const double y = boxTop + 12 + 16.0 * i;
        painter.setPen(entries[i].pen);
        painter.drawLine(QPointF(boxLeft + 8, y), QPointF(boxLeft + 36, y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(boxLeft + 42, y - 8, boxWidth - 46, 16), Qt::AlignLeft | Qt::AlignVCenter,
                         entries[i].text);
    }
}

}  // namespace

QImage DrawAnalysisImage(const moc::AnalysisResult& result, int width, int height, PictureLanguage language) {
    const Words& words = language == PictureLanguage::Portuguese ? kPortuguese : kEnglish;
    QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);

    const Extent extent = ExtentOf(result);
    const Layout layout = LayoutFor(extent, width, height);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(kLeft, 6, width - kLeft - 4, 18), Qt::AlignLeft,
                     QString::fromUtf8(words.netTitle).arg(result.options.characteristics));
    DrawNet(painter, result, extent, layout);
    painter.setPen(Qt::black);
    DrawXScale(painter, layout, extent, layout.axisY + 4);
    DrawColourScale(painter, extent, width, layout);
    DrawPressure(painter, result, extent, layout, words);
    painter.setPen(Qt::black);
    DrawXScale(painter, layout, extent, layout.pressureBottom);
    DrawMarks(painter, result, layout, words);
    return image;
}

int AnalysisImageHeight(const moc::AnalysisResult& result, int width) {
    const Extent e = ExtentOf(result);
    const double plotWidth = std::max(width - kLeft - kRight, 10);
    const double netHeight = std::clamp(plotWidth * e.rMax / (e.xMax - e.xMin), 100.0, 700.0);
    return kTop + static_cast<int>(std::ceil(netHeight)) + kGap + kPressureHeight + kBottom;
}

bool WriteAnalysisPicture(const moc::AnalysisResult& result, const std::string& path, std::string& error) {
    const HeadlessPainting painting;
    constexpr int kWidth = 1000;
    const QImage picture =
        DrawAnalysisImage(result, kWidth, AnalysisImageHeight(result, kWidth), PictureLanguage::English);
    return SavePngWhole(picture, path, error);
}

}  // namespace bellnozzle::ui

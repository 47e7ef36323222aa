#include "ui/vcl_layer.h"

#include <QApplication>
#include <QLineSeries>
#include <QMessageBox>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "core/error.h"
#include "core/text_file.h"
#include "ui/ui_text.h"

namespace bellnozzle::ui {

namespace {
TApplication theApplication;
}  // namespace

TApplication* const Application = &theApplication;

QColor ToQColor(TColor color) {
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

TColor FromQColor(const QColor& color) {
    return TColor(color.red()) | (TColor(color.green()) << 8) | (TColor(color.blue()) << 16);
}

// ---- Program level -------------------------------------------------------

void TApplication::Initialize(int& argc, char** argv) {
    if (QApplication::instance() == nullptr) ownApp_ = std::make_unique<QApplication>(argc, argv);
}

int TApplication::Run() {
    if (mainForm_) mainForm_->show();
    return QApplication::exec();
}

void TApplication::Terminate() {
    mainForm_.reset();
    ownApp_.reset();
}

void TApplication::ShowException(const std::exception& error) {
    if (const auto* known = dynamic_cast<const Error*>(&error)) {
        ShowMessageText(MessageText(known->what(), known->Portuguese()).toStdString());
    } else {
        ShowMessageText(MessageText(error.what(), error.what()).toStdString());
    }
}

void TApplication::ShowMessageText(const std::string& message) {
    if (hook_) {
        hook_(message);
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Perfil Zelto 1.0"),
                          QString::fromStdString(message));
}

void TApplication::RunGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        ShowMessageText(MessageText("unknown error", "erro desconhecido").toStdString());
    }
}

// ---- Controls ------------------------------------------------------------

std::string TEdit::GetText() const { return text().toStdString(); }

void TEdit::SetText(const std::string& text) { setText(QString::fromStdString(text)); }

TCustomComboBox::TCustomComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    // Enter must not turn typed text into a new list item.
    setInsertPolicy(QComboBox::NoInsert);
}

std::string TCustomComboBox::GetText() const { return currentText().toStdString(); }

void TCustomComboBox::SetText(const std::string& text) {
    setEditText(QString::fromStdString(text));
}

void TCustomComboBox::AddItem(const std::string& text) { addItem(QString::fromStdString(text)); }

int TCustomComboBox::GetItemIndex() const {
    const int index = currentIndex();
    if (lineEdit() == nullptr || (index >= 0 && lineEdit()->text() == itemText(index))) return index;
    return findText(lineEdit()->text(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void TCustomComboBox::SetItemIndex(int index) { setCurrentIndex(index); }

std::string TCustomComboBox::ItemText(int index) const {
    if (index < 0 || index >= count()) {
        throw std::out_of_range("list item " + std::to_string(index) + " does not exist");
    }
    return itemText(index).toStdString();
}

TCheckBox::TCheckBox(const std::string& caption, QWidget* parent)
    : QCheckBox(QString::fromStdString(caption), parent) {}

std::string TCheckBox::GetText() const { return text().toStdString(); }

void TCheckBox::SetText(const std::string& text) { setText(QString::fromStdString(text)); }

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent) {}

void TMemo::LoadFromFile(const std::string& path) {
    std::string bytes;
    try {
        bytes = ReadWholeFile(path);
    } catch (const Error&) {
        throw Error("cannot show \"" + path + "\": the file cannot be read",
                    "não foi possível mostrar \"" + path + "\": o arquivo não pode ser lido");
    }
    setPlainText(QString::fromStdString(DecodeWindows1252(bytes)));
}

std::string TMemo::GetText() const { return toPlainText().toStdString(); }

// Windows-1252 is Latin-1 except for 0x80 to 0x9F; the five unused codes there
// are shown as the replacement character.
std::string DecodeWindows1252(const std::string& bytes) {
    static const char16_t kHigh[32] = {
        0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    QString text;
    text.reserve(qsizetype(bytes.size()));
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        text.append(code >= 0x80 && code < 0xA0 ? QChar(kHigh[code - 0x80]) : QChar(code));
    }
    return text.toStdString();
}

// ---- Picture pane --------------------------------------------------------

void TPicture::LoadFromFile(const std::string& path) {
    QImage loaded;
    if (!loaded.load(QString::fromStdString(path), "BMP")) {
        throw Error("cannot load the bitmap \"" + path + "\": the file is missing or not a valid bitmap",
                    "não foi possível carregar a imagem \"" + path +
                        "\": o arquivo não existe ou não é um bitmap válido; gere-o com "
                        "\"bellnozzle chart --bmp " + path + "\" na pasta de trabalho");
    }
    image_ = loaded.convertToFormat(QImage::Format_RGB32);
}

int TCanvas::Width() const { return owner_.GetPicture()->Image().width(); }

int TCanvas::Height() const { return owner_.GetPicture()->Image().height(); }

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    QImage& image = owner_.GetPicture()->Image();
    const int left = std::max(x1, 0);
    const int top = std::max(y1, 0);
    const int right = std::min(x2, image.width());
    const int bottom = std::min(y2, image.height());
    const QRgb black = qRgb(0, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    for (int y = top; y < bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const bool edgeRow = y == y1 || y == y2 - 1;
        for (int x = left; x < right; ++x) {
            line[x] = edgeRow || x == x1 || x == x2 - 1 ? black : white;
        }
    }
    owner_.PictureChanged();
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    QImage& image = owner_.GetPicture()->Image();
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return;
    image.setPixel(x, y, ToQColor(color).rgb());
    owner_.PictureChanged();
}

TImage::TImage(QWidget* parent) : QWidget(parent) {}

TCanvas* TImage::GetCanvas() {
    QImage& image = picture_.Image();
    if (image.width() < width() || image.height() < height() ||
        image.format() != QImage::Format_RGB32) {
        QImage grown(std::max(image.width(), width()), std::max(image.height(), height()),
                     QImage::Format_RGB32);
        grown.fill(Qt::white);
        QPainter painter(&grown);
        painter.drawImage(0, 0, image);
        painter.end();
        image = grown;
    }
    return &canvas_;
}

void TImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, picture_.Image());
}

// ---- Chart ---------------------------------------------------------------

TChartSeries::TChartSeries(TCustomAxisPanel& owner, QLineSeries* line, TColor ownColor)
    : owner_(owner), line_(line) {
    line_->setPen(QPen(ToQColor(ownColor), 1));
    lastColor_ = ownColor;
}

void TChartSeries::Clear() {
    if (points_.empty()) return;
    points_.clear();
    changed_ = true;
    owner_.SeriesChanged();
}

void TChartSeries::AddXY(double x, double y, const std::string& label, TColor color) {
    const auto at = std::upper_bound(points_.begin(), points_.end(), x,
                                     [](double value, const TChartPoint& p) { return value < p.x; });
    points_.insert(at, TChartPoint{x, y, label, color});
    lastColor_ = color;
    changed_ = true;
    owner_.SeriesChanged();
}

void TChartSeries::SyncLine() {
    if (!changed_) return;
    changed_ = false;
    QList<QPointF> line;
    line.reserve(qsizetype(points_.size()));
    for (const TChartPoint& p : points_) line.append(QPointF(p.x, p.y));
    line_->replace(line);
    // Every action gives all points of a series one colour, so the line is
    // drawn in the colour of the point added last.
    if (!points_.empty() && line_->pen().color() != ToQColor(lastColor_)) {
        line_->setPen(QPen(ToQColor(lastColor_), 1));
    }
}

namespace {

// A step of 1, 2 or 5 times a power of ten giving about five intervals.
double NiceStep(double span) {
    if (!(span > 0.0) || !std::isfinite(span)) return 1.0;
    const double raw = span / 5.0;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (raw <= factor * power) return factor * power;
    }
    return 10.0 * power;
}

void FitAxis(QValueAxis* axis, double low, double high) {
    if (low > high) {
        low = 0.0;
        high = 1.0;
    }
    if (low == high) {
        low -= 1.0;
        high += 1.0;
    }
    const double step = NiceStep(high - low);
    const double from = std::floor(low / step) * step;
    const double to = std::ceil(high / step) * step;
    const int ticks = int(std::lround((to - from) / step)) + 1;
    if (axis->min() != from || axis->max() != to) axis->setRange(from, to);
    if (axis->tickCount() != ticks && ticks >= 2 && ticks <= 50) axis->setTickCount(ticks);
}

}  // namespace

TCustomAxisPanel::TCustomAxisPanel(QWidget* parent, const std::vector<TColor>& seriesColors)
    // The view takes the chart it is built with; a chart set later would
    // leave the default one behind.
    : QChartView(new QChart, parent), axisX_(new QValueAxis), axisY_(new QValueAxis) {
    QChart* const chart = this->chart();
    chart->legend()->hide();
    chart->setBackgroundBrush(Qt::white);
    chart->setPlotAreaBackgroundVisible(false);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->setBackgroundRoundness(0);
    chart->addAxis(axisX_, Qt::AlignBottom);
    chart->addAxis(axisY_, Qt::AlignLeft);
    axisX_->setLabelFormat("%g");
    axisY_->setLabelFormat("%g");
    for (const TColor color : seriesColors) {
        auto* line = new QLineSeries;
        line->setPointsVisible(false);
        line->setPointLabelsVisible(false);
        chart->addSeries(line);
        line->attachAxis(axisX_);
        line->attachAxis(axisY_);
        series_.push_back(std::make_unique<TChartSeries>(*this, line, color));
    }
    setRenderHint(QPainter::Antialiasing, true);
    // The plot area moves with the axis labels and the view's size; a
    // contour keeps its 1:1 scale through both.
    QObject::connect(chart, &QChart::plotAreaChanged, this, [this] {
        if (kind_ == ChartKind::Contour) FitAxes();
    });
    FitAxes();
}

void TCustomAxisPanel::SetKind(ChartKind kind) {
    if (kind_ == kind) return;
    kind_ = kind;
    SeriesChanged();
}

void TCustomAxisPanel::SeriesChanged() {
    if (syncQueued_) return;
    syncQueued_ = true;
    QMetaObject::invokeMethod(this, [this] { Sync(); }, Qt::QueuedConnection);
}

void TCustomAxisPanel::Sync() {
    syncQueued_ = false;
    for (const auto& series : series_) series->SyncLine();
    FitAxes();
}

TChartSeries* TCustomAxisPanel::GetSeries(int index) {
    if (index < 0 || index >= SeriesCount()) {
        throw std::out_of_range("chart series " + std::to_string(index) + " does not exist");
    }
    return series_[std::size_t(index)].get();
}

void TCustomAxisPanel::FitAxes() {
    double xLow = 1.0, xHigh = 0.0, yLow = 1.0, yHigh = 0.0;
    bool any = false;
    for (const auto& series : series_) {
        for (const TChartPoint& p : series->Points()) {
            if (!any) {
                xLow = xHigh = p.x;
                yLow = yHigh = p.y;
                any = true;
            }
            xLow = std::min(xLow, p.x);
            xHigh = std::max(xHigh, p.x);
            yLow = std::min(yLow, p.y);
            yHigh = std::max(yHigh, p.y);
        }
    }
    if (kind_ == ChartKind::Contour && any) {
        FitSameScale(xLow, xHigh, yLow, yHigh);
        return;
    }
    axisX_->setTickType(QValueAxis::TicksFixed);
    axisY_->setTickType(QValueAxis::TicksFixed);
    FitAxis(axisX_, xLow, xHigh);
    FitAxis(axisY_, yLow, yHigh);
}

// Both axes get the same centimetres per pixel, so the contour keeps its
// true shape: the plot area's aspect decides which range is widened about
// its centre. Ticks fall on multiples of one step on both axes.
void TCustomAxisPanel::FitSameScale(double xLow, double xHigh, double yLow, double yHigh) {
    const QRectF area = chart()->plotArea();
    if (!(area.width() > 1.0 && area.height() > 1.0)) return;
    const double margin = 0.04 * std::max(xHigh - xLow, yHigh - yLow);
    xLow -= margin;
    xHigh += margin;
    yLow -= margin;
    yHigh += margin;
    const double perPixel = std::max((xHigh - xLow) / area.width(), (yHigh - yLow) / area.height());
    const double xMid = 0.5 * (xLow + xHigh);
    const double yMid = 0.5 * (yLow + yHigh);
    const double xHalf = 0.5 * perPixel * area.width();
    const double yHalf = 0.5 * perPixel * area.height();
    const double step = NiceStep(std::max(xHalf, yHalf) * 2.0);
    for (QValueAxis* axis : {axisX_, axisY_}) {
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0.0);
        axis->setTickInterval(step);
    }
    // Moving the labels moves the plot area, which fits again; a change
    // below a thousandth of the range is not worth another round.
    auto set = [](QValueAxis* axis, double low, double high) {
        const double tolerance = 1e-3 * (high - low);
        if (std::fabs(axis->min() - low) > tolerance || std::fabs(axis->max() - high) > tolerance) {
            axis->setRange(low, high);
        }
    };
    set(axisX_, xMid - xHalf, xMid + xHalf);
    set(axisY_, yMid - yHalf, yMid + yHalf);
}

}  // namespace bellnozzle::ui

// The thin layer between the form code and Qt: the few window and chart
// operations the form uses, under the names the form code is written with
// (TApplication, TControl::GetText, TCanvas::SetPixel, ...). Everything Qt
// specific that the form needs lives here, so the form reads as plain steps.
#pragma once

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QWidget>
#include <QChartView>

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QApplication;
class QLineSeries;
class QValueAxis;

namespace bellnozzle::ui {

// Colours laid out 0x00BBGGRR.
using TColor = std::uint32_t;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clWhite = 0xFFFFFF;

QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);

// ---- Program level -------------------------------------------------------

class TApplication {
public:
    // Receives the text of every error the window would show in its message
    // box; while set, no box is shown (tests use it so nothing waits modally).
    using ExceptionHook = std::function<void(const std::string& message)>;

    // Creates the Qt application when none exists yet.
    void Initialize(int& argc, char** argv);

    template <class Form>
    void CreateForm(Form*& form) {
        form = new Form();
        mainForm_.reset(form);
    }

    // Shows the main form and runs the event loop until it is closed.
    int Run();

    // Destroys the main form and the Qt application made by Initialize.
    void Terminate();

    // The standard error box: the error's Portuguese text when it has one.
    void ShowException(const std::exception& error);
    void ShowMessageText(const std::string& message);

    void SetExceptionHook(ExceptionHook hook) { hook_ = std::move(hook); }

    // Runs one click handler; an error it raises ends it and goes to the box.
    void RunGuarded(const std::function<void()>& handler);

private:
    std::unique_ptr<QApplication> ownApp_;
    std::unique_ptr<QWidget> mainForm_;
    ExceptionHook hook_;
};

// The one application object of the program.
extern TApplication* const Application;

// ---- Controls ------------------------------------------------------------

class TControl {
public:
    virtual ~TControl() = default;
    virtual std::string GetText() const = 0;
    virtual void SetText(const std::string& text) = 0;
};

class TEdit : public QLineEdit, public TControl {
public:
    explicit TEdit(QWidget* parent) : QLineEdit(parent) {}
    std::string GetText() const override;
    void SetText(const std::string& text) override;
};

// An editable drop-down list. The selected item number is that of the item
// whose text the edit field shows, and -1 when the field shows text of the
// user's own that names no item: typed text never passes for the item that
// was selected before, and typing an item's text (or letting the field
// complete it) selects that item.
class TCustomComboBox : public QComboBox, public TControl {
public:
    explicit TCustomComboBox(QWidget* parent);
    std::string GetText() const override;
    void SetText(const std::string& text) override;
    void AddItem(const std::string& text);
    int GetItemIndex() const;
    void SetItemIndex(int index);
    // Throws std::out_of_range for a number that names no item.
    std::string ItemText(int index) const;
};

class TCheckBox : public QCheckBox, public TControl {
public:
    TCheckBox(const std::string& caption, QWidget* parent);
    std::string GetText() const override;
    void SetText(const std::string& text) override;
    bool GetChecked() const { return isChecked(); }
};

// The multi-line text pane. Files are 8-bit text and shown as Windows-1252.
class TMemo : public QPlainTextEdit {
public:
    explicit TMemo(QWidget* parent);
    // Replaces all lines with the file's; throws Error (pane unchanged) when
    // the file cannot be read.
    void LoadFromFile(const std::string& path);
    std::string GetText() const;
};

std::string DecodeWindows1252(const std::string& bytes);

// ---- Picture pane --------------------------------------------------------

class TPicture {
public:
    // Replaces the picture with the bitmap file; throws Error and leaves the
    // picture as it was when the file is missing or is not a valid bitmap.
    void LoadFromFile(const std::string& path);
    void Assign(const QImage& image) { image_ = image; }
    const QImage& Image() const { return image_; }
    QImage& Image() { return image_; }

private:
    QImage image_;
};

class TImage;

// Draws on the picture of a TImage.
class TCanvas {
public:
    explicit TCanvas(TImage& owner) : owner_(owner) {}
    int Width() const;
    int Height() const;
    // A white fill of [X1, X2) x [Y1, Y2) with a one-pixel black outline on
    // its border pixels, as the default pen and brush draw it.
    void Rectangle(int x1, int y1, int x2, int y2);
    // Sets one pixel; a pixel outside the canvas is ignored.
    void SetPixel(int x, int y, TColor color);

private:
    TImage& owner_;
};

// Shows its picture unscaled from the top-left corner.
class TImage : public QWidget {
public:
    explicit TImage(QWidget* parent);
    TPicture* GetPicture() { return &picture_; }
    // The canvas draws on the picture, grown first (white) to cover the pane
    // when it is smaller, so a drawing always fills what the pane shows.
    TCanvas* GetCanvas();
    int Width() const { return width(); }
    int Height() const { return height(); }
    void PictureChanged() { update(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TPicture picture_;
    TCanvas canvas_{*this};
};

// ---- Chart ---------------------------------------------------------------

struct TChartPoint {
    double x;
    double y;
    std::string label;
    TColor color;
};

class TCustomAxisPanel;

// A line series. Its points are kept in ascending x (a point goes after those
// with an equal x); the line is drawn in the colour given with its points.
// The points are the series' content at once; the Qt line that draws them is
// brought up to date in one step when control returns to the event loop (or
// on Sync), because updating it point by point costs far more than the
// action itself.
class TChartSeries {
public:
    TChartSeries(TCustomAxisPanel& owner, QLineSeries* line, TColor ownColor);
    void Clear();
    void AddXY(double x, double y, const std::string& label, TColor color);
    int Count() const { return static_cast<int>(points_.size()); }
    const TChartPoint& Point(int index) const { return points_.at(static_cast<std::size_t>(index)); }
    const std::vector<TChartPoint>& Points() const { return points_; }
    QLineSeries* Line() const { return line_; }
    // Hands the points to the Qt line when they changed since the last time.
    void SyncLine();

private:
    TCustomAxisPanel& owner_;
    QLineSeries* line_;
    std::vector<TChartPoint> points_;
    TColor lastColor_ = 0;
    bool changed_ = false;
};

// What the chart shows. A contour is drawn to the same scale on both axes
// (centimetres), so the bell looks as steep as it is; curves of other
// quantities get each axis fitted on its own.
enum class ChartKind { Curves, Contour };

// The line chart: a fixed number of series and two value axes that are
// fitted to the points after every change.
class TCustomAxisPanel : public QChartView {
public:
    TCustomAxisPanel(QWidget* parent, const std::vector<TColor>& seriesColors);
    // Series number 0 is Series1; throws std::out_of_range past the last.
    TChartSeries* GetSeries(int index);
    int SeriesCount() const { return static_cast<int>(series_.size()); }
    // Brings the drawn lines and the axes up to date with the series now.
    void Sync();
    // Called by a series that changed: one Sync is queued for the event loop.
    void SeriesChanged();
    void SetKind(ChartKind kind);
    ChartKind Kind() const { return kind_; }
    QValueAxis* AxisX() const { return axisX_; }
    QValueAxis* AxisY() const { return axisY_; }

private:
    void FitAxes();
    void FitSameScale(double xLow, double xHigh, double yLow, double yHigh);

    std::vector<std::unique_ptr<TChartSeries>> series_;
    bool syncQueued_ = false;
    QValueAxis* axisX_;
    QValueAxis* axisY_;
    ChartKind kind_ = ChartKind::Curves;
};

}  // namespace bellnozzle::ui

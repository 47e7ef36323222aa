// The wedge preview drawn after every export: for each contour point an axis
// node and a wall node, the wall node also turned by the wedge half-angle,
// shown as single pixels in three views at 10 pixels per cm (side view above,
// top view 100 rows lower, end view 300 rows lower). Unturned nodes are black,
// turned ones blue. Every point of the profile is drawn, however many.
#include "ui/mesh_preview.h"

#include <cmath>

#include "core/file_names.h"
#include "core/profile_reader.h"
#include "core/wedge.h"
#include "ui/main_window.h"

namespace bellnozzle::ui {

bool PreviewPixel(double inner, int offset, int limit, int& pixel) {
    const double value = std::trunc(inner) + offset;
    if (!(value >= 0.0 && value < limit)) return false;
    pixel = static_cast<int>(value);
    return true;
}

namespace {

struct NodePosition {
    float x;
    float y;
    float z;
};

enum class View { kSide, kTop, kEnd };

void Plot(TCanvas& canvas, const NodePosition& node, View view, TColor color) {
    double across = 0.0;
    double up = 0.0;
    int rowOffset = 0;
    switch (view) {
        case View::kSide: across = node.x; up = node.y; rowOffset = 0; break;
        case View::kTop: across = node.x; up = node.z; rowOffset = 100; break;
        case View::kEnd: across = node.z; up = node.y; rowOffset = 300; break;
    }
    int column = 0;
    int row = 0;
    if (!PreviewPixel(10.0 * across + 100.0, 0, canvas.Width(), column)) return;
    if (!PreviewPixel(200.0 - 10.0 * up, rowOffset, canvas.Height(), row)) return;
    canvas.SetPixel(column, row, color);
}

}  // namespace

void TForm1::DrawMeshPreview() {
    // Read first: a refused profile leaves the pane as it was.
    const ProfileTable profile = ReadProfileTable(kProfileFileName);
    TCanvas& canvas = *Image1->GetCanvas();
    canvas.Rectangle(0, 0, Image1->Width(), Image1->Height());
    const WedgeSinCos wedge = ComputeWedgeSinCos();
    for (int station = 1; station <= profile.Count; ++station) {
        const float X = profile.X[std::size_t(station)];
        const float Y = profile.Y[std::size_t(station)];
        for (int k = 0; k <= 1; ++k) {
            const float r = static_cast<float>(std::sqrt(double(k)) * double(Y));
            const NodePosition plain{X, r, 0.0f};
            Plot(canvas, plain, View::kEnd, clBlack);
            Plot(canvas, plain, View::kSide, clBlack);
            Plot(canvas, plain, View::kTop, clBlack);
            if (k == 0) continue;
            const NodePosition turned{X, static_cast<float>(double(r) * double(wedge.c)),
                                      static_cast<float>(double(r) * double(wedge.s))};
            Plot(canvas, turned, View::kTop, clBlue);
            Plot(canvas, turned, View::kEnd, clBlue);
            Plot(canvas, turned, View::kSide, clBlue);
        }
    }
}

}  // namespace bellnozzle::ui

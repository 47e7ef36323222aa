#include "ui/colour_scale.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace bellnozzle::ui {

// The usual CFD scale, which readers of such pictures know.
QColor ScaleColour(double fraction) {
    static const QColor stops[] = {QColor(48, 18, 160), QColor(30, 110, 230), QColor(30, 200, 220),
                                   QColor(70, 200, 90), QColor(240, 220, 40), QColor(240, 120, 30),
                                   QColor(200, 20, 30)};
    constexpr int last = static_cast<int>(std::size(stops)) - 1;
    const double at = std::clamp(std::isfinite(fraction) ? fraction : 0.0, 0.0, 1.0) * last;
    const int i = std::min(static_cast<int>(at), last - 1);
    const double f = at - i;
    auto mix = [&](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * f)); };
    return QColor(mix(stops[i].red(), stops[i + 1].red()), mix(stops[i].green(), stops[i + 1].green()),
                  mix(stops[i].blue(), stops[i + 1].blue()));
}

double TickStep(double span) {
    const double raw = span / 5;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (raw <= factor * power) return factor * power;
    }
    return 10 * power;
}

}  // namespace bellnozzle::ui

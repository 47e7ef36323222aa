#include "export/svg_writer.h"

#include <algorithm>
#include <cmath>

#include "export/length_text.h"

namespace bellnozzle {
namespace {

// Drawing sizes in millimetres, converted to the unit of the drawing.
constexpr double kMarginMm = 15.0;
constexpr double kLineMm = 0.25;
constexpr double kTextMm = 3.5;

class SvgText {
public:
    SvgText(std::string& out, double scale) : out_(out), scale_(scale) {}

    // A length in millimetres, printed in the drawing's unit.
    SvgText& L(double mm) {
        AppendLength(out_, mm * scale_);
        return *this;
    }
    SvgText& S(const char* text) {
        out_ += text;
        return *this;
    }

    void Path(const char* id, const std::vector<CadPoint>& points, double sign) {
        S("<path id=\"").S(id).S("\" d=\"");
        for (std::size_t i = 0; i < points.size(); ++i) {
            S(i == 0 ? "M " : " L ").L(points[i].x).S(",").L(sign * -points[i].r);
        }
        S("\"/>\n");
    }
    void Line(double x1, double y1, double x2, double y2, const char* extra = "") {
        S("<line x1=\"").L(x1).S("\" y1=\"").L(y1).S("\" x2=\"").L(x2).S("\" y2=\"").L(y2).S("\"");
        S(extra).S("/>\n");
    }

private:
    std::string& out_;
    double scale_;
};

// "50 mm": a diameter for the label, six significant digits like the profile.
// How close the smallest drawn radius must be to the header's Rt for the
// throat to be labelled with the designed diameter.
constexpr double kThroatAgreement = 1e-3;

std::string DiameterText(double mm, LengthUnit unit) {
    std::string text;
    char digits[32];
    const auto printed = std::to_chars(digits, digits + sizeof digits, mm / MillimetresPerUnit(unit),
                                       std::chars_format::general, 6);
    text.append(digits, printed.ptr);
    text += ' ';
    text += UnitSymbol(unit);
    return text;
}

// A vertical dimension line across the whole section at x, with its label.
void Diameter(SvgText& svg, const char* id, const char* name, double x, double radius, LengthUnit unit,
              bool labelRight) {
    svg.S("<g id=\"").S(id).S("\">\n");
    svg.Line(x, -radius, x, radius);
    svg.S("<text x=\"").L(x + (labelRight ? 1.5 : -1.5) * kTextMm).S("\" y=\"").L(0.0);
    svg.S(labelRight ? "\" text-anchor=\"start\">" : "\" text-anchor=\"end\">");
    svg.S(name).S(" = ").S(DiameterText(2.0 * radius, unit).c_str()).S("</text>\n</g>\n");
}

}  // namespace

std::string FormatSvgDrawing(const CadProfile& profile, LengthUnit unit) {
    const double scale = 1.0 / MillimetresPerUnit(unit);
    const double left = profile.InletX() - kMarginMm;
    const double width = profile.ExitX() - profile.InletX() + 2.0 * kMarginMm;
    const double top = -profile.MaxRadius() - kMarginMm;
    const double height = 2.0 * (profile.MaxRadius() + kMarginMm);
    const auto throat = std::min_element(profile.wall.begin(), profile.wall.end(),
                                         [](const CadPoint& a, const CadPoint& b) { return a.r < b.r; });

    std::string out;
    out.reserve(2048 + profile.wall.size() * 4 * 30);
    SvgText svg(out, scale);
    const char* symbol = UnitSymbol(unit);
    svg.S("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    svg.S("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"").L(width).S(symbol);
    svg.S("\" height=\"").L(height).S(symbol).S("\" viewBox=\"").L(left).S(" ").L(top).S(" ").L(width);
    svg.S(" ").L(height).S("\">\n");
    svg.S("<title>bellnozzle: ").S(profile.body == CadBody::Flow ? "contorno interno" : "parede do bocal");
    svg.S(", escala 1:1, ").S(symbol).S("</title>\n");
    svg.S("<g id=\"section\" fill=\"none\" stroke=\"black\" stroke-width=\"").L(kLineMm).S("\">\n");
    svg.Path("wall", profile.wall, 1.0);
    svg.Path("wall-mirrored", profile.wall, -1.0);
    if (!profile.outer.empty()) {
        svg.Path("outer", profile.outer, 1.0);
        svg.Path("outer-mirrored", profile.outer, -1.0);
        for (const double sign : {1.0, -1.0}) {
            svg.Line(profile.InletX(), -sign * profile.wall.front().r, profile.InletX(),
                     -sign * profile.outer.front().r);
            svg.Line(profile.ExitX(), -sign * profile.wall.back().r, profile.ExitX(),
                     -sign * profile.outer.back().r);
        }
    }
    svg.S("</g>\n");
    svg.S("<g id=\"axis\" fill=\"none\" stroke=\"black\" stroke-width=\"").L(kLineMm / 2);
    svg.S("\" stroke-dasharray=\"").L(6.0).S(" ").L(1.5).S(" ").L(1.0).S(" ").L(1.5).S("\">\n");
    svg.Line(profile.InletX() - kMarginMm / 2, 0.0, profile.ExitX() + kMarginMm / 2, 0.0);
    svg.S("</g>\n");
    svg.S("<g id=\"dimensions\" fill=\"black\" stroke=\"black\" stroke-width=\"").L(kLineMm / 2);
    svg.S("\" font-family=\"sans-serif\" font-size=\"").L(kTextMm).S("\">\n");
    // No point lies exactly at the throat, so the smallest drawn radius of a
    // 5 cm throat is 25.0005 mm: where the header gives the design's throat
    // and the drawing agrees with it, the label gives the diameter designed.
    double throatRadius = throat->r;
    if (profile.designThroatRadiusMm > 0.0 &&
        std::abs(throatRadius - profile.designThroatRadiusMm) <= kThroatAgreement * profile.designThroatRadiusMm) {
        throatRadius = profile.designThroatRadiusMm;
    }
    Diameter(svg, "throat-diameter", "Dt", throat->x, throatRadius, unit, true);
    Diameter(svg, "exit-diameter", "De", profile.ExitX(), profile.wall.back().r, unit, false);
    svg.S("</g>\n</svg>\n");
    return out;
}

}  // namespace bellnozzle

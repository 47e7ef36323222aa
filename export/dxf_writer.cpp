#include "export/dxf_writer.h"

#include <algorithm>

#include "core/text_format.h"
#include "export/length_text.h"

namespace bellnozzle {
namespace {

// Layer names and their colours (AutoCAD colour numbers).
constexpr struct {
    const char* name;
    int colour;
} kLayers[] = {{"0", 7}, {"PAREDE", 7}, {"PAREDE_EXTERNA", 5}, {"EXTREMOS", 3}, {"EIXO", 1}};

class DxfText {
public:
    explicit DxfText(std::string& out) : out_(out) {}

    void Code(int code, const char* value) {
        AppendCode(code);
        out_ += value;
        out_ += '\n';
    }
    void Code(int code, int value) {
        AppendCode(code);
        AppendInt(out_, value);
        out_ += '\n';
    }
    void Length(int code, double value) {
        AppendCode(code);
        AppendLength(out_, value);
        out_ += '\n';
    }
    void Point(int code, double x, double y) {
        Length(code, x);
        Length(code + 10, y);
        Length(code + 20, 0.0);
    }

private:
    void AppendCode(int code) {
        // Group codes are right-aligned in three columns, as AutoCAD writes them.
        if (code < 10) out_ += "  ";
        else if (code < 100) out_ += ' ';
        AppendInt(out_, code);
        out_ += '\n';
    }
    std::string& out_;
};

void Header(DxfText& dxf, const CadProfile& profile, LengthUnit unit, double scale) {
    // $INSUNITS: 4 millimetres, 5 centimetres, 1 inches.
    const int units = unit == LengthUnit::Inch ? 1 : unit == LengthUnit::Centimetre ? 5 : 4;
    dxf.Code(0, "SECTION");
    dxf.Code(2, "HEADER");
    dxf.Code(9, "$ACADVER");
    dxf.Code(1, "AC1009");
    dxf.Code(9, "$INSUNITS");
    dxf.Code(70, units);
    dxf.Code(9, "$EXTMIN");
    dxf.Point(10, profile.InletX() * scale, 0.0);
    dxf.Code(9, "$EXTMAX");
    dxf.Point(10, profile.ExitX() * scale, profile.MaxRadius() * scale);
    dxf.Code(0, "ENDSEC");
}

void Tables(DxfText& dxf) {
    dxf.Code(0, "SECTION");
    dxf.Code(2, "TABLES");
    dxf.Code(0, "TABLE");
    dxf.Code(2, "LTYPE");
    dxf.Code(70, 1);
    dxf.Code(0, "LTYPE");
    dxf.Code(2, "CONTINUOUS");
    dxf.Code(70, 0);
    dxf.Code(3, "Solid line");
    dxf.Code(72, 65);
    dxf.Code(73, 0);
    dxf.Length(40, 0.0);
    dxf.Code(0, "ENDTAB");
    dxf.Code(0, "TABLE");
    dxf.Code(2, "LAYER");
    dxf.Code(70, int(std::size(kLayers)));
    for (const auto& layer : kLayers) {
        dxf.Code(0, "LAYER");
        dxf.Code(2, layer.name);
        dxf.Code(70, 0);
        dxf.Code(62, layer.colour);
        dxf.Code(6, "CONTINUOUS");
    }
    dxf.Code(0, "ENDTAB");
    dxf.Code(0, "ENDSEC");
}

void Polyline(DxfText& dxf, const char* layer, const std::vector<CadPoint>& points, double scale) {
    dxf.Code(0, "POLYLINE");
    dxf.Code(8, layer);
    dxf.Code(66, 1);
    dxf.Point(10, 0.0, 0.0);
    dxf.Code(70, 0);
    for (const CadPoint& p : points) {
        dxf.Code(0, "VERTEX");
        dxf.Code(8, layer);
        dxf.Point(10, p.x * scale, p.r * scale);
    }
    dxf.Code(0, "SEQEND");
    dxf.Code(8, layer);
}

void Line(DxfText& dxf, const char* layer, CadPoint a, CadPoint b, double scale) {
    dxf.Code(0, "LINE");
    dxf.Code(8, layer);
    dxf.Point(10, a.x * scale, a.r * scale);
    dxf.Point(11, b.x * scale, b.r * scale);
}

}  // namespace

std::string FormatDxfDrawing(const CadProfile& profile, LengthUnit unit) {
    const double scale = 1.0 / MillimetresPerUnit(unit);
    std::string out;
    out.reserve(4096 + profile.wall.size() * 2 * 90);
    DxfText dxf(out);
    Header(dxf, profile, unit, scale);
    Tables(dxf);
    dxf.Code(0, "SECTION");
    dxf.Code(2, "ENTITIES");
    Polyline(dxf, "PAREDE", profile.wall, scale);
    if (!profile.outer.empty()) {
        Polyline(dxf, "PAREDE_EXTERNA", profile.outer, scale);
        Line(dxf, "EXTREMOS", profile.wall.front(), profile.outer.front(), scale);
        Line(dxf, "EXTREMOS", profile.wall.back(), profile.outer.back(), scale);
    }
    Line(dxf, "EIXO", {profile.InletX(), 0.0}, {profile.ExitX(), 0.0}, scale);
    dxf.Code(0, "ENDSEC");
    dxf.Code(0, "EOF");
    return out;
}

}  // namespace bellnozzle

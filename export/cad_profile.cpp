#include "export/cad_profile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "core/design_summary.h"
#include "core/error.h"
#include "core/text_format.h"
#include "export/export_file.h"

namespace bellnozzle {
namespace {

// A wall that turns by more than this from one segment to the next has a
// corner there, not a curve sampled coarsely.
constexpr double kCornerCosine = 0.9396926207859084;  // cos 20 degrees

[[noreturn]] void Refuse(const std::string& english, const std::string& portuguese) {
    throw Error(english, portuguese);
}

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

struct Vec {
    double x, y;
};

Vec Direction(const CadPoint& a, const CadPoint& b) {
    const double dx = b.x - a.x;
    const double dy = b.r - a.r;
    const double length = std::hypot(dx, dy);
    return {dx / length, dy / length};
}

// The outward normal of a segment running towards larger x: its direction
// turned a quarter to the left, away from the axis.
Vec Normal(const Vec& d) { return {-d.y, d.x}; }

// The point where the line through p along d meets the plane x = planeX.
CadPoint OntoPlane(const CadPoint& p, Vec d, const Vec& chord, double planeX) {
    // A tangent that barely runs along x would carry the point far off.
    if (d.x < 0.5 * chord.x) d = chord;
    const double t = (planeX - p.x) / d.x;
    return {planeX, p.r + t * d.y};
}

double Chord(const CadPoint& a, const CadPoint& b) { return std::hypot(b.x - a.x, b.r - a.r); }

// The wall's unit tangent at point i of the smooth run first..last, from the
// parabola through three points parametrised by chord length: second-order
// accurate however unevenly the points are spaced (the design puts one
// 0.1 mm after N and the next 8 mm on).
//
// Six printed digits leave each coordinate up to 1e-5 of its size off. On a
// finely sampled wall that noise, divided by the spacing, tilts the normal,
// and the thickness turns the tilt into offset points out of order. So the
// neighbours are taken at least sqrt(10 t e) apart, e the noise of the
// point: adjacent on the design's points, a few apart on a profile of
// 10,000 points.
Vec Tangent(const std::vector<CadPoint>& p, std::size_t i, std::size_t first, std::size_t last, double thickness) {
    const double noise = 1e-5 * (std::abs(p[i].x) + std::abs(p[i].r));
    const double span = std::sqrt(10.0 * thickness * noise);
    const auto back = [&](std::size_t from) {
        std::size_t j = from;
        while (j > first && (j == from || Chord(p[j], p[from]) < span)) --j;
        return j;
    };
    const auto ahead = [&](std::size_t from) {
        std::size_t j = from;
        while (j < last && (j == from || Chord(p[from], p[j]) < span)) ++j;
        return j;
    };
    std::size_t a, b, c;  // the three points, in order; i is one of them
    if (i == first) {
        a = i;
        b = ahead(a);
        c = ahead(b);
    } else if (i == last) {
        c = i;
        b = back(c);
        a = back(b);
    } else {
        a = back(i);
        b = i;
        c = ahead(i);
    }
    if (a == b || b == c) return Direction(p[first], p[last]);
    const double h1 = Chord(p[a], p[b]);
    const double h2 = Chord(p[b], p[c]);
    // Derivative weights of the three points at parameter 0, h1 or h1 + h2.
    double w0, w1, w2;
    if (i == a) {
        w0 = -(2 * h1 + h2) / (h1 * (h1 + h2));
        w1 = (h1 + h2) / (h1 * h2);
        w2 = -h1 / (h2 * (h1 + h2));
    } else if (i == b) {
        w0 = -h2 / (h1 * (h1 + h2));
        w1 = (h2 - h1) / (h1 * h2);
        w2 = h1 / (h2 * (h1 + h2));
    } else {
        w0 = h2 / (h1 * (h1 + h2));
        w1 = -(h1 + h2) / (h1 * h2);
        w2 = (2 * h2 + h1) / (h2 * (h1 + h2));
    }
    const double dx = w0 * p[a].x + w1 * p[b].x + w2 * p[c].x;
    const double dy = w0 * p[a].r + w1 * p[b].r + w2 * p[c].r;
    const double length = std::hypot(dx, dy);
    return {dx / length, dy / length};
}

// Each point moves by the thickness along the wall's normal. At a corner the
// two runs' normals differ, and the point moves to where both offset walls
// meet (the mitre).
std::vector<CadPoint> OffsetWall(const std::vector<CadPoint>& wall, const std::vector<std::size_t>& corners,
                                 double thickness) {
    const std::size_t n = wall.size();
    std::vector<std::size_t> breaks{0};
    breaks.insert(breaks.end(), corners.begin(), corners.end());
    breaks.push_back(n - 1);
    std::vector<CadPoint> outer(n);
    std::vector<Vec> tangents(n);
    for (std::size_t run = 0; run + 1 < breaks.size(); ++run) {
        const std::size_t first = breaks[run];
        const std::size_t last = breaks[run + 1];
        for (std::size_t i = first; i <= last; ++i) {
            const Vec t = Tangent(wall, i, first, last, thickness);
            const Vec normal = Normal(t);
            if (i == first && run > 0) {
                // The corner: the previous run left its normal in outer[i].
                const Vec before{outer[i].x, outer[i].r};
                const double scale = thickness / (1.0 + before.x * normal.x + before.y * normal.y);
                outer[i] = {wall[i].x + (before.x + normal.x) * scale, wall[i].r + (before.y + normal.y) * scale};
                continue;
            }
            tangents[i] = t;
            if (i == last && run + 2 < breaks.size()) {
                outer[i] = {normal.x, normal.y};  // finished by the next run
                continue;
            }
            outer[i] = {wall[i].x + thickness * normal.x, wall[i].r + thickness * normal.y};
        }
    }
    // Flat end faces: the outer wall is carried along its end tangents to
    // the planes of the wall's first and last points.
    outer.front() = OntoPlane(outer.front(), tangents.front(), Direction(wall[0], wall[1]), wall.front().x);
    outer.back() = OntoPlane(outer.back(), tangents.back(), Direction(wall[n - 2], wall[n - 1]), wall.back().x);
    return outer;
}

void CheckPoints(const ProfileTable& table) {
    CheckProfileTable(table);
    const int n = table.Count;
    if (n < 2) {
        Refuse("the profile has only one point; a wall needs at least two",
               "o perfil tem um ponto só; uma parede precisa de pelo menos dois");
    }
    if (n > kMaxCadPoints) {
        Refuse(Format("the profile has %d points, more than the %d the CAD exports handle", n, kMaxCadPoints),
               Format("o perfil tem %d pontos, mais que os %d que as exportações CAD aceitam", n,
                      kMaxCadPoints));
    }
    for (int i = 1; i <= n; ++i) {
        if (!(table.Y[i] > 0.0f)) {
            Refuse(Format("profile point %d has wall radius %g; every radius must be above 0", i,
                          double(table.Y[i])),
                   Format("o ponto %d do perfil tem raio %g; todo raio deve ser maior que 0", i,
                          double(table.Y[i])));
        }
        if (i > 1 && !(table.X[i] > table.X[i - 1])) {
            Refuse(Format("profile point %d (x = %g) does not lie beyond point %d (x = %g); x must grow "
                          "from the inlet to the exit",
                          i, double(table.X[i]), i - 1, double(table.X[i - 1])),
                   Format("o ponto %d do perfil (x = %g) não fica além do ponto %d (x = %g); x deve crescer "
                          "da entrada até a saída",
                          i, double(table.X[i]), i - 1, double(table.X[i - 1])));
        }
    }
}

}  // namespace

const char* UnitSymbol(LengthUnit unit) {
    switch (unit) {
        case LengthUnit::Centimetre: return "cm";
        case LengthUnit::Inch: return "in";
        case LengthUnit::Millimetre: break;
    }
    return "mm";
}

double MillimetresPerUnit(LengthUnit unit) {
    switch (unit) {
        case LengthUnit::Centimetre: return 10.0;
        case LengthUnit::Inch: return 25.4;
        case LengthUnit::Millimetre: break;
    }
    return 1.0;
}

LengthUnit ParseLengthUnit(const std::string& text) {
    for (LengthUnit unit : {LengthUnit::Millimetre, LengthUnit::Centimetre, LengthUnit::Inch}) {
        if (text == UnitSymbol(unit)) return unit;
    }
    Refuse("unit \"" + text + "\" is not one of mm, cm, in", "unidade \"" + text + "\" não é mm, cm nem in");
}

const char* BodyName(CadBody body) { return body == CadBody::Flow ? "flow" : "shell"; }

CadBody ParseCadBody(const std::string& text) {
    if (text == "flow") return CadBody::Flow;
    if (text == "shell") return CadBody::Shell;
    Refuse("body \"" + text + "\" is not flow or shell", "corpo \"" + text + "\" não é flow nem shell");
}

double ParseThickness(const std::string& text, LengthUnit defaultUnit) {
    std::string_view rest = Trim(text);
    LengthUnit unit = defaultUnit;
    for (LengthUnit candidate : {LengthUnit::Millimetre, LengthUnit::Centimetre, LengthUnit::Inch}) {
        const std::string_view symbol = UnitSymbol(candidate);
        if (rest.size() > symbol.size() && rest.substr(rest.size() - symbol.size()) == symbol) {
            unit = candidate;
            rest = Trim(rest.substr(0, rest.size() - symbol.size()));
            break;
        }
    }
    // A decimal comma is taken as the window's Portuguese users type it.
    std::string number(rest);
    std::replace(number.begin(), number.end(), ',', '.');
    double value = 0.0;
    const char* end = number.data() + number.size();
    const auto parsed = std::from_chars(number.data(), end, value);
    if (number.empty() || parsed.ec != std::errc() || parsed.ptr != end || !std::isfinite(value) ||
        !(value > 0.0)) {
        Refuse("thickness \"" + text + "\" is not a length above 0 (for example 2 or 2mm)",
               "espessura \"" + text + "\" não é um comprimento maior que 0 (por exemplo 2 ou 2mm)");
    }
    return value * MillimetresPerUnit(unit);
}

double FileValue(float value) {
    char text[32];
    const auto printed = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
    double result = value;
    std::from_chars(text, printed.ptr, result);
    return result;
}

double CadProfile::MaxRadius() const {
    double maximum = 0.0;
    for (const CadPoint& p : outer.empty() ? wall : outer) maximum = std::max(maximum, p.r);
    return maximum;
}

double CadProfile::OuterRadiusAt(double x) const {
    if (x <= outer.front().x) return outer.front().r;
    if (x >= outer.back().x) return outer.back().r;
    const auto after = std::upper_bound(outer.begin(), outer.end(), x,
                                        [](double value, const CadPoint& p) { return value < p.x; });
    const CadPoint& b = *after;
    const CadPoint& a = *(after - 1);
    return a.r + (b.r - a.r) * (x - a.x) / (b.x - a.x);
}

CadProfile BuildCadProfile(const ProfileTable& table, CadBody body, double thicknessMm) {
    CheckPoints(table);
    CadProfile profile;
    profile.body = body;
    profile.wall.reserve(std::size_t(table.Count));
    for (int i = 1; i <= table.Count; ++i) {
        profile.wall.push_back({FileValue(table.X[i]) * 10.0, FileValue(table.Y[i]) * 10.0});
    }
    const std::vector<CadPoint>& wall = profile.wall;
    for (std::size_t i = 1; i + 1 < wall.size(); ++i) {
        const Vec a = Direction(wall[i - 1], wall[i]);
        const Vec b = Direction(wall[i], wall[i + 1]);
        if (a.x * b.x + a.y * b.y < kCornerCosine) profile.corners.push_back(i);
    }
    double designRt = 0.0;
    if (ProfileHeaderValue(table, "Rt", designRt) && designRt > 0.0) profile.designThroatRadiusMm = designRt * 10.0;
    if (body == CadBody::Flow) return profile;

    if (!std::isfinite(thicknessMm) || !(thicknessMm > 0.0)) {
        Refuse(Format("wall thickness %g mm is not above 0", thicknessMm),
               Format("espessura da parede %g mm não é maior que 0", thicknessMm));
    }
    double largest = 0.0;
    for (const CadPoint& p : wall) largest = std::max(largest, p.r);
    if (thicknessMm > 10.0 * largest) {
        Refuse(Format("wall thickness %g mm is more than ten times the largest wall radius (%g mm)",
                      thicknessMm, largest),
               Format("espessura da parede %g mm passa de dez vezes o maior raio da parede (%g mm)",
                      thicknessMm, largest));
    }
    profile.thicknessMm = thicknessMm;
    profile.outer = OffsetWall(wall, profile.corners, thicknessMm);
    // Thicker than the wall's radius of curvature on its outer side (the
    // throat), the offset folds over itself: its points stop running forward.
    for (std::size_t i = 1; i < profile.outer.size(); ++i) {
        if (!(profile.outer[i].x > profile.outer[i - 1].x)) {
            Refuse(Format("a wall %g mm thick folds over itself near x = %g mm (the wall curves more "
                          "tightly there); choose a thinner wall",
                          thicknessMm, wall[i].x),
                   Format("uma parede de %g mm de espessura se dobra sobre si perto de x = %g mm (ali a "
                          "parede curva mais); escolha uma espessura menor",
                          thicknessMm, wall[i].x));
        }
    }
    return profile;
}

double RevolvedVolume(const CadProfile& profile) {
    const auto frustums = [](const std::vector<CadPoint>& points) {
        double sum = 0.0;
        for (std::size_t i = 1; i < points.size(); ++i) {
            const double a = points[i - 1].r;
            const double b = points[i].r;
            sum += (points[i].x - points[i - 1].x) * (a * a + a * b + b * b);
        }
        return sum * M_PI / 3.0;
    };
    const double inside = frustums(profile.wall);
    return profile.outer.empty() ? inside : frustums(profile.outer) - inside;
}

}  // namespace bellnozzle

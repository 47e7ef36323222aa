#include "export/triangle_mesh.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace bellnozzle {
namespace {

using Vec3 = std::array<double, 3>;

Vec3 Minus(const Vec3& a, const Vec3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }

Vec3 Cross(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

void AppendUint32(std::string& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void AppendFloat(std::string& out, double value) {
    AppendUint32(out, std::bit_cast<std::uint32_t>(static_cast<float>(value)));
}

}  // namespace

double MeshVolume(const TriangleMesh& mesh) {
    double sum = 0.0;
    for (const auto& t : mesh.triangles) {
        const Vec3& a = mesh.vertices[t[0]];
        const Vec3& b = mesh.vertices[t[1]];
        const Vec3& c = mesh.vertices[t[2]];
        const Vec3 n = Cross(b, c);
        sum += a[0] * n[0] + a[1] * n[1] + a[2] * n[2];
    }
    return sum / 6.0;
}

std::string FormatBinaryStl(const TriangleMesh& mesh, LengthUnit unit) {
    const double scale = 1.0 / MillimetresPerUnit(unit);
    std::string out;
    out.reserve(84 + mesh.triangles.size() * 50);
    std::string header = "bellnozzle nozzle, binary STL, units: ";
    header += UnitSymbol(unit);
    header.resize(80, ' ');
    out += header;
    AppendUint32(out, static_cast<std::uint32_t>(mesh.triangles.size()));
    for (const auto& t : mesh.triangles) {
        const Vec3& a = mesh.vertices[t[0]];
        const Vec3& b = mesh.vertices[t[1]];
        const Vec3& c = mesh.vertices[t[2]];
        Vec3 n = Cross(Minus(b, a), Minus(c, a));
        const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
        for (double& v : n) v = length > 0.0 ? v / length : 0.0;
        for (double v : n) AppendFloat(out, v);
        for (const Vec3* p : {&a, &b, &c}) {
            for (double v : *p) AppendFloat(out, v * scale);
        }
        out += '\0';
        out += '\0';
    }
    return out;
}

}  // namespace bellnozzle

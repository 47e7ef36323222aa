// The solid of revolution as a structured mesh: each wall curve sampled along
// the axis into rings of kSegments vertices, neighbouring rings joined by
// quads of two triangles, the ends closed by annuli (shell) or fans about the
// axis (flow). The rings at the ends are the same vertices for the wall and
// the end face, so every edge is shared by exactly two triangles.
//
// A polygon of n sides inscribed in a circle holds 2 pi^2 / (3 n^2) less area;
// 320 sides make that 6.4e-5, and the samples along the axis, bounded by
// angle and by chord height relative to the nozzle, add about 4e-5: the
// mesh's volume stays within half of the 0.02 % asked of it, whatever the
// nozzle's size, in about 6 MB for the initial design.
#include <GCPnts_TangentialDeflection.hxx>
#include <GeomAdaptor_Curve.hxx>

#include <cmath>

#include "solids/nozzle_shape.h"
#include "solids/nozzle_solid.h"

namespace bellnozzle {
namespace {

constexpr std::uint32_t kSegments = 320;
constexpr double kAngularDeflection = 0.05;    // rad between neighbouring samples' tangents
constexpr double kRelativeChordHeight = 1e-5;  // of the nozzle's size

std::vector<CadPoint> SampleWall(const std::vector<CadPoint>& points, const std::vector<std::size_t>& corners,
                                 double chordHeight) {
    std::vector<CadPoint> samples;
    for (const Handle(Geom_BSplineCurve)& piece : WallPieces(points, corners)) {
        GeomAdaptor_Curve curve(piece);
        GCPnts_TangentialDeflection sampler(curve, kAngularDeflection, chordHeight, 2);
        for (int i = samples.empty() ? 1 : 2; i <= sampler.NbPoints(); ++i) {
            const gp_Pnt p = sampler.Value(i);
            samples.push_back({p.X(), p.Y()});
        }
    }
    // The curves pass through the end points; keep them exact so the end
    // faces lie in their planes.
    samples.front() = points.front();
    samples.back() = points.back();
    return samples;
}

class MeshBuilder {
public:
    explicit MeshBuilder(TriangleMesh& mesh) : mesh_(mesh) {
        for (std::uint32_t k = 0; k < kSegments; ++k) {
            const double angle = 2.0 * M_PI * k / kSegments;
            cos_.push_back(std::cos(angle));
            sin_.push_back(std::sin(angle));
        }
    }

    // A ring of vertices about the axis; returns the index of its first.
    std::uint32_t Ring(const CadPoint& p) {
        const auto first = static_cast<std::uint32_t>(mesh_.vertices.size());
        for (std::uint32_t k = 0; k < kSegments; ++k) {
            mesh_.vertices.push_back({p.x, p.r * cos_[k], p.r * sin_[k]});
        }
        return first;
    }
    std::uint32_t Centre(double x) {
        mesh_.vertices.push_back({x, 0.0, 0.0});
        return static_cast<std::uint32_t>(mesh_.vertices.size() - 1);
    }

    // The wall through the samples: rings in order of x; facing away from
    // the axis, or towards it. Returns the first and last ring.
    std::pair<std::uint32_t, std::uint32_t> Wall(const std::vector<CadPoint>& samples, bool outward) {
        const std::uint32_t first = Ring(samples.front());
        std::uint32_t previous = first;
        for (std::size_t j = 1; j < samples.size(); ++j) {
            const std::uint32_t ring = Ring(samples[j]);
            Band(previous, ring, outward);
            previous = ring;
        }
        return {first, previous};
    }

    // Joins ring a to ring b. The triangle (a_k, b_k, b_k+1) faces the axis
    // when b lies further along x, and faces +x when b lies further out.
    void Band(std::uint32_t a, std::uint32_t b, bool flip) {
        for (std::uint32_t k = 0; k < kSegments; ++k) {
            const std::uint32_t next = (k + 1) % kSegments;
            if (flip) {
                Triangle(a + k, b + next, b + k);
                Triangle(a + k, a + next, b + next);
            } else {
                Triangle(a + k, b + k, b + next);
                Triangle(a + k, b + next, a + next);
            }
        }
    }

    // Closes a ring with a fan from a centre on the axis, facing +x or -x.
    void Fan(std::uint32_t centre, std::uint32_t ring, bool facingPlusX) {
        for (std::uint32_t k = 0; k < kSegments; ++k) {
            const std::uint32_t next = (k + 1) % kSegments;
            if (facingPlusX) Triangle(centre, ring + k, ring + next);
            else Triangle(centre, ring + next, ring + k);
        }
    }

private:
    void Triangle(std::uint32_t a, std::uint32_t b, std::uint32_t c) { mesh_.triangles.push_back({a, b, c}); }

    TriangleMesh& mesh_;
    std::vector<double> cos_, sin_;
};

}  // namespace

TriangleMesh TessellateNozzle(const CadProfile& profile) {
    const double size = profile.ExitX() - profile.InletX() + profile.MaxRadius();
    const double chordHeight = kRelativeChordHeight * size;
    const std::vector<CadPoint> wall = SampleWall(profile.wall, profile.corners, chordHeight);
    std::vector<CadPoint> outer;
    if (!profile.outer.empty()) outer = SampleWall(profile.outer, profile.corners, chordHeight);

    TriangleMesh mesh;
    const std::size_t rings = wall.size() + outer.size();
    mesh.vertices.reserve(rings * kSegments + 2);
    mesh.triangles.reserve((rings + 2) * kSegments * 2);
    MeshBuilder builder(mesh);
    if (outer.empty()) {
        const auto [inlet, exit] = builder.Wall(wall, true);
        builder.Fan(builder.Centre(profile.InletX()), inlet, false);
        builder.Fan(builder.Centre(profile.ExitX()), exit, true);
    } else {
        const auto [innerInlet, innerExit] = builder.Wall(wall, false);
        const auto [outerInlet, outerExit] = builder.Wall(outer, true);
        builder.Band(innerInlet, outerInlet, true);
        builder.Band(innerExit, outerExit, false);
    }
    return mesh;
}

}  // namespace bellnozzle

#include "solids/nozzle_shape.h"

#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepPrimAPI_MakeRevol.hxx>
#include <GeomAPI_Interpolate.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_PrinterOStream.hxx>
#include <Standard_Failure.hxx>
#include <TColgp_HArray1OfPnt.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <gp_Ax1.hxx>

#include <cmath>

#include "core/error.h"

namespace bellnozzle {
namespace {

// Points of the design lie within a micrometre of each other at most where
// the downstream arc meets the parabola; tighter than that, two points are
// one.
constexpr double kPointTolerance = 1e-7;  // mm

Handle(Geom_BSplineCurve) Interpolate(const std::vector<CadPoint>& points, std::size_t first, std::size_t last) {
    Handle(TColgp_HArray1OfPnt) poles = new TColgp_HArray1OfPnt(1, int(last - first + 1));
    for (std::size_t i = first; i <= last; ++i) {
        poles->SetValue(int(i - first + 1), gp_Pnt(points[i].x, points[i].r, 0.0));
    }
    GeomAPI_Interpolate interpolate(poles, Standard_False, kPointTolerance);
    interpolate.Perform();
    if (!interpolate.IsDone()) {
        throw Error("OpenCASCADE could not fit a curve through the wall points",
                    "o OpenCASCADE não conseguiu ajustar uma curva aos pontos da parede");
    }
    return interpolate.Curve();
}

void AddEdge(BRepBuilderAPI_MakeWire& wire, const TopoDS_Edge& edge) {
    wire.Add(edge);
    if (!wire.IsDone()) {
        throw Error("OpenCASCADE could not join the section's edges into one outline",
                    "o OpenCASCADE não conseguiu unir as arestas da seção num contorno");
    }
}

void AddLine(BRepBuilderAPI_MakeWire& wire, double x1, double y1, double x2, double y2) {
    AddEdge(wire, BRepBuilderAPI_MakeEdge(gp_Pnt(x1, y1, 0.0), gp_Pnt(x2, y2, 0.0)).Edge());
}

void AddPieces(BRepBuilderAPI_MakeWire& wire, const std::vector<Handle(Geom_BSplineCurve)>& pieces,
               bool reversed) {
    const auto add = [&](const Handle(Geom_BSplineCurve)& curve) {
        const TopoDS_Edge edge = BRepBuilderAPI_MakeEdge(curve).Edge();
        AddEdge(wire, reversed ? TopoDS::Edge(edge.Reversed()) : edge);
    };
    if (reversed) {
        for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece) add(*piece);
    } else {
        for (const auto& piece : pieces) add(piece);
    }
}

// The closed half-section in the plane z = 0, y >= 0, run round once.
TopoDS_Wire HalfSection(const CadProfile& profile) {
    const CadPoint inlet = profile.wall.front();
    const CadPoint exit = profile.wall.back();
    BRepBuilderAPI_MakeWire wire;
    AddPieces(wire, WallPieces(profile.wall, profile.corners), false);
    if (profile.outer.empty()) {
        AddLine(wire, exit.x, exit.r, exit.x, 0.0);
        AddLine(wire, exit.x, 0.0, inlet.x, 0.0);
        AddLine(wire, inlet.x, 0.0, inlet.x, inlet.r);
    } else {
        AddLine(wire, exit.x, exit.r, exit.x, profile.outer.back().r);
        AddPieces(wire, WallPieces(profile.outer, profile.corners), true);
        AddLine(wire, inlet.x, profile.outer.front().r, inlet.x, inlet.r);
    }
    return wire.Wire();
}

}  // namespace

std::vector<Handle(Geom_BSplineCurve)> WallPieces(const std::vector<CadPoint>& points,
                                                  const std::vector<std::size_t>& corners) {
    std::vector<Handle(Geom_BSplineCurve)> pieces;
    std::size_t first = 0;
    for (std::size_t corner : corners) {
        pieces.push_back(Interpolate(points, first, corner));
        first = corner;
    }
    pieces.push_back(Interpolate(points, first, points.size() - 1));
    return pieces;
}

TopoDS_Solid BuildNozzleSolid(const CadProfile& profile) {
    try {
        const TopoDS_Wire section = HalfSection(profile);
        BRepBuilderAPI_MakeFace face(section, Standard_True);
        if (!face.IsDone()) {
            throw Error("OpenCASCADE could not make a face of the half-section",
                        "o OpenCASCADE não conseguiu fazer uma face da meia seção");
        }
        BRepPrimAPI_MakeRevol revolve(face.Face(), gp_Ax1(gp_Pnt(0, 0, 0), gp_Dir(1, 0, 0)), 2.0 * M_PI);
        revolve.Build();
        if (revolve.IsDone()) {
            for (TopExp_Explorer solid(revolve.Shape(), TopAbs_SOLID); solid.More(); solid.Next()) {
                return TopoDS::Solid(solid.Current());
            }
        }
    } catch (const Standard_Failure& failure) {
        throw Error(std::string("OpenCASCADE failed to build the solid: ") + failure.GetMessageString(),
                    std::string("o OpenCASCADE falhou ao construir o sólido: ") + failure.GetMessageString());
    }
    throw Error("OpenCASCADE could not revolve the half-section into a solid",
                "o OpenCASCADE não conseguiu girar a meia seção num sólido");
}

namespace {

// pi * integral of y^2 dx along the pieces, from the inlet to the exit.
double SweptArea(const std::vector<Handle(Geom_BSplineCurve)>& pieces) {
    static const double nodes[] = {0.0, -0.5384693101056831, 0.5384693101056831, -0.9061798459386640,
                                   0.9061798459386640};
    static const double weights[] = {0.5688888888888889, 0.4786286704993665, 0.4786286704993665,
                                     0.2369268850561891, 0.2369268850561891};
    double sum = 0.0;
    for (const Handle(Geom_BSplineCurve)& curve : pieces) {
        for (int k = curve->FirstUKnotIndex(); k < curve->LastUKnotIndex(); ++k) {
            const double a = curve->Knot(k);
            const double b = curve->Knot(k + 1);
            for (int q = 0; q < 5; ++q) {
                gp_Pnt p;
                gp_Vec d;
                curve->D1(0.5 * (a + b) + 0.5 * (b - a) * nodes[q], p, d);
                sum += 0.5 * (b - a) * weights[q] * p.Y() * p.Y() * d.X();
            }
        }
    }
    return M_PI * sum;
}

}  // namespace

double CurveVolume(const CadProfile& profile) {
    const double inside = SweptArea(WallPieces(profile.wall, profile.corners));
    if (profile.outer.empty()) return inside;
    return SweptArea(WallPieces(profile.outer, profile.corners)) - inside;
}

void QuietOcct() {
    static const bool quiet = [] {
        Message::DefaultMessenger()->RemovePrinters(STANDARD_TYPE(Message_PrinterOStream));
        return true;
    }();
    (void)quiet;
}

}  // namespace bellnozzle

// The ideal nozzle: the contour whose exit flow is uniform and axial, from
// the throat's arcs (1.5 Rt upstream, 0.382 Rt downstream to the point A
// where the contour leaves the arc), designed by the method of
// characteristics as in Zucrow and Hoffman, Gas Dynamics vol. 2 (Wiley 1977),
// section 16.5, after Guderley and Hantsch and Rao:
//
// - the kernel: the flow from the transonic initial line along the
//   downstream throat arc, marched right-running characteristic by
//   right-running characteristic; along the axis the Mach number grows;
// - A is the arc point whose right-running characteristic AD reaches the
//   axis at the design exit Mach number Me (D);
// - the turning region: the flow between AD and the left-running
//   characteristic DE of the uniform exit flow (Mach Me, axial, a straight
//   line at the Mach angle), a characteristic initial-value problem solved by
//   the same unit processes;
// - the wall from A is the streamline that carries the throat's mass flow:
//   on each right-running characteristic of the turning region it lies where
//   the mass flow from DE up to it equals the mass that crosses DE beyond
//   that characteristic's foot, and it ends at E on DE where the mass flow
//   from the axis is the whole.
//
// So the exit radius follows from Me and the discharge: (Re/Rt)^2 =
// Cd A/A*(Me). Lengths in throat radii, angles in radians.
#pragma once

#include <cmath>
#include <vector>

#include "characteristics/unit_processes.h"

namespace bellnozzle::moc {

// The wall radius of curvature at the throat the transonic line is taken
// from, in throat radii: the upstream arc's, which with Kliegel and Levine's
// discharge agrees with the project's CFD (the analysis uses the same).
inline constexpr double kDesignThroatCurvature = 1.5;
// The downstream throat arc, in throat radii.
inline constexpr double kDownstreamArcRadius = 0.382;

// A designed wall downstream of the arc, from A (index 0) to the exit E.
struct DesignedWall {
    std::vector<double> x, r;  // throat radii
    std::vector<double> theta; // flow (and wall) angle
    double exitMach = 0;       // the uniform exit flow's, for the ideal nozzle
    double dischargeCoefficient = 0;  // the mass flow the wall carries over the 1-D choked flow
    double throatDischarge = 0;       // the same through the transonic initial line
};

// The kernel, marched once up to a largest axis Mach number and then used for
// any exit Mach number below it.
class IdealNozzleKernel {
public:
    // characteristics: intervals of the initial line. Throws Error when the
    // kernel cannot reach maxExitMach along the arc.
    IdealNozzleKernel(double gamma, double maxExitMach, int characteristics);

    // Marches the kernel on until its axis reaches maxExitMach; throws Error
    // as the constructor does.
    void Extend(double maxExitMach);
    double MaxExitMach() const { return lines_[axisLines_ - 1].back().mach; }

    // Marches on along the arc until its end turns the wall by wallAngle,
    // the characteristics allowed to stop short of the axis once the flow
    // there nears the limit of expansion (from about 30 degrees at gamma 1.4
    // the arc's characteristics reach the axis only in vacuum; the
    // thrust-optimised contours of short bells start from such arc points,
    // their D well above the axis). Throws Error when the net cannot go on.
    void ExtendAlongArc(double wallAngle);

    double Gamma() const { return gas_.gamma; }
    double DischargeCoefficient() const { return dischargeCoefficient_; }
    // Mass flow over rho0 a0 At through the initial line.
    double MassFlow() const { return massFlow_; }
    // The exit Mach number of the ideal nozzle of area ratio epsilon:
    // A/A*(Me) = epsilon / Cd, with Cd the mass flow the kernel delivers to
    // AD over the 1-D choked flow.
    double ExitMachForAreaRatio(double epsilon) const;
    // The ideal nozzle of exit Mach exitMach, its wall sampled on exitSteps
    // right-running characteristics of the turning region; with xStop, only
    // up to the first wall point beyond that x.
    DesignedWall Wall(double exitMach, int exitSteps, double xStop = HUGE_VAL) const;

    // AD: the kernel's right-running characteristic reaching the axis at
    // exitMach, interpolated between the two that bracket it, from D (index
    // 0) up to A on the arc. The thrust-optimised contour starts from it too.
    std::vector<FlowPoint> LastKernelCharacteristic(double exitMach) const;
    // The kernel's right-running characteristic from the arc point of wall
    // angle wallAngle (A, the last index) down to its lowest point (index
    // 0): D0 on the axis, or where the net stops short of it (r above 0).
    // The arc must have been marched that far (ExtendAlongArc).
    std::vector<FlowPoint> CharacteristicFromArc(double wallAngle) const;

private:
    Gas gas_;
    double massFlow_ = 0, dischargeCoefficient_ = 0;
    // Right-running, wall (0) to the axis for the first axisLines_, the rest
    // stopping short of it.
    std::vector<std::vector<FlowPoint>> lines_;
    std::size_t axisLines_ = 0;
};

// The radius of the downstream throat arc at x (throat radii), and its slope.
double DownstreamArcRadius(double x);
double DownstreamArcSlope(double x);

// Mass flow over rho0 a0 At through a disc of radius r in uniform axial flow
// of Mach mach: rho V r^2 / (rho0 a0).
double UniformMassFlux(double mach, double gamma);

// The largest wall angle the downstream throat arc is followed to; a contour
// needing more would be no bell any more (no gamma and area ratio of this
// tool come near).
inline constexpr double kLargestArcAngle = 1.3962634015954636;  // 80 degrees

// The supersonic Mach number of area ratio A/A* (at least 1).
double SupersonicMachFromAreaRatio(double areaRatio, double gamma);

}  // namespace bellnozzle::moc

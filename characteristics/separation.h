// Flow separation in an overexpanded nozzle at an ambient pressure pa, from
// the attached wall-pressure distribution, and the thrust with the wall
// beyond separation.
//
// Schmucker's criterion: the flow separates where the wall pressure falls to
//   p_sep / pa = (1.88 M - 1)^(-0.64),  M the wall Mach number there
// (R. H. Schmucker, "Strömungsvorgänge beim Betrieb überexpandierter Düsen
// chemischer Raketentriebwerke", TU München, report TB-7, 1973; as quoted by
// G. Hagemann et al., "Advanced rocket nozzles", J. Propulsion Power 14
// (1998) 620-634). Summerfield's: p_sep = 0.4 pa (M. Summerfield, C. R.
// Foster, W. C. Swan, "Flow separation in overexpanded supersonic exhaust
// nozzles", Jet Propulsion 24 (1954) 319-321), the second figure.
//
// Thrust with separation after Kalt and Badal (S. Kalt, D. L. Badal,
// "Conical rocket nozzle performance under flow-separated conditions",
// J. Spacecraft Rockets 2 (1965) 447-449): the flow is as attached up to the
// separation point and the wall beyond it carries about the ambient pressure,
// so the nozzle thrusts as one cut at the separation point:
//   Cf_sep = Cf_vac - (integral of p_wall/p0 over the separated wall)/At
//            - (pa/p0) A_sep/At.
#pragma once

#include <optional>
#include <vector>

namespace bellnozzle::moc {

// The wall-pressure ratio of Schmucker's criterion, p_sep / pa.
double SchmuckerSeparationRatio(double wallMach);
inline constexpr double kSummerfieldSeparationRatio = 0.4;

struct WallSample {
    double x = 0, r = 0;  // throat radii
    double mach = 0;
    double pRatio = 0;    // p/p0
};

struct Separation {
    std::optional<double> x;             // Schmucker; empty: attached
    std::optional<double> xSummerfield;  // p_wall < 0.4 pa
    double cfAmbientSeparated = 0;
};

// wall: from the throat to the lip, x growing. cfVacuum: the attached
// nozzle's vacuum thrust coefficient; wallForceScale: the factor that takes
// a wall-pressure force of the net to the same scale. planar: areas per
// unit depth with At the throat half-height.
Separation FindSeparation(const std::vector<WallSample>& wall, double paOverP0, double cfVacuum,
                          double wallForceScale, bool planar);

}  // namespace bellnozzle::moc

// The nozzle as the case sees it, measured from the profile's points (so a
// hand-edited or conical profile is measured as it is), and what 1-D
// isentropic theory predicts for it.
#pragma once

#include "core/profile_reader.h"
#include "foam_case/case_settings.h"

namespace bellnozzle {

struct NozzleMeasures {
    // Metres.
    double inletX = 0, exitX = 0;
    double inletRadius = 0, throatRadius = 0, exitRadius = 0;
    double throatX = 0;
    // sin and cos of the wedge's half angle, as its vertices use them.
    double wedgeSin = 0, wedgeCos = 0;

    double Length() const { return exitX - inletX; }
    double AreaRatio() const;
    double ThroatArea() const;  // of the whole nozzle, m^2
    // The wedge's planar inlet and outlet faces cover r^2 s c, not pi r^2:
    // a quantity summed over a wedge patch times this is the whole nozzle's.
    double WedgeToWhole() const;
};

// Throws Error unless the profile has points, the exit lies downstream of the
// inlet, and every radius is above 0.
NozzleMeasures MeasureNozzle(const ProfileTable& profile);

struct IsentropicPrediction {
    double exitMach = 0;
    double exitPressureRatio = 0;     // pe/p0
    double exitTemperatureRatio = 0;  // Te/T0
    double inletMach = 0;             // subsonic solution at the inlet's area
    double massFlow = 0;              // kg/s, whole nozzle, choked
    double exitVelocity = 0;          // m/s
    double thrustCoefficient = 0;     // into vacuum
    double thrust = 0;                // N, into vacuum
    double chamberSoundSpeed = 0;     // m/s
};

IsentropicPrediction PredictIsentropicFlow(const NozzleMeasures& nozzle, const GasConditions& gas);

}  // namespace bellnozzle

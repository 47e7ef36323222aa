// Every way this tool designs a contour, behind one call: the chart's
// parabola and the 15-degree cone from core/, and the contours the method of
// characteristics designs. The result is the whole text of the profile file,
// so a design held in memory is analysed exactly as the written file would be.
#pragma once

#include <string>
#include <vector>

namespace bellnozzle::moc {

enum class ContourMethod { Chart, Cone, Ideal, Tic, Parabola, Toc };

// "chart", "cone", "ideal", "tic", "parabola", "toc".
const char* ContourMethodName(ContourMethod method);
bool ParseContourMethod(const std::string& name, ContourMethod& method);

struct DesignRequest {
    float diameter = 5.0f;       // throat diameter, cm, as the entries convert it
    float lengthPercent = 80.0f; // per cent of the 15-degree cone (the cone and the ideal nozzle ignore it)
    float epsilon = 10.0f;       // exit area over throat area
    ContourMethod method = ContourMethod::Chart;
    double gamma = 1.4;          // the characteristics' designs only
};

struct DesignedProfile {
    ContourMethod method = ContourMethod::Chart;
    float Rt = 0, thetaN = 0, thetaS = 0;  // as the profile header carries them
    std::string profileText;               // the whole profile file
    std::vector<std::string> notes;        // English lines the user should read (extrapolated angles, ...)
    std::vector<std::string> notesPortuguese;  // the same lines for the window
};

// True for the methods whose design depends on the gas (ideal, tic, parabola,
// toc); the chart's parabola and the cone do not.
bool MethodUsesGamma(ContourMethod method);
// True for the methods with a length to choose (chart, tic, parabola, toc).
bool MethodUsesLength(ContourMethod method);

// Designs in memory. Throws Error (English and Portuguese) when the design is
// refused: the chart's parabola where its angles make no nozzle, a gamma not
// above 1 for the methods that use it.
DesignedProfile DesignProfile(const DesignRequest& request);

}  // namespace bellnozzle::moc

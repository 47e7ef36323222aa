// The wall contour as the CAD and picture exports use it: the profile points
// in millimetres, checked to be a wall a solid can be revolved from, and for
// the shell body the outer wall offset by the thickness.
#pragma once

#include <string>
#include <vector>

#include "core/profile_reader.h"

namespace bellnozzle {

enum class LengthUnit { Millimetre, Centimetre, Inch };
enum class CadBody { Flow, Shell };  // the gas volume, or the wall around it

// "mm", "cm", "in"; ParseLengthUnit and ParseCadBody throw Error on other text.
const char* UnitSymbol(LengthUnit unit);
double MillimetresPerUnit(LengthUnit unit);
LengthUnit ParseLengthUnit(const std::string& text);
CadBody ParseCadBody(const std::string& text);
const char* BodyName(CadBody body);

// A length such as "2", "2.5mm", "0.1 in" or "0,2cm"; a bare number is in
// defaultUnit. Returns millimetres; throws Error unless it is a finite number
// above 0.
double ParseThickness(const std::string& text, LengthUnit defaultUnit);

inline constexpr double kDefaultThicknessMm = 2.0;

// More points than this take longer to revolve, mesh and render than anyone
// waits for; the design writes a few hundred at most.
inline constexpr int kMaxCadPoints = 20000;

struct CadPoint {
    double x;  // along the axis, mm
    double r;  // distance from the axis, mm
};

struct CadProfile {
    CadBody body = CadBody::Shell;
    double thicknessMm = 0.0;      // shell only
    std::vector<CadPoint> wall;    // inner wall, inlet to exit
    // Shell only: the outer wall, one point for each wall point, offset along
    // the wall's normal and carried to the planes of the two end faces, so its
    // first and last x equal the wall's.
    std::vector<CadPoint> outer;
    // Indices of wall points where the wall turns by a corner (a conical
    // profile's throat, a hand-edited kink): curves fitted through the points
    // must break there rather than swing round it.
    std::vector<std::size_t> corners;
    // The throat radius the design was made for (the header's Rt), mm; 0 for
    // a profile without one.
    double designThroatRadiusMm = 0.0;

    double InletX() const { return wall.front().x; }
    double ExitX() const { return wall.back().x; }
    // The largest distance from the axis of the body: outer wall or wall.
    double MaxRadius() const;
    // Shell only: the outer wall's radius at axial position x (between its
    // points, on the straight line joining them).
    double OuterRadiusAt(double x) const;
};

// Checks the table (2 to kMaxCadPoints points, x strictly increasing, every
// radius above 0) and builds the contour in millimetres; for the shell also
// the outer wall, refusing a thickness the wall's curvature would fold.
// Throws Error saying what is wrong.
CadProfile BuildCadProfile(const ProfileTable& table, CadBody body, double thicknessMm);

// Volume of the body revolved from the points joined by straight lines
// (a stack of frustums), mm^3.
double RevolvedVolume(const CadProfile& profile);

// The profile value as the file prints it (six significant digits) in double
// precision, so 2.65 cm becomes 26.5 mm and not 26.5000009537.
double FileValue(float value);

}  // namespace bellnozzle

// What the CAD tests share: profiles to start from, a throw-away folder per
// test, and the test's own reckoning of the nozzle (points, outer wall,
// volumes), worked out apart from the code under test.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace bellnozzle::cadtest {

struct Point {
    double x, r;  // mm
};

// A new empty folder under the build tree named after the running test.
std::filesystem::path FreshFolder();
std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

// A checked-in profile file ("initial_design", "points_53", ...).
std::string ProfileText(const std::string& name);
// A profile file with the given points (cm).
std::string ProfileWithPoints(const std::vector<Point>& pointsCm);

// The points of a profile file in millimetres, parsed here.
std::vector<Point> PointsOf(const std::string& profileText);

// The outer wall: each point moved by thickness along the normal of the
// polynomial through its five nearest points, and the end points carried
// along the end tangents to the inlet and exit planes.
std::vector<Point> OffsetAlongNormals(const std::vector<Point>& wall, double thickness);

// pi * integral of r^2 dx over the points, each interval integrated on the
// cubic through its four nearest points (two-point rule where fewer).
double SmoothVolume(const std::vector<Point>& points);
// The same over straight lines between the points.
double FrustumVolume(const std::vector<Point>& points);

}  // namespace bellnozzle::cadtest

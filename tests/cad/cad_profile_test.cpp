// The contour the CAD exports start from: what is refused, how thick
// lengths are read, and the outer wall of the shell.
#include <gtest/gtest.h>

#include <cmath>

#include "cad_test_support.h"
#include "core/error.h"
#include "core/profile_reader.h"
#include "export/cad_profile.h"

namespace bellnozzle {
namespace {

using cadtest::Point;

ProfileTable TableOf(const std::vector<Point>& pointsCm) {
    const auto folder = cadtest::FreshFolder();
    cadtest::WriteBytes(folder / "p.txt", cadtest::ProfileWithPoints(pointsCm));
    return ReadProfileTable((folder / "p.txt").string());
}

ProfileTable InitialDesign() {
    const auto folder = cadtest::FreshFolder();
    cadtest::WriteBytes(folder / "p.txt", cadtest::ProfileText("initial_design"));
    return ReadProfileTable((folder / "p.txt").string());
}

void ExpectRefused(const ProfileTable& table, CadBody body, double thickness, const char* words) {
    try {
        BuildCadProfile(table, body, thickness);
        ADD_FAILURE() << "accepted; expected a refusal mentioning \"" << words << "\"";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find(words), std::string::npos) << error.what();
        EXPECT_FALSE(error.Portuguese().empty());
    }
}

TEST(CadProfile, RefusesWallsNoSolidCanBeRevolvedFrom) {
    ExpectRefused(TableOf({{0, 1}}), CadBody::Flow, 2, "only one point");
    ExpectRefused(TableOf({{0, 1}, {1, 2}, {1, 3}}), CadBody::Flow, 2, "x must grow");
    ExpectRefused(TableOf({{0, 1}, {2, 2}, {1, 3}}), CadBody::Shell, 2, "x must grow");
    ExpectRefused(TableOf({{0, 1}, {1, 0}, {2, 3}}), CadBody::Flow, 2, "above 0");
    ExpectRefused(TableOf({{0, 1}, {1, -1}}), CadBody::Flow, 2, "above 0");
    std::vector<Point> many;
    for (int i = 0; i <= kMaxCadPoints; ++i) many.push_back({i * 0.001, 1.0});
    ExpectRefused(TableOf(many), CadBody::Flow, 2, "more than");
}

TEST(CadProfile, RefusesThicknessesTheWallCannotHave) {
    const ProfileTable table = InitialDesign();
    ExpectRefused(table, CadBody::Shell, 0.0, "not above 0");
    ExpectRefused(table, CadBody::Shell, -2.0, "not above 0");
    ExpectRefused(table, CadBody::Shell, std::nan(""), "not above 0");
    ExpectRefused(table, CadBody::Shell, 1e6, "ten times");
    // The downstream throat arc has a radius of 9.55 mm: a thicker wall
    // folds over itself on its outer side.
    ExpectRefused(table, CadBody::Shell, 12.0, "folds");
    EXPECT_NO_THROW(BuildCadProfile(table, CadBody::Shell, 8.0));
    // The flow body has no wall, so no thickness to refuse.
    EXPECT_NO_THROW(BuildCadProfile(table, CadBody::Flow, 0.0));
}

TEST(CadProfile, ReadsThicknessInTheGivenOrDefaultUnit) {
    EXPECT_DOUBLE_EQ(ParseThickness("2", LengthUnit::Millimetre), 2.0);
    EXPECT_DOUBLE_EQ(ParseThickness("2", LengthUnit::Centimetre), 20.0);
    EXPECT_DOUBLE_EQ(ParseThickness(" 0.5 in ", LengthUnit::Millimetre), 12.7);
    EXPECT_DOUBLE_EQ(ParseThickness("0,2cm", LengthUnit::Millimetre), 2.0);
    EXPECT_DOUBLE_EQ(ParseThickness("1.5mm", LengthUnit::Inch), 1.5);
    for (const char* bad : {"", "mm", "abc", "0", "-1", "2 furlongs", "inf", "nan", "1e999", "2,5,1", "0x2"}) {
        EXPECT_THROW(ParseThickness(bad, LengthUnit::Millimetre), Error) << bad;
    }
    EXPECT_THROW(ParseLengthUnit("m"), Error);
    EXPECT_THROW(ParseCadBody("solid"), Error);
}

TEST(CadProfile, PointsAreTheFileValuesInMillimetres) {
    const CadProfile profile = BuildCadProfile(InitialDesign(), CadBody::Flow, 0);
    const std::vector<Point> points = cadtest::PointsOf(cadtest::ProfileText("initial_design"));
    ASSERT_EQ(profile.wall.size(), points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_NEAR(profile.wall[i].x, points[i].x, 1e-12);
        EXPECT_NEAR(profile.wall[i].r, points[i].r, 1e-12);
    }
    EXPECT_TRUE(profile.outer.empty());
    EXPECT_TRUE(profile.corners.empty()) << "the design's contour is smooth";
}

TEST(CadProfile, OuterWallLiesAtTheThicknessWithFlatEnds) {
    const double thickness = 2.0;
    const CadProfile profile = BuildCadProfile(InitialDesign(), CadBody::Shell, thickness);
    const std::vector<Point> wall = cadtest::PointsOf(cadtest::ProfileText("initial_design"));
    const std::vector<Point> expected = cadtest::OffsetAlongNormals(wall, thickness);
    ASSERT_EQ(profile.outer.size(), wall.size());
    EXPECT_EQ(profile.outer.front().x, profile.wall.front().x);
    EXPECT_EQ(profile.outer.back().x, profile.wall.back().x);
    for (std::size_t i = 0; i < wall.size(); ++i) {
        // Two estimates of the normal; they differ most where the throat's
        // two arcs meet and the curvature jumps, by under 1 % of the wall.
        EXPECT_NEAR(profile.outer[i].x, expected[i].x, 0.02) << i;
        EXPECT_NEAR(profile.outer[i].r, expected[i].r, 0.02) << i;
        EXPECT_NEAR(profile.OuterRadiusAt(profile.outer[i].x), profile.outer[i].r, 1e-12);
    }
}

TEST(CadProfile, ConicalThroatIsACornerAndItsOffsetMeetsAtTheMitre) {
    // 45 degrees in, 15 degrees out, a sharp throat at x = 0.
    const double t15 = std::tan(15.0 * M_PI / 180.0);
    const ProfileTable table = TableOf({{-2, 3.5}, {0, 1.5}, {10, 1.5 + 10 * t15}});
    const CadProfile profile = BuildCadProfile(table, CadBody::Shell, 3.0);
    ASSERT_EQ(profile.corners, std::vector<std::size_t>{1});
    // The mitre point lies at the thickness from both wall lines, and the
    // straight outer wall ends in the planes of the wall's ends.
    const auto& w = profile.wall;
    const auto distance = [](const CadPoint& p, const CadPoint& a, const CadPoint& b) {
        return std::abs((b.x - a.x) * (p.r - a.r) - (b.r - a.r) * (p.x - a.x)) / std::hypot(b.x - a.x, b.r - a.r);
    };
    for (const CadPoint& p : profile.outer) {
        EXPECT_NEAR(p.x < 0 ? distance(p, w[0], w[1]) : distance(p, w[1], w[2]), 3.0, 1e-9);
    }
    EXPECT_NEAR(distance(profile.outer[1], w[0], w[1]), 3.0, 1e-9);
    EXPECT_EQ(profile.outer.front().x, w.front().x);
    EXPECT_EQ(profile.outer.back().x, w.back().x);
    const std::vector<Point> inner{{w[0].x, w[0].r}, {w[1].x, w[1].r}, {w[2].x, w[2].r}};
    const std::vector<Point> outer{{profile.outer[0].x, profile.outer[0].r},
                                   {profile.outer[1].x, profile.outer[1].r},
                                   {profile.outer[2].x, profile.outer[2].r}};
    EXPECT_NEAR(RevolvedVolume(profile), cadtest::FrustumVolume(outer) - cadtest::FrustumVolume(inner), 1e-6);
}

}  // namespace
}  // namespace bellnozzle

// The wall points the meshing script keeps and the pieces it cuts them into:
// every piece evenly spaced, the pieces joined end to end from the inlet to
// the exit point, and nothing but near-duplicates left out.
#include <gtest/gtest.h>

#include <cmath>

#include "export/wedge_wall_pieces.h"
#include "mesh_test_support.h"

namespace bellnozzle {
namespace {

using test::TableOf;

void ExpectJoinedFromInletToExit(const WallPieces& pieces, int count) {
    ASSERT_FALSE(pieces.empty());
    EXPECT_EQ(pieces.front().front(), 1);
    EXPECT_EQ(pieces.back().back(), count);
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        EXPECT_GE(pieces[k].size(), 2u) << "piece " << k;
        if (k > 0) {
            EXPECT_EQ(pieces[k].front(), pieces[k - 1].back()) << "piece " << k;
        }
    }
}

TEST(WallPoints, NearDuplicatesGoAndTheEndsStay) {
    // Steps of 1 with a near-duplicate after point 2 and one just before the exit.
    const ProfileTable table = TableOf({{0, 1}, {1, 1}, {1.001f, 1}, {2, 1}, {3, 1}, {3.999f, 1}, {4, 1}});
    EXPECT_EQ(KeepWallPoints(table, 0.25), (std::vector<int>{1, 2, 4, 5, 7}));
    EXPECT_EQ(KeepWallPoints(table, 0.0), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    // A spacing larger than the whole wall still leaves inlet and exit.
    EXPECT_EQ(KeepWallPoints(table, 100.0), (std::vector<int>{1, 7}));
    EXPECT_EQ(KeepWallPoints(TableOf({{0, 1}, {1e-6f, 1}}), 1.0), (std::vector<int>{1, 2}));
}

TEST(WallPieces, CutWhereTheStepJumpsAndNowhereElse) {
    // Ten steps of 0.1, then steps of 2: one cut, at the point where they meet.
    std::vector<std::pair<float, float>> points;
    for (int i = 0; i <= 10; ++i) points.push_back({0.1f * i, 1.0f});
    for (int i = 1; i <= 5; ++i) points.push_back({1.0f + 2.0f * i, 1.0f});
    const ProfileTable table = TableOf(points);
    const std::vector<int> kept = KeepWallPoints(table, 0.0);
    const WallPieces pieces = SplitWallIntoPieces(table, kept);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].back(), 11);
    ExpectJoinedFromInletToExit(pieces, table.Count);

    // Steps that change slowly (by 30 % each) are one piece.
    std::vector<std::pair<float, float>> growing{{0, 1}};
    float step = 0.1f;
    for (int i = 0; i < 12; ++i, step *= 1.3f) growing.push_back({growing.back().first + step, 1.0f});
    const ProfileTable smooth = TableOf(growing);
    EXPECT_EQ(SplitWallIntoPieces(smooth, KeepWallPoints(smooth, 0.0)).size(), 1u);

    // Two points: a single piece of one step.
    const ProfileTable two = TableOf({{0, 1}, {1, 2}});
    EXPECT_EQ(SplitWallIntoPieces(two, KeepWallPoints(two, 0.0)), (WallPieces{{1, 2}}));
}

// The designs' own profiles: 0.1 cm steps along the arcs, 0.01 cm joins,
// few long steps along the parabola. Whatever the throat, the pieces keep
// their steps within the jump factor of each other and no step is shorter
// than the spacing asked for.
TEST(WallPieces, DesignProfilesFromOneMillimetreToTwoMetres) {
    const auto folder = test::FreshFolder();
    for (const float diameter : {0.1f, 5.0f, 70.0f, 200.0f}) {
        SCOPED_TRACE(diameter);
        const ProfileTable profile = test::DesignProfile(folder, diameter, 100.0f, 50.0f);
        const double spacing = WallPointSpacing(profile, diameter / 30.0);
        EXPECT_GT(spacing, 0.0);
        const std::vector<int> kept = KeepWallPoints(profile, spacing);
        const WallPieces pieces = SplitWallIntoPieces(profile, kept);
        ExpectJoinedFromInletToExit(pieces, profile.Count);
        EXPECT_LE(pieces.size(), 3u);
        for (const auto& piece : pieces) {
            for (std::size_t j = 2; j < piece.size(); ++j) {
                auto step = [&](std::size_t a) {
                    return std::hypot(profile.X[piece[a]] - profile.X[piece[a - 1]],
                                      profile.Y[piece[a]] - profile.Y[piece[a - 1]]);
                };
                EXPECT_LE(step(j), kWallStepJump * step(j - 1));
                EXPECT_LE(step(j - 1), kWallStepJump * step(j));
                EXPECT_GE(step(j), spacing * 0.999);
            }
        }
    }
}

}  // namespace
}  // namespace bellnozzle

#include "export/wedge_wall_pieces.h"

#include <algorithm>
#include <cmath>

namespace bellnozzle {
namespace {

double Distance(const ProfileTable& profile, int a, int b) {
    return std::hypot(double(profile.X[b]) - double(profile.X[a]),
                      double(profile.Y[b]) - double(profile.Y[a]));
}

}  // namespace

std::vector<int> KeepWallPoints(const ProfileTable& profile, double minSpacing) {
    const int n = profile.Count;
    std::vector<int> kept{1};
    if (n < 2) return kept;
    for (int i = 2; i < n; ++i) {
        if (Distance(profile, kept.back(), i) >= minSpacing) kept.push_back(i);
    }
    if (kept.size() > 1 && Distance(profile, kept.back(), n) < minSpacing) kept.pop_back();
    kept.push_back(n);
    return kept;
}

WallPieces SplitWallIntoPieces(const ProfileTable& profile, const std::vector<int>& kept) {
    WallPieces pieces{{kept.front()}};
    for (std::size_t j = 1; j < kept.size(); ++j) {
        std::vector<int>& piece = pieces.back();
        if (j >= 2 && piece.size() >= 2) {
            const double before = Distance(profile, kept[j - 2], kept[j - 1]);
            const double step = Distance(profile, kept[j - 1], kept[j]);
            if (step > kWallStepJump * before || before > kWallStepJump * step) {
                pieces.push_back({kept[j - 1]});
            }
        }
        pieces.back().push_back(kept[j]);
    }
    return pieces;
}

double WallPointSpacing(const ProfileTable& profile, double smallestCell) {
    std::vector<double> steps;
    double smallestRadius = profile.Y[1];
    for (int i = 2; i <= profile.Count; ++i) {
        steps.push_back(Distance(profile, i - 1, i));
        smallestRadius = std::min(smallestRadius, double(profile.Y[i]));
    }
    if (steps.empty()) return 0.0;
    std::nth_element(steps.begin(), steps.begin() + steps.size() / 2, steps.end());
    const double median = steps[steps.size() / 2];
    return std::max(0.25 * median, std::min(smallestCell, smallestRadius) / 10.0);
}

}  // namespace bellnozzle

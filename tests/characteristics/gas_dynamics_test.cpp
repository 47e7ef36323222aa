// The Prandtl-Meyer function, its inverse and the Mach angle against the
// tables of NACA Report 1135 (Ames Research Staff, 1953).
#include <gtest/gtest.h>

#include <cmath>

#include "characteristics/prandtl_meyer.h"

namespace bellnozzle::moc {
namespace {

constexpr double kDegree = 3.141592653589793 / 180.0;

struct TableRow {
    double mach, gamma, nuDegrees, muDegrees;
};

// NACA 1135, Table II (gamma 1.4), rounded to two decimals.
constexpr TableRow kTable[] = {
    {1.10, 1.4, 1.34, 65.38},  {1.50, 1.4, 11.91, 41.81}, {2.00, 1.4, 26.38, 30.00},
    {2.40, 1.4, 36.75, 24.62}, {3.00, 1.4, 49.76, 19.47}, {5.00, 1.4, 76.92, 11.54},
};

TEST(PrandtlMeyer, MatchesTheTablesAndInvertsThem) {
    for (const TableRow& row : kTable) {
        SCOPED_TRACE(testing::Message() << "M " << row.mach << " gamma " << row.gamma);
        const double nu = PrandtlMeyerAngle(row.mach, row.gamma);
        EXPECT_NEAR(nu / kDegree, row.nuDegrees, 0.006);
        EXPECT_NEAR(MachAngle(row.mach) / kDegree, row.muDegrees, 0.006);
        // The inverse from a poor guess, a good one and the default.
        for (double guess : {1.0001, row.mach * 1.1, 2.0}) {
            EXPECT_NEAR(MachFromPrandtlMeyer(nu, row.gamma, guess), row.mach, 1e-10);
        }
    }
}

TEST(PrandtlMeyer, InverseHoldsNearSonicAndRefusesOutOfRange) {
    // Just above Mach 1, where nu ~ (M-1)^1.5 and Newton's method from afar
    // overshoots below 1.
    for (double mach : {1.0 + 1e-9, 1.0 + 1e-6, 1.001, 1.01}) {
        EXPECT_NEAR(MachFromPrandtlMeyer(PrandtlMeyerAngle(mach, 1.4), 1.4, 3.0), mach, 1e-9 * mach);
    }
    EXPECT_EQ(MachFromPrandtlMeyer(0.0, 1.4), 1.0);
    EXPECT_NEAR(MaxPrandtlMeyerAngle(1.4) / kDegree, 130.45, 0.005);
    EXPECT_TRUE(std::isnan(MachFromPrandtlMeyer(-0.01, 1.4)));
    EXPECT_TRUE(std::isnan(MachFromPrandtlMeyer(MaxPrandtlMeyerAngle(1.4), 1.4)));
    EXPECT_TRUE(std::isnan(MachFromPrandtlMeyer(0.5, 1.0)));
    EXPECT_TRUE(std::isnan(MachFromPrandtlMeyer(std::nan(""), 1.4)));
}

}  // namespace
}  // namespace bellnozzle::moc

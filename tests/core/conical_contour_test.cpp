// The 15-degree reference cone: its file against the geometry worked out
// here in double precision, the straight wall and its joint with the throat
// arc, the exit at the bell's cone length, and the designs it refuses.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

#include "core/conical_contour.h"
#include "core/contour.h"
#include "core/error.h"
#include "core/profile_reader.h"
#include "test_support.h"

namespace bellnozzle {
namespace {

using testing::Lines;
using testing::ReadFile;
using testing::ScratchFolder;

const double kTan15 = std::tan(M_PI / 12);
const double kCos15 = std::cos(M_PI / 12);
const double kSin15 = std::sin(M_PI / 12);

struct FilePoint {
    double x, y;
};

struct ConeFile {
    std::vector<std::string> header;
    std::vector<FilePoint> points;
    double Value(const std::string& name) const {
        for (const std::string& line : header) {
            if (line.rfind(name + "=", 0) == 0) return std::atof(line.c_str() + name.size() + 1);
        }
        ADD_FAILURE() << "no header line " << name;
        return 0;
    }
};

ConeFile Parse(const std::string& text) {
    const std::vector<std::string> lines = Lines(text);
    ConeFile file;
    std::size_t i = 0;
    for (; i < lines.size() && lines[i] != "[perfil]"; ++i) file.header.push_back(lines[i]);
    int expected = 1;
    for (++i; i < lines.size(); ++i) {
        int number = 0;
        double x = 0, y = 0;
        EXPECT_EQ(std::sscanf(lines[i].c_str(), "%d %lf %lf", &number, &x, &y), 3) << lines[i];
        EXPECT_EQ(number, expected++);
        file.points.push_back({x, y});
    }
    return file;
}

// Six significant digits, as "%g" prints.
void ExpectPrinted(double actual, double exact, const char* what) {
    EXPECT_NEAR(actual, exact, std::fabs(exact) * 6e-6 + 1e-6) << what;
}

TEST(ConicalContour, InitialEntriesGiveTheReferenceConeOfTheBell) {
    const double Rt = 2.5, R1 = 3.75, eps = 10;
    const ConeFile file = Parse(FormatConicalProfile(2.5f, 10.0f));
    ASSERT_EQ(file.header.size(), 14u);
    const std::vector<std::string> fixed = {"[parametros]", "Rt=2.5 cm", "epsilon=10", "Lf=100 %",
                                            "thetan=15 graus", "thetas=15 graus", "[resultados]",
                                            "R1=3.75 cm", "R2=3.75 cm", "x0=-2.65165 cm"};
    for (std::size_t i = 0; i < fixed.size(); ++i) EXPECT_EQ(file.header[i], fixed[i]);
    const double Re = std::sqrt(eps) * Rt;
    const double coneLength = (Rt * (std::sqrt(eps) - 1) + R1 * (1 / kCos15 - 1)) / kTan15;
    ExpectPrinted(file.Value("xn"), R1 * kSin15, "xn");
    ExpectPrinted(file.Value("yn"), Rt + R1 * (1 - kCos15), "yn");
    ExpectPrinted(file.Value("Re"), Re, "Re");
    ExpectPrinted(file.Value("lengf"), coneLength, "lengf");
    EXPECT_EQ(file.header[13], "lengf=20.668 cm");

    // 27 upstream points as the bell's, 10 on the downstream arc (x 0.01 to
    // 0.91, short of T at 0.970571), T, 20 on the straight wall, E.
    ASSERT_EQ(file.points.size(), 59u);
    const std::vector<std::string> cone = Lines(FormatConicalProfile(2.5f, 10.0f));
    const std::vector<std::string> bell = Lines(FormatContourProfile({2.5f, 10, 80, 30, 10, 20}));
    for (int i = 15; i < 15 + 27; ++i) EXPECT_EQ(cone[std::size_t(i)], bell[std::size_t(i)]);
    for (int i = 0; i < 10; ++i) {
        const FilePoint p = file.points[std::size_t(27 + i)];
        ExpectPrinted(p.x, 0.01 + 0.1 * i, "downstream x");
        ExpectPrinted(p.y, Rt + R1 - std::sqrt(R1 * R1 - p.x * p.x), "downstream y");
    }
    EXPECT_EQ(file.points[37].x, file.Value("xn"));
    EXPECT_EQ(file.points[37].y, file.Value("yn"));
    ExpectPrinted(file.points[38].x, R1 * kSin15 + 0.01, "first wall point");
    const FilePoint exit = file.points.back();
    EXPECT_EQ(exit.x, file.Value("lengf"));
    EXPECT_EQ(exit.y, file.Value("Re"));
}

TEST(ConicalContour, StraightWallAtFifteenDegreesJoinsTheArcWithoutAKink) {
    for (const float Rt : {0.5f, 2.5f, 10.0f}) {
        for (const float eps : {1.2f, 5.0f, 10.0f, 50.0f}) {
            SCOPED_TRACE(::testing::Message() << "Rt " << Rt << ", epsilon " << eps);
            const ConeFile file = Parse(FormatConicalProfile(Rt, eps));
            const double R2 = file.Value("R2"), xt = file.Value("xn"), yt = file.Value("yn");
            const double centre = file.Value("Rt") + R2;
            // T lies on the downstream arc where its tangent is at 15 degrees.
            EXPECT_NEAR(std::hypot(xt, yt - centre), R2, R2 * 1e-5);
            EXPECT_NEAR(xt / std::sqrt(R2 * R2 - xt * xt), kTan15, 1e-4);
            // From T on, every point (E included) is on the 15-degree line.
            std::size_t t = 0;
            while (file.points[t].x != xt) ++t;
            ASSERT_LT(t + 1, file.points.size());
            for (std::size_t i = t + 1; i < file.points.size(); ++i) {
                const FilePoint p = file.points[i];
                EXPECT_NEAR(p.y, yt + kTan15 * (p.x - xt), 1e-5 * (p.x + p.y)) << "point " << i + 1;
            }
            // The exit is the bell's cone length and the exit radius.
            ExpectPrinted(file.points.back().x,
                          (Rt * (std::sqrt(eps) - 1) + 1.5 * Rt * (1 / kCos15 - 1)) / kTan15, "exit x");
            ExpectPrinted(file.points.back().y, std::sqrt(eps) * Rt, "exit y");
        }
    }
}

TEST(ConicalContour, BellLengthIsItsPercentageOfTheCone) {
    for (const float eps : {5.0f, 10.0f, 33.3f, 50.0f}) {
        const float cone = ComputeConicalGeometry(2.5f, eps).coneLength;
        EXPECT_EQ(ReferenceConeLength(2.5f, eps), cone);
        for (const float percent : {60.0f, 70.0f, 80.0f, 90.0f, 100.0f}) {
            const ContourGeometry bell = ComputeContourGeometry({2.5f, eps, percent, 30, 10, 20});
            EXPECT_EQ(bell.coneLength, cone);
            EXPECT_NEAR(bell.lengf, cone * percent / 100, cone * 1e-6) << eps << " " << percent;
        }
    }
}

TEST(ConicalContour, WallRunsDownstreamAndNeverNarrowsPastTheThroat) {
    for (const float Rt : {0.004f, 0.05f, 1.0f, 7.3f, 40.0f}) {
        for (const float eps : {1.11f, 2.0f, 25.0f, 400.0f}) {
            const ConicalGeometry g = ComputeConicalGeometry(Rt, eps);
            const std::vector<ContourPoint> points = ComputeConicalPoints(Rt, g);
            for (std::size_t i = 1; i < points.size(); ++i) {
                ASSERT_GT(points[i].x, points[i - 1].x) << Rt << " " << eps << " point " << i + 1;
                if (points[i - 1].x >= 0) {
                    ASSERT_GE(points[i].y, points[i - 1].y) << Rt << " " << eps << " point " << i + 1;
                }
                ASSERT_GE(points[i].y, Rt * (1 - 1e-6f));
            }
            EXPECT_EQ(points.back().x, g.coneLength);
        }
    }
}

TEST(ConicalContour, RefusesWhatTheBellRefusesAndAnExitShortOfTheWall) {
    constexpr float kInf = std::numeric_limits<float>::infinity();
    constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
    ScratchFolder folder;
    const std::string path = folder.Path("zelto_perfil.txt");
    testing::WriteFile(path, "old contents\n");
    struct Case {
        float diameter, eps;
        const char* mentions;
    } const cases[] = {{0, 10, "throat"},    {-2, 10, "throat"},   {kNaN, 10, "throat"},
                       {kInf, 10, "throat"}, {5, 0.5f, "epsilon"}, {5, kNaN, "epsilon"},
                       {5, kInf, "epsilon"}, {5, 1.0f, "1.105"},   {5, 1.1f, "1.105"},
                       {2e6f, 10, "points"}};
    for (const Case& c : cases) {
        try {
            RunConicalNozzleDesign(c.diameter, c.eps, path);
            ADD_FAILURE() << "accepted a design that should mention " << c.mentions;
        } catch (const Error& error) {
            EXPECT_NE(std::string(error.what()).find(c.mentions), std::string::npos) << error.what();
            EXPECT_FALSE(error.Portuguese().empty());
        }
        EXPECT_EQ(ReadFile(path), "old contents\n");
    }
    // The bell's own words for the inputs both refuse.
    for (const ContourInput in : {ContourInput{0, 10, 80, 30, 10, 20}, ContourInput{2.5f, 0.5f, 80, 30, 10, 20}}) {
        std::string bell, cone;
        try {
            FormatContourProfile(in);
        } catch (const Error& error) {
            bell = error.what();
        }
        try {
            FormatConicalProfile(in.Rt, in.epsilon);
        } catch (const Error& error) {
            cone = error.what();
        }
        EXPECT_EQ(cone, bell);
    }
    EXPECT_NO_THROW(FormatConicalProfile(2.5f, 1.105f));
}

TEST(ConicalContour, DesignRunWritesAFileTheReaderTakes) {
    ScratchFolder folder;
    const std::string path = folder.Path("zelto_perfil.txt");
    const DesignResult result = RunConicalNozzleDesign(5.0f, 10.0f, path);
    EXPECT_EQ(result.Rt, 2.5f);
    EXPECT_EQ(result.thetaN, 15.0f);
    EXPECT_EQ(result.thetaS, 15.0f);
    EXPECT_EQ(ReadFile(path), FormatConicalProfile(2.5f, 10.0f));
    const ProfileTable table = ReadProfileTable(path);
    EXPECT_EQ(table.Count, 59);
    EXPECT_EQ(table.Header.size(), 14u);
    EXPECT_EQ(folder.Files(), std::vector<std::string>{"zelto_perfil.txt"});
}

}  // namespace
}  // namespace bellnozzle

// The list-breaking rules beyond the checked-in profiles: long profiles whose
// Gmsh numbers pass 999, the point lists shared by the blockMesh dictionary
// and the scene, a table whose Count is below its size, and the "%g" text.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/profile_reader.h"
#include "export/blockmesh_writer.h"
#include "export/gmsh_revolved_writer.h"
#include "export/gmsh_wedge_writer.h"
#include "export/number_text.h"
#include "export/pov_scene_writer.h"

namespace bellnozzle {
namespace {

ProfileTable MakeProfile(int count) {
    ProfileTable profile;
    profile.X.assign(std::size_t(count) + 1, 0.0f);
    profile.Y.assign(std::size_t(count) + 1, 0.0f);
    for (int i = 1; i <= count; ++i) {
        profile.X[i] = -2.5f + 0.125f * float(i);
        profile.Y[i] = 3.0f + 0.01f * float(i);
    }
    profile.Count = count;
    profile.Header = {"[parametros]\n", "Rt=2.5 cm\n", "[resultados]\n"};
    return profile;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The lines of the number list that starts with opening, and the numbers in it.
void ReadNumberList(const std::string& text, const std::string& opening,
                    std::vector<std::string>& lines, std::vector<long>& numbers) {
    std::size_t at = text.find(opening);
    ASSERT_NE(at, std::string::npos) << opening;
    const std::size_t end = text.find("};\n\n", at);
    ASSERT_NE(end, std::string::npos);
    lines = Lines(text.substr(at, end - at));
    std::string body = text.substr(at + opening.size(), end - at - opening.size());
    for (char& ch : body) {
        if (ch == ',' || ch == '\n') ch = ' ';
    }
    std::istringstream in(body);
    for (long number; in >> number;) numbers.push_back(number);
}

// Gmsh numbers above 999 only make longer lines: the list still holds every
// number once, and only the last has no comma after it.
TEST(GmshNumberLists, HoldEveryNumberOfALongProfile) {
    const int n = 1234;
    const ProfileTable profile = MakeProfile(n);
    struct Case {
        std::string text;
        std::string opening;
        long first, step, last;
    };
    const Case cases[] = {
        {FormatGmshWedgeGeometry(profile), "Spline(1) = {", 1, 2, 2L * n - 1},
        {FormatGmshWedgeGeometry(profile), "Spline(2) = {", 2, 2, 2L * n},
        {FormatGmshRevolvedGeometry(profile), "Spline(1) = {", 1, 1, n},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines;
        std::vector<long> numbers;
        ReadNumberList(c.text, c.opening, lines, numbers);
        std::vector<long> expected;
        for (long p = c.first; p <= c.last; p += c.step) expected.push_back(p);
        EXPECT_EQ(numbers, expected) << c.opening;
        EXPECT_EQ(lines.back().back(), char('0' + c.last % 10));
    }
    // Items after the lists carry the large point numbers too.
    EXPECT_NE(cases[0].text.find("Line(3) = {2469, 2470}; // eixo\n"), std::string::npos);
    EXPECT_NE(cases[2].text.find("Line(2) = {1236, 1235}; // eixo\n"), std::string::npos);
}

// The scene ends with the blockMesh dictionary's spline 4 5 lines, inside
// the comment that keeps POV-Ray from parsing them.
TEST(PointLists, SceneListIsTheDictionarySpline45List) {
    for (const int n : {1, 2, 3, 4, 60, 500}) {
        const ProfileTable profile = MakeProfile(n);
        const std::string dict = FormatBlockMeshDict(profile, 100, 20);
        const std::string scene = FormatPovScene(profile);
        const std::size_t start = dict.find("\tspline 4 5 (");
        const std::size_t end = dict.find(")\n", start) + 2;
        const std::string list = dict.substr(start, end - start);
        EXPECT_EQ(scene.substr(scene.size() - list.size() - 6), "/*\n" + list + "*/\n") << n;
    }
}

// Points past Count (a file that names a larger number before a smaller
// one) take no part in any export.
TEST(ProfileCount, PointsBeyondCountAreLeftOut) {
    ProfileTable longer = MakeProfile(9);
    longer.Count = 4;
    const ProfileTable exact = MakeProfile(4);
    EXPECT_EQ(FormatBlockMeshDict(longer, 5, 6), FormatBlockMeshDict(exact, 5, 6));
    EXPECT_EQ(FormatGmshWedgeGeometry(longer), FormatGmshWedgeGeometry(exact));
    EXPECT_EQ(FormatGmshRevolvedGeometry(longer), FormatGmshRevolvedGeometry(exact));
    EXPECT_EQ(FormatPovScene(longer), FormatPovScene(exact));
}

// The exporters print numbers without printf for speed; the text must be
// printf's "%g" exactly, of the products and of their negatives, for every
// magnitude, signed zeros and the rounding edges of six digits.
TEST(NumberText, GIsPrintfG) {
    std::mt19937 random(12345);
    std::vector<double> values = {0.0,  -0.0,      1e-4,      9.99999e-5, 0.000099999951, 999999.5,
                                  1e6,  999999.49, 123456.5,  2.5,        -0.0436194,     1e-300};
    std::uniform_int_distribution<std::uint32_t> bits;
    while (values.size() < 200000) {
        const std::uint32_t word = bits(random);
        float f;
        std::memcpy(&f, &word, sizeof f);
        if (std::isfinite(f)) values.push_back(double(f) * double(0.0436194f));
    }
    for (const double value : values) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%g", value);
        std::string text;
        AppendG(text, value);
        ASSERT_EQ(text, expected) << value;
        // The minus side prints the negated product by toggling the sign.
        std::snprintf(expected, sizeof expected, "%g", -value);
        text.clear();
        GText(value).AppendNegated(text);
        ASSERT_EQ(text, expected) << value;
    }
    std::string ints;
    AppendInt(ints, -2147483648LL);
    AppendInt(ints, 0);
    EXPECT_EQ(ints, "-21474836480");
}

}  // namespace
}  // namespace bellnozzle

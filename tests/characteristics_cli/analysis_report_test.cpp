// How an analysis reads: the text lines, the JSON object and the wall CSV of
// hand-made results (so every branch is reached whatever the flow), and the
// summary with the analysis beside it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <clocale>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "characteristics/analysis_report.h"
#include "characteristics/analysis_summary.h"
#include "core/design.h"
#include "json_check.h"

namespace bellnozzle::moc {
namespace {

using jsontest::TopLevel;

AnalysisResult HandMade(bool shock, bool separated) {
    AnalysisResult r;
    r.options.gamma = 1.2;
    r.options.p0Bar = 35;
    r.options.paBar = 1.01325;
    r.options.characteristics = 40;
    r.throatRadiusCm = 2.5;
    r.exitRadiusCm = 7.90569;
    r.areaRatio = 10.0000;
    r.throatCurvatureRadiusCm = 0.955;
    r.dischargeCoefficient = 0.99351;
    r.cfVacuum = 1.6512;
    r.cfAmbient = 1.4321;
    r.cfVacuum1d = 1.6789;
    r.cfAmbient1d = 1.4598;
    r.efficiency = 0.98765;
    r.exitMachMean = 3.0125;
    r.exitMachAxis = 3.4567;
    r.exitMachLip = 2.8765;
    r.massBalance = 0.00042;
    if (shock) r.shock = ShockStart{5.125, 6.25};
    if (separated) {
        r.separationXCm = 12.5;
        r.separationXCmSummerfield = 14.75;
    }
    r.cfAmbientSeparated = separated ? 1.4402 : r.cfAmbient;
    r.wall = {{0, 2.5, 1.0, 0.5283}, {1.25, 3.0, 2.0, 0.1278}, {16.5344, 7.90569, 3.1, 0.0227}};
    r.netLines = {{{0.1, 0, 1.1}, {0.5, 1.0, 1.5}, {1.25, 3.0, 2.0}}, {{0.1, 2.4, 1.05}, {0.6, 0, 1.6}}};
    return r;
}

bool HasLine(const std::string& text, const std::string& start) {
    return ("\n" + text).find("\n" + start) != std::string::npos;
}

// The numbers of each line, before any note in parentheses.
std::vector<std::vector<std::string>> LineNumbers(const std::string& text, const std::string& separator) {
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const std::size_t start = line.find(separator) + separator.size();
        std::istringstream words(line.substr(start, line.find(" (") - start));
        lines.emplace_back();
        for (std::string word; words >> word;) {
            if (word.find_first_of("0123456789") != std::string::npos) lines.back().push_back(word);
        }
    }
    return lines;
}

// What shows for each combination of shock and separation, in the text, in
// the JSON and, with the same numbers line by line, in Portuguese.
TEST(AnalysisReport, ShockAndSeparationInEveryForm) {
    const struct {
        bool shock, separated;
        std::vector<std::string> lines, absent;
        std::vector<std::pair<std::string, std::string>> members;
    } cases[] = {
        {false, false, {"shock=none\n", "separation=attached (", "cf_ambient_separated=1.4321 ("},
         {"shock_x=", "separation_x=", "separation_summerfield_x="},
         {{"shock", "\"none\""}, {"shock_x_cm", "null"}, {"shock_r_cm", "null"}, {"separation", "\"attached\""},
          {"separation_x_cm", "null"}, {"separation_summerfield_x_cm", "null"}, {"cf_ambient_separated", "1.4321"}}},
        {true, true,
         {"shock=formed (", "shock_x=5.125 cm\n", "shock_r=6.25 cm\n", "separation=separated (",
          "separation_x=12.5 cm\n", "separation_summerfield_x=14.75 cm (", "cf_ambient_separated=1.4402 ("},
         {},
         {{"shock", "\"formed\""}, {"shock_x_cm", "5.125"}, {"shock_r_cm", "6.25"}, {"separation", "\"separated\""},
          {"separation_x_cm", "12.5"}, {"separation_summerfield_x_cm", "14.75"}, {"cf_ambient_separated", "1.4402"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.shock ? "shock" : "no shock") + (c.separated ? ", separated" : ", attached"));
        const AnalysisResult r = HandMade(c.shock, c.separated);
        const std::string text = FormatAnalysisText(r);
        for (const std::string& line : c.lines) EXPECT_TRUE(HasLine(text, line)) << line << "\n" << text;
        for (const std::string& line : c.absent) EXPECT_FALSE(HasLine(text, line)) << line;
        const auto json = TopLevel(FormatAnalysisJson(r));
        ASSERT_TRUE(json.has_value()) << FormatAnalysisJson(r);
        for (const auto& [key, value] : c.members) EXPECT_EQ(json->at(key), value) << key;
        const std::string portuguese = FormatAnalysisTextPortuguese(r);
        EXPECT_EQ(LineNumbers(portuguese.substr(portuguese.find('\n') + 1), ": "), LineNumbers(text, "="));
    }
}

TEST(AnalysisReport, WallStationsInJsonAndCsv) {
    AnalysisResult r = HandMade(false, false);
    const auto members = TopLevel(FormatAnalysisJson(r));
    ASSERT_TRUE(members.has_value()) << FormatAnalysisJson(r);
    EXPECT_EQ(members->at("wall"),
              "[\n    {\"x_cm\": 0, \"y_cm\": 2.5, \"mach\": 1, \"p_ratio\": 0.5283},\n"
              "    {\"x_cm\": 1.25, \"y_cm\": 3, \"mach\": 2, \"p_ratio\": 0.1278},\n"
              "    {\"x_cm\": 16.5344, \"y_cm\": 7.90569, \"mach\": 3.1, \"p_ratio\": 0.0227}\n  ]");
    EXPECT_EQ(FormatWallCsv(r),
              "x_cm,y_cm,mach,p_ratio\n0,2.5,1,0.5283\n1.25,3,2,0.1278\n16.5344,7.90569,3.1,0.0227\n");
    r.wall.clear();
    ASSERT_TRUE(TopLevel(FormatAnalysisJson(r)).has_value());
    EXPECT_EQ(TopLevel(FormatAnalysisJson(r))->at("wall"), "[]");
    EXPECT_EQ(FormatWallCsv(r), "x_cm,y_cm,mach,p_ratio\n");
}

// JSON has no NaN or infinity: a figure that is not finite must not make the
// whole object unreadable.
TEST(AnalysisReport, FiguresThatAreNotFiniteAreNullInJson) {
    AnalysisResult r = HandMade(true, true);
    r.efficiency = std::numeric_limits<double>::quiet_NaN();
    r.cfVacuum = std::numeric_limits<double>::infinity();
    r.wall[1].mach = -std::numeric_limits<double>::infinity();
    r.separationXCm = std::numeric_limits<double>::quiet_NaN();
    const std::string json = FormatAnalysisJson(r);
    const auto members = TopLevel(json);
    ASSERT_TRUE(members.has_value()) << json;
    EXPECT_EQ(members->at("efficiency"), "null");
    EXPECT_EQ(members->at("cf_vacuum"), "null");
    EXPECT_EQ(members->at("separation_x_cm"), "null");
    EXPECT_NE(members->at("wall").find("\"mach\": null"), std::string::npos);
}

// A Portuguese desktop switches the C library to decimal commas; the figures
// must still be written with points.
TEST(AnalysisReport, DecimalPointsUnderACommaLocale) {
    const AnalysisResult r = HandMade(true, true);
    const std::string text = FormatAnalysisText(r), json = FormatAnalysisJson(r), csv = FormatWallCsv(r);
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "pt_BR.UTF-8") == nullptr) {
        GTEST_FAIL() << "the locale pt_BR.UTF-8 is missing: generate it (scripts/test.sh does) to run this test";
    }
    const std::string textThere = FormatAnalysisText(r), jsonThere = FormatAnalysisJson(r);
    const std::string csvThere = FormatWallCsv(r), portuguese = FormatAnalysisTextPortuguese(r);
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(textThere, text);
    EXPECT_EQ(jsonThere, json);
    EXPECT_EQ(csvThere, csv);
    EXPECT_NE(portuguese.find(": 0.98765 ("), std::string::npos);
}

TEST(AnalysisReport, OneDimensionalWallPressureFollowsTheAreaRatio) {
    AnalysisResult r = HandMade(false, false);
    r.options.gamma = 1.4;
    // Isentropic tables (NACA 1135), gamma 1.4: p/p0 = 0.5283 at Mach 1; at
    // A/A* = 4 (radius ratio 2) Mach 2.9402 and p/p0 = 0.02980.
    EXPECT_NEAR(OneDimensionalWallPressureRatio(r, 2.5), 0.52828, 1e-5);
    EXPECT_NEAR(OneDimensionalWallPressureRatio(r, 5.0), 0.02980, 2e-5);
    r.options.planar = true;  // the area ratio is then the height ratio
    EXPECT_NEAR(OneDimensionalWallPressureRatio(r, 10.0), 0.02980, 2e-5);
    EXPECT_TRUE(std::isnan(OneDimensionalWallPressureRatio(r, 2.4)));
}

// The summary of a real profile file whose wall the analysis refused (the
// summary beside a done analysis is tested through the command).
class AnalysedSummaryTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("bellnozzle-analysed-summary-" + std::string(
                                                      ::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                "-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        path_ = (dir_ / "zelto_perfil.txt").string();
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::filesystem::path dir_;
    std::string path_;
};

TEST_F(AnalysedSummaryTest, ARefusedAnalysisKeepsTheOneDimensionalFigures) {
    RunDesign(5.0f, 80.0f, 10.0f, path_);
    AnalysedSummary s;
    s.summary = SummarizeProfileFile(path_, {});
    s.refusal = "the wall turns back toward the axis at x = 3 cm";
    const std::string text = FormatAnalysedSummaryText(s);
    EXPECT_EQ(text, FormatSummaryText(s.summary) +
                        "analysis_2d=refused (the wall turns back toward the axis at x = 3 cm)\n");
    const auto members = TopLevel(FormatAnalysedSummaryJson(s));
    ASSERT_TRUE(members.has_value()) << FormatAnalysedSummaryJson(s);
    EXPECT_EQ(members->at("analysis_2d"), "\"refused\"");
    EXPECT_EQ(members->at("analysis_2d_reason"), "\"the wall turns back toward the axis at x = 3 cm\"");
    for (const char* key : {"divergence_factor", "efficiency", "cf_vacuum_2d", "shock_x_cm", "separation_x_cm"}) {
        EXPECT_EQ(members->at(key), "null") << key;
    }
    EXPECT_EQ(members->at("cf_vacuum"), "1.64693");  // 1-D as before: A/A* 10, gamma 1.4
}

}  // namespace
}  // namespace bellnozzle::moc

// analyze and summary on real designs, end to end: the keys, values an
// engineer would call sane, the same figures in text, JSON, CSV and the
// summary, the picture, and a wall the analysis refuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "command_fixture.h"
#include "json_check.h"

namespace {

using namespace bellnozzle::clitest;
using Members = std::map<std::string, std::string>;

class AnalyzeEndToEnd : public CommandFixture {
protected:
    Members Json(const std::vector<std::string>& args) {
        const Result result = Run(args);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.err, "");
        const auto members = bellnozzle::jsontest::TopLevel(result.out);
        EXPECT_TRUE(members.has_value()) << result.out;
        return members.value_or(Members{});
    }
};

double Number(const Members& members, const std::string& key) {
    const auto found = members.find(key);
    if (found == members.end() || found->second == "null") return std::nan("");
    return std::stod(found->second);
}

// The initial design (5 cm throat, 80 %, epsilon 10) at 20 bar.
TEST_F(AnalyzeEndToEnd, InitialDesignAtSeaLevelAndInVacuum) {
    ASSERT_EQ(Run({"design"}).status, 0);
    const Members sea = Json({"analyze", "--json"});
    for (const char* key : {"cf_vacuum", "cf_ambient", "cf_vacuum_1d", "efficiency", "discharge_coefficient",
                            "exit_mach_mean", "exit_mach_axis", "exit_mach_lip", "shock_x_cm", "separation_x_cm",
                            "cf_ambient_separated", "characteristics", "wall"}) {
        EXPECT_EQ(sea.count(key), 1u) << key;
    }
    // The ideal nozzle of the file's area ratio, as summary gives it.
    EXPECT_EQ(sea.at("cf_vacuum_1d"), "1.64693");
    const double cd = Number(sea, "discharge_coefficient"), efficiency = Number(sea, "efficiency");
    EXPECT_GT(cd, 0.98);
    EXPECT_LE(cd, 1.0);
    EXPECT_GT(efficiency, 0.97);
    EXPECT_LT(efficiency, 1.0);
    EXPECT_NEAR(Number(sea, "cf_vacuum"), efficiency * cd * 1.64693, 1e-4);
    // 1-D exit Mach 3.92: the area average lies near it, the axis above, the lip below.
    EXPECT_NEAR(Number(sea, "exit_mach_mean"), 3.92, 0.2);
    EXPECT_GT(Number(sea, "exit_mach_axis"), Number(sea, "exit_mach_lip"));
    // pe = 0.146 bar, far below Schmucker's separation pressure at sea level
    // (about a third of pa at Mach 3.5): the flow leaves the wall inside, and
    // the separated nozzle loses less than the full one.
    const double separation = Number(sea, "separation_x_cm");
    EXPECT_GT(separation, 0.5);
    EXPECT_LT(separation, 16.5344);
    EXPECT_GT(Number(sea, "cf_ambient_separated"), Number(sea, "cf_ambient"));
    EXPECT_LT(Number(sea, "cf_ambient"), Number(sea, "cf_vacuum"));

    const Members vacuum = Json({"analyze", "--json", "--pa", "0"});
    EXPECT_EQ(vacuum.at("separation_x_cm"), "null");
    EXPECT_EQ(vacuum.at("separation"), "\"attached\"");
    EXPECT_EQ(vacuum.at("cf_ambient"), vacuum.at("cf_vacuum"));
    EXPECT_EQ(vacuum.at("cf_ambient_separated"), vacuum.at("cf_vacuum"));
    EXPECT_EQ(vacuum.at("efficiency"), sea.at("efficiency"));
}

// Text, JSON, CSV and the summary carry the same digits of one analysis.
TEST_F(AnalyzeEndToEnd, OneAnalysisInEveryForm) {
    ASSERT_EQ(Run({"design", "--epsilon", "20", "--length", "90"}).status, 0);
    const std::vector<std::string> conditions = {"--gamma", "1.2", "--p0", "35", "--pa", "0.5"};
    std::vector<std::string> args = {"analyze", "--json"};
    args.insert(args.end(), conditions.begin(), conditions.end());
    const Members json = Json(args);

    args = {"analyze", "--csv", "wall.csv", "--png", "net.png"};
    args.insert(args.end(), conditions.begin(), conditions.end());
#ifndef BELLNOZZLE_TEST_GUI
    // Without the window build the picture is refused, and nothing written.
    const Result noPicture = Run(args);
    EXPECT_EQ(noPicture.status, 1);
    EXPECT_NE(noPicture.err.find("--png"), std::string::npos) << noPicture.err;
    EXPECT_FALSE(std::filesystem::exists(dir_ / "wall.csv"));
    args.erase(args.begin() + 3, args.begin() + 5);
#endif
    const Result text = Run(args);
    ASSERT_EQ(text.status, 0) << text.err;
    std::istringstream lines(text.out);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t eq = line.find('=');
        const std::string name = line.substr(0, eq), value = line.substr(eq + 1, line.find(' ') - eq - 1);
        if (name == "csv" || name == "png" || name == "wall_stations") continue;
        bool found = false;
        for (const auto& [key, raw] : json) {
            if (key.rfind(name, 0) == 0 && (raw == value || raw == "\"" + value + "\"")) found = true;
        }
        EXPECT_TRUE(found) << line;
    }
    EXPECT_NE(text.out.find("\ncsv=wall.csv\n"), std::string::npos);

    // The CSV: one row a station, from the throat to the exit lip of the file.
    const std::string csv = Slurp(dir_ / "wall.csv");
    ASSERT_EQ(csv.rfind("x_cm,y_cm,mach,p_ratio\n", 0), 0u);
    std::istringstream rows(csv.substr(csv.find('\n') + 1));
    std::vector<std::vector<double>> stations;
    for (std::string row; std::getline(rows, row);) {
        std::vector<double> fields;
        std::istringstream cells(row);
        for (std::string cell; std::getline(cells, cell, ',');) fields.push_back(std::stod(cell));
        ASSERT_EQ(fields.size(), 4u) << row;
        stations.push_back(fields);
    }
    ASSERT_GT(stations.size(), 10u);
    EXPECT_NE(text.out.find("\nwall_stations=" + std::to_string(stations.size()) + "\n"), std::string::npos);
    EXPECT_NEAR(stations.front()[0], 0.0, 0.5);
    EXPECT_NEAR(stations.back()[1], std::sqrt(20.0) * 2.5, 1e-3);
    for (std::size_t i = 1; i < stations.size(); ++i) {
        EXPECT_GE(stations[i][0], stations[i - 1][0]) << i;
        EXPECT_GT(stations[i][2], 0.9) << i;
        EXPECT_GT(stations[i][3], 0.0) << i;
    }
#ifdef BELLNOZZLE_TEST_GUI
    EXPECT_EQ(Slurp(dir_ / "net.png").substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_NE(text.out.find("\npng=net.png\n"), std::string::npos);
#endif

    // summary gives the same analysis beside its 1-D figures.
    args = {"summary", "--json"};
    args.insert(args.end(), conditions.begin(), conditions.end());
    const Members summary = Json(args);
    EXPECT_EQ(summary.at("analysis_2d"), "\"done\"");
    EXPECT_EQ(summary.at("analysis_2d_reason"), "null");
    EXPECT_EQ(summary.at("divergence_factor"), json.at("efficiency"));
    EXPECT_EQ(summary.at("efficiency"), json.at("efficiency"));
    EXPECT_EQ(summary.at("cf_vacuum_2d"), json.at("cf_vacuum"));
    EXPECT_EQ(summary.at("cf_ambient_2d"), json.at("cf_ambient"));
    EXPECT_EQ(summary.at("discharge_coefficient"), json.at("discharge_coefficient"));
    EXPECT_EQ(summary.at("shock_x_cm"), json.at("shock_x_cm"));
    EXPECT_EQ(summary.at("separation_x_cm"), json.at("separation_x_cm"));
    EXPECT_EQ(summary.at("cf_vacuum"), json.at("cf_vacuum_1d"));
    args = {"summary"};
    args.insert(args.end(), conditions.begin(), conditions.end());
    const Result summaryText = Run(args);
    EXPECT_NE(summaryText.out.find("\nanalysis_2d=done (method of characteristics with "), std::string::npos);
    EXPECT_NE(summaryText.out.find("\nefficiency=" + json.at("efficiency") + " ("), std::string::npos);
    EXPECT_NE(summaryText.out.find("\ndivergence_factor=" + json.at("efficiency") + " ("), std::string::npos);
}

// A bell, its cone and a hand-edited wall the analysis cannot take.
TEST_F(AnalyzeEndToEnd, ConeBellAndARefusedWall) {
    ASSERT_EQ(Run({"design", "--conical"}).status, 0);
    const Members cone = Json({"analyze", "--json"});
    const Members bell = [&] {
        EXPECT_EQ(Run({"design"}).status, 0);
        return Json({"analyze", "--json"});
    }();
    // The 15-degree cone loses about 1.7 % to divergence; an 80 % bell less.
    EXPECT_NEAR(Number(cone, "efficiency"), 0.983, 0.006);
    EXPECT_GT(Number(bell, "efficiency"), Number(cone, "efficiency"));
    const Members coneSummary = [&] {
        EXPECT_EQ(Run({"design", "--conical"}).status, 0);
        return Json({"summary", "--json"});
    }();
    EXPECT_EQ(coneSummary.at("divergence_factor"), "0.982963");
    EXPECT_EQ(coneSummary.at("efficiency"), cone.at("efficiency"));

    // The wall turns back toward the axis after the throat: analyze refuses
    // it in one line and writes nothing; summary keeps its 1-D figures.
    ASSERT_EQ(Run({"design"}).status, 0);
    std::string profile = Profile();
    const std::size_t exitLine = profile.rfind("\n", profile.size() - 2);
    profile = profile.substr(0, exitLine + 1) + "53\t16.5344\t1.5\n";
    std::ofstream(dir_ / "zelto_perfil.txt", std::ios::binary) << profile;
    const Result refused = Run({"analyze", "--csv", "wall.csv"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(std::count(refused.err.begin(), refused.err.end(), '\n'), 1) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(dir_ / "wall.csv"));
    const Result summary = Run({"summary"});
    EXPECT_EQ(summary.status, 0) << summary.err;
    EXPECT_NE(summary.out.find("\nanalysis_2d=refused ("), std::string::npos) << summary.out;
    EXPECT_NE(summary.out.find("\ncf_vacuum="), std::string::npos);
}

}  // namespace

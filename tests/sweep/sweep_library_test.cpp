#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "characteristics/trade_sweep.h"
#include "core/error.h"

namespace bellnozzle::moc {
namespace {

TEST(SweepLists, ReadValuesAndRanges) {
    struct Case {
        const char* text;
        std::vector<float> expected;
    };
    const Case cases[] = {
        {"60,70,80", {60, 70, 80}},
        {" 10 , 20 ", {10, 20}},
        {"5:50:15", {5, 20, 35, 50}},
        {"5:6:0.25", {5, 5.25f, 5.5f, 5.75f, 6}},
        {"5:5.9:0.3", {5, 5.3f, 5.6f, 5.9f}},  // the end reached within rounding counts
        {"5:7:3", {5}},
        {"5:10:5,60", {5, 10, 60}},
        {"1e1", {10}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseSweepNumbers(c.text, "--epsilon"), c.expected) << c.text;
    }
    EXPECT_EQ(ParseSweepNumbers("5:50:1", "--epsilon").size(), 46u);
}

TEST(SweepLists, RefuseWhatIsNoList) {
    for (const char* text : {"", "10,,20", "ten", "5:50", "5:50:0", "5:50:-1", "50:5:5", "nan", "1e39",
                             "10;20", "0x10", "1:1000000:1"}) {
        try {
            ParseSweepNumbers(text, "--epsilon");
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find("--epsilon '"), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(ParseSweepMethods("chart, cone").size(), 2u);
    EXPECT_THROW(ParseSweepMethods("chart,bell"), Error);
    EXPECT_THROW(ParseSweepMethods(""), Error);
}

TEST(SweepGrid, GoesMethodEpsilonLengthWithOneConePerEpsilon) {
    SweepRequest r;
    r.epsilons = {10, 20};
    r.lengthPercents = {60, 80};
    r.methods = {ContourMethod::Chart, ContourMethod::Cone};
    const std::vector<DesignRequest> designs = SweepDesigns(r);
    ASSERT_EQ(designs.size(), 6u);
    const float expected[][2] = {{10, 60}, {10, 80}, {20, 60}, {20, 80}, {10, 100}, {20, 100}};
    for (std::size_t i = 0; i < designs.size(); ++i) {
        EXPECT_EQ(designs[i].method, i < 4 ? ContourMethod::Chart : ContourMethod::Cone);
        EXPECT_EQ(designs[i].epsilon, expected[i][0]);
        EXPECT_EQ(designs[i].lengthPercent, expected[i][1]);
    }
}

TEST(SweepGrid, RefusesRequestsBeforeRunningAnything) {
    std::vector<SweepRequest> bad(7);
    bad[0].epsilons.clear();
    bad[1].methods.clear();
    bad[2].gamma = 1.0;
    bad[3].p0Bar = 0;
    bad[4].diameter = 0;
    bad[5].threads = -1;
    bad[6].epsilons.assign(1000, 10.0f);
    bad[6].lengthPercents.assign(101, 80.0f);
    for (const SweepRequest& r : bad) EXPECT_THROW(RunSweep(r), Error);
}

// A design the chart refuses (a length off the chart) is a row saying why,
// and the sweep goes on to the next.
TEST(SweepRows, RefusedDesignIsARowAndTheSweepGoesOn) {
    SweepRequest r;
    r.lengthPercents = {55, 80};
    const SweepResult result = RunSweep(r);
    ASSERT_EQ(result.rows.size(), 2u);
    EXPECT_TRUE(result.complete);
    EXPECT_TRUE(result.rows[0].Refused());
    EXPECT_NE(result.rows[0].error.find("55"), std::string::npos) << result.rows[0].error;
    EXPECT_FALSE(result.rows[0].errorPortuguese.empty());
    EXPECT_EQ(result.rows[1].lengthPercent, 80.0f);
    EXPECT_FALSE(result.rows[1].Refused()) << result.rows[1].error;
}

// What a designer reads off the rows: a longer chart bell is more efficient
// and saves less length; the cone is the 100 % and saves none; at sea level
// a small area ratio flows full and a large one separates, ahead of its exit.
TEST(SweepRows, CarryTheFiguresOfEachDesign) {
    SweepRequest r;
    r.epsilons = {5, 50};
    r.lengthPercents = {60, 80, 100};
    r.methods = {ContourMethod::Chart, ContourMethod::Cone};
    const SweepResult result = RunSweep(r);
    ASSERT_EQ(result.rows.size(), 8u);
    for (const SweepRow& row : result.rows) ASSERT_FALSE(row.Refused()) << row.error;
    for (const std::size_t first : {0u, 3u}) {
        const SweepRow* bell = &result.rows[first];
        EXPECT_LT(bell[0].efficiency, bell[1].efficiency);
        EXPECT_LT(bell[1].efficiency, bell[2].efficiency);
        EXPECT_LT(bell[2].efficiency, 1.0);
        EXPECT_GT(bell[0].lengthSavedCm, bell[1].lengthSavedCm);
        EXPECT_NEAR(bell[0].lengthSavedPercent, 40.0, 1e-3);
        EXPECT_LT(bell[2].exitAngleDeg, bell[0].exitAngleDeg);
    }
    const SweepRow& cone5 = result.rows[6];
    const SweepRow& cone50 = result.rows[7];
    EXPECT_EQ(cone5.method, ContourMethod::Cone);
    EXPECT_EQ(cone5.lengthPercent, 100.0f);
    EXPECT_EQ(cone5.lengthSavedCm, 0.0);
    EXPECT_EQ(cone5.exitAngleDeg, 15.0);
    EXPECT_NEAR(cone5.lengthCm, result.rows[2].lengthCm, 1e-4);  // the 100 % bell is as long
    EXPECT_FALSE(result.rows[0].separationXCm);
    ASSERT_TRUE(cone50.separationXCm);
    EXPECT_LT(*cone50.separationXCm, cone50.lengthCm);
    EXPECT_GT(cone50.cfAmbientSeparated, cone50.cfAmbient);
    EXPECT_GT(cone5.cfVacuum, cone5.cfAmbient);
}

TEST(SweepRun, StopsWhenAskedWithTheRowsDoneMarkedIncomplete) {
    SweepRequest r;
    r.epsilons = ParseSweepNumbers("5:50:1", "--epsilon");
    r.lengthPercents = {60, 80};
    r.threads = 2;
    std::atomic<bool> stop{true};
    const SweepResult result = RunSweep(r, {}, &stop);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.total, 92);
    EXPECT_LE(result.rows.size(), 2u);
    const std::string text = FormatSweepText(result);
    EXPECT_NE(text.find("incomplete: stopped after"), std::string::npos) << text;

    // Asked from the progress callback, on the calling thread.
    std::atomic<bool> later{false};
    long long lastDone = -1, calls = 0;
    const SweepResult whole = RunSweep(r, [&](const SweepProgress& p) {
        EXPECT_EQ(p.total, 92);
        EXPECT_GE(p.done, lastDone);
        lastDone = p.done;
        ++calls;
    }, &later);
    EXPECT_TRUE(whole.complete);
    EXPECT_EQ(whole.rows.size(), 92u);
    EXPECT_EQ(lastDone, 92);
    EXPECT_GE(calls, 1);

    // A callback that throws ends the sweep with its exception, the threads
    // joined (a thread left running would end the program).
    struct Interrupted {};
    EXPECT_THROW(RunSweep(r, [](const SweepProgress&) { throw Interrupted{}; }), Interrupted);
}

// Every row object carries every key, a refused one with null figures and
// its reason; the CSV has as many fields on each line as in its header.
TEST(SweepFormats, JsonAndCsvCarryEveryColumn) {
    SweepResult result;
    SweepRow done;
    done.epsilon = 10;
    done.lengthPercent = 80;
    done.efficiency = 0.9876543210123;
    done.separationXCm = 12.5;
    SweepRow refused;
    refused.method = ContourMethod::Cone;
    refused.epsilon = 0.5f;
    refused.lengthPercent = 100;
    refused.error = "epsilon \"0.5\", below 1, gives no nozzle";
    result.rows = {done, refused};
    result.total = 2;

    const std::string json = FormatSweepJson(result);
    for (const char* key : {"method", "epsilon", "length_percent", "length_cm", "efficiency", "cf_vacuum",
                            "cf_ambient", "separation_x_cm", "error", "exit_angle_deg", "wall_area_cm2",
                            "length_saved_cm"}) {
        const std::string quoted = std::string("\"") + key + "\": ";
        const std::size_t first = json.find(quoted);
        ASSERT_NE(first, std::string::npos) << key;
        EXPECT_NE(json.find(quoted, first + 1), std::string::npos) << key << " only once";
    }
    EXPECT_NE(json.find("\"efficiency\": 0.987654,"), std::string::npos) << json;
    EXPECT_NE(json.find("\"epsilon\": 0.5,"), std::string::npos) << json;
    EXPECT_NE(json.find("\"separation_x_cm\": 12.5,"), std::string::npos) << json;
    EXPECT_NE(json.find("\"shock_x_cm\": null"), std::string::npos) << json;
    EXPECT_NE(json.find("\"efficiency\": null"), std::string::npos) << json;
    EXPECT_NE(json.find("\"error\": \"epsilon \\\"0.5\\\", below 1, gives no nozzle\"}"), std::string::npos)
        << json;
    EXPECT_NE(json.find("\"error\": null"), std::string::npos) << json;
    EXPECT_EQ(FormatSweepJson(SweepResult{}), "[]\n");

    const std::string csv = FormatSweepCsv(result);
    std::vector<std::size_t> fields;
    bool quoted = false;
    std::size_t count = 1;
    for (const char c : csv) {
        if (c == '"') quoted = !quoted;
        if (c == ',' && !quoted) ++count;
        if (c == '\n') {
            fields.push_back(count);
            count = 1;
        }
    }
    ASSERT_EQ(fields.size(), 3u) << csv;
    EXPECT_EQ(fields[1], fields[0]);
    EXPECT_EQ(fields[2], fields[0]);
}

}  // namespace
}  // namespace bellnozzle::moc

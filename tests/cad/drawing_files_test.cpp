// The drawings and the point list as files: read back here by parsers of the
// test's own, against the profile's points, in each unit; refusals that must
// leave the folder as it was; the same bytes under a decimal-comma locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <regex>
#include <sstream>

#include "cad/cad_export.h"
#include "cad_test_support.h"
#include "core/error.h"
#include "core/file_names.h"

namespace bellnozzle {
namespace {

namespace fs = std::filesystem;
using cadtest::Point;

class DrawingFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir = cadtest::FreshFolder();
        cadtest::WriteBytes(dir / kProfileFileName, cadtest::ProfileText("initial_design"));
        wall = cadtest::PointsOf(cadtest::ProfileText("initial_design"));
    }
    std::string Export(CadFormat format, LengthUnit unit = LengthUnit::Millimetre, CadBody body = CadBody::Shell,
                       double thicknessMm = 2.0) {
        CadRequest request;
        request.format = format;
        request.unit = unit;
        request.body = body;
        request.thicknessMm = thicknessMm;
        const CadSummary summary = ExportCad(dir.string(), request);
        EXPECT_EQ(summary.bytes, fs::file_size(summary.path));
        return cadtest::ReadBytes(summary.path);
    }
    fs::path dir;
    std::vector<Point> wall;
};

std::vector<std::vector<double>> CsvRows(const std::string& text, std::string& header) {
    std::istringstream in(text);
    std::getline(in, header);
    std::vector<std::vector<double>> rows;
    std::string line;
    while (std::getline(in, line)) {
        std::vector<double> row;
        std::istringstream fields(line);
        fields.imbue(std::locale::classic());
        std::string field;
        while (std::getline(fields, field, ',')) row.push_back(std::stod(field));
        rows.push_back(row);
    }
    return rows;
}

// The points of the path with the given id: "M x,y L x,y ...".
std::vector<Point> SvgPath(const std::string& svg, const std::string& id) {
    const std::regex path("<path id=\"" + id + "\" d=\"([^\"]*)\"");
    std::smatch match;
    if (!std::regex_search(svg, match, path)) return {};
    std::vector<Point> points;
    const std::string d = match[1];
    const std::regex pair("[ML] (-?[0-9.e+-]+),(-?[0-9.e+-]+)");
    for (auto it = std::sregex_iterator(d.begin(), d.end(), pair); it != std::sregex_iterator(); ++it) {
        points.push_back({std::stod((*it)[1]), std::stod((*it)[2])});
    }
    return points;
}

TEST_F(DrawingFiles, CsvHoldsThePointsInEachUnit) {
    for (const auto& [unit, mm] : {std::pair{LengthUnit::Millimetre, 1.0}, std::pair{LengthUnit::Centimetre, 10.0},
                                   std::pair{LengthUnit::Inch, 25.4}}) {
        std::string header;
        const auto rows = CsvRows(Export(CadFormat::Csv, unit, CadBody::Flow), header);
        EXPECT_EQ(header, std::string("x_") + UnitSymbol(unit) + ",y_" + UnitSymbol(unit));
        ASSERT_EQ(rows.size(), wall.size());
        for (std::size_t i = 0; i < wall.size(); ++i) {
            ASSERT_EQ(rows[i].size(), 2u);
            EXPECT_NEAR(rows[i][0] * mm, wall[i].x, 1e-7 * std::abs(wall[i].x) + 1e-9);
            EXPECT_NEAR(rows[i][1] * mm, wall[i].r, 1e-7 * wall[i].r);
        }
    }
}

TEST_F(DrawingFiles, CsvOfTheShellAddsTheOuterRadiusAtTheThickness) {
    std::string header;
    const auto rows = CsvRows(Export(CadFormat::Csv), header);
    EXPECT_EQ(header, "x_mm,y_mm,y_outer_mm");
    ASSERT_EQ(rows.size(), wall.size());
    const std::vector<Point> outer = cadtest::OffsetAlongNormals(wall, 2.0);
    for (std::size_t i = 0; i < wall.size(); ++i) {
        // The outer wall's radius at the wall point's x, between the outer
        // points that straddle it.
        std::size_t j = 1;
        while (j + 1 < outer.size() && outer[j].x < wall[i].x) ++j;
        const double s = (wall[i].x - outer[j - 1].x) / (outer[j].x - outer[j - 1].x);
        EXPECT_NEAR(rows[i][2], outer[j - 1].r + s * (outer[j].r - outer[j - 1].r), 0.01) << "point " << i + 1;
    }
}

TEST_F(DrawingFiles, SvgPathsAreThePointsAtFullSizeAndMirrored) {
    const std::string svg = Export(CadFormat::Svg);
    const std::vector<Point> upper = SvgPath(svg, "wall");
    const std::vector<Point> lower = SvgPath(svg, "wall-mirrored");
    ASSERT_EQ(upper.size(), wall.size());
    ASSERT_EQ(lower.size(), wall.size());
    for (std::size_t i = 0; i < wall.size(); ++i) {
        EXPECT_NEAR(upper[i].x, wall[i].x, 1e-6);
        EXPECT_NEAR(upper[i].r, -wall[i].r, 1e-6);
        EXPECT_NEAR(lower[i].r, wall[i].r, 1e-6);
    }
    EXPECT_EQ(SvgPath(svg, "outer").size(), wall.size());
    // 1:1 - the page is as wide in millimetres as its view box is in units.
    std::smatch match;
    ASSERT_TRUE(std::regex_search(svg, match, std::regex("width=\"([0-9.]+)mm\".*viewBox=\"[^ ]+ [^ ]+ ([0-9.]+) ")));
    EXPECT_EQ(match[1], match[2]);
    // The throat as designed, though the smallest drawn diameter (point 28,
    // 0.1 mm past the throat) is 50.001 mm.
    EXPECT_NE(svg.find(">Dt = 50 mm<"), std::string::npos);
    EXPECT_NE(svg.find(">De = 158.114 mm<"), std::string::npos);
    // In inches the same points, divided.
    const std::vector<Point> inches = SvgPath(Export(CadFormat::Svg, LengthUnit::Inch), "wall");
    ASSERT_EQ(inches.size(), wall.size());
    EXPECT_NEAR(inches.back().x * 25.4, wall.back().x, 1e-6);
}

TEST_F(DrawingFiles, DxfVerticesAreThePoints) {
    const std::string dxf = Export(CadFormat::Dxf, LengthUnit::Millimetre, CadBody::Flow);
    // Pairs "10\nx\n 20\ny" after each VERTEX.
    const std::regex vertex("VERTEX\n  8\nPAREDE\n 10\n([^\n]+)\n 20\n([^\n]+)\n");
    std::vector<Point> vertices;
    for (auto it = std::sregex_iterator(dxf.begin(), dxf.end(), vertex); it != std::sregex_iterator(); ++it) {
        vertices.push_back({std::stod((*it)[1]), std::stod((*it)[2])});
    }
    ASSERT_EQ(vertices.size(), wall.size());
    for (std::size_t i = 0; i < wall.size(); ++i) {
        EXPECT_NEAR(vertices[i].x, wall[i].x, 1e-6);
        EXPECT_NEAR(vertices[i].r, wall[i].r, 1e-6);
    }
    EXPECT_EQ(dxf.find("PAREDE_EXTERNA"), dxf.rfind("PAREDE_EXTERNA")) << "only the layer table names it";
}

TEST_F(DrawingFiles, SummaryGivesVolumeAndBoxInTheUnit) {
    CadRequest request;
    request.format = CadFormat::Csv;
    request.unit = LengthUnit::Centimetre;
    request.body = CadBody::Flow;
    const CadSummary summary = ExportCad(dir.string(), request);
    EXPECT_EQ(summary.path, (dir / "nozzle.csv").string());
    EXPECT_NEAR(summary.volume, cadtest::FrustumVolume(wall) / 1000.0, 1e-6);
    EXPECT_NEAR(summary.min[0], -2.65, 1e-9);
    EXPECT_NEAR(summary.max[0], 16.5344, 1e-9);
    EXPECT_NEAR(summary.max[1], 7.90569, 1e-9);
    EXPECT_NE(SummaryText(summary).find("Volume: "), std::string::npos);
    EXPECT_NE(SummaryLines(summary).find("volume_cm3="), std::string::npos);
}

TEST_F(DrawingFiles, RefusalsLeaveTheOldFileAndNoLeftovers) {
    cadtest::WriteBytes(dir / "nozzle.dxf", "old");
    CadRequest request;
    request.format = CadFormat::Dxf;
    request.thicknessMm = 50.0;  // folds at the throat
    EXPECT_THROW(ExportCad(dir.string(), request), Error);
    request.thicknessMm = 2.0;
    request.out = (dir / "missing-folder" / "nozzle.dxf").string();
    EXPECT_THROW(ExportCad(dir.string(), request), Error);
    // Not over the design it was made from, whatever the name it is given by.
    request.out = (dir / "." / kProfileFileName).string();
    EXPECT_THROW(ExportCad(dir.string(), request), Error);
    EXPECT_EQ(cadtest::ReadBytes(dir / kProfileFileName), cadtest::ProfileText("initial_design"));
    fs::remove(dir / kProfileFileName);
    request.out.clear();
    EXPECT_THROW(ExportCad(dir.string(), request), Error);
    EXPECT_EQ(cadtest::ReadBytes(dir / "nozzle.dxf"), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(DrawingFiles, SameBytesUnderADecimalCommaLocale) {
    std::vector<std::string> inC;
    for (CadFormat format : {CadFormat::Dxf, CadFormat::Svg, CadFormat::Csv}) {
        inC.push_back(Export(format, LengthUnit::Inch));
    }
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "pt_BR.UTF-8") == nullptr) {
        FAIL() << "the locale pt_BR.UTF-8 is missing: generate it (scripts/test.sh does) to run this test";
    }
    std::vector<std::string> inPortuguese;
    for (CadFormat format : {CadFormat::Dxf, CadFormat::Svg, CadFormat::Csv}) {
        inPortuguese.push_back(Export(format, LengthUnit::Inch));
    }
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(inC, inPortuguese);
}

}  // namespace
}  // namespace bellnozzle

// Reading the profile file back: point numbers place the points, lines that do
// not parse repeat the point before them, and files the exporters cannot use
// are refused with a message naming the file.
#include <gtest/gtest.h>

#include "core/contour.h"
#include "core/error.h"
#include "core/profile_reader.h"
#include "core/text_format.h"
#include "test_support.h"

namespace bellnozzle {
namespace {

using testing::ScratchFolder;
using testing::WriteFile;

const char kHeader[] =
    "[parametros]\nRt=2.5 cm\n[resultados]\n12 3 4 looks like a point\n[perfil]\n";

ProfileTable ReadText(const ScratchFolder& folder, const std::string& text) {
    WriteFile(folder.Path("zelto_perfil.txt"), text);
    return ReadProfileTable(folder.Path("zelto_perfil.txt"));
}

std::string RefusalOf(const ScratchFolder& folder, const std::string& text) {
    try {
        ReadText(folder, text);
    } catch (const Error& error) {
        EXPECT_FALSE(error.Portuguese().empty());
        return error.what();
    }
    ADD_FAILURE() << "accepted: " << text;
    return {};
}

TEST(ReadProfileTable, ReadsBackTheDesignAsTheFilePrintsIt) {
    ScratchFolder folder;
    WriteContourProfile(2.5f, 10, 80, 25.3911f, 10.8587f, 20, folder.Path("zelto_perfil.txt"));
    const ProfileTable table = ReadProfileTable(folder.Path("zelto_perfil.txt"));
    ASSERT_EQ(table.Count, 53);
    EXPECT_EQ(table.Size(), 53);
    EXPECT_EQ(table.X[1], -2.65f);
    EXPECT_EQ(table.Y[1], 3.5967f);
    EXPECT_EQ(table.X[53], 16.5344f);  // lengf and Re to printing precision
    EXPECT_EQ(table.Y[53], 7.90569f);
    ASSERT_EQ(table.Header.size(), 14u);
    EXPECT_EQ(table.Header.front(), "[parametros]\n");
    EXPECT_EQ(table.Header.back(), "lengf=16.5344 cm\n");
}

TEST(ReadProfileTable, PointNumbersPlaceThePointsAndGapsHoldZero) {
    ScratchFolder folder;
    const ProfileTable table = ReadText(folder, std::string(kHeader) + "1 1.5 2.5\n4\t-3e-07\t1e+06\n2 7 8\n");
    EXPECT_EQ(table.Count, 2);  // the number on the last line, not the line count
    ASSERT_EQ(table.Size(), 4);
    EXPECT_EQ(table.X[1], 1.5f);
    EXPECT_EQ(table.X[2], 7.0f);
    EXPECT_EQ(table.X[3], 0.0f);
    EXPECT_EQ(table.Y[3], 0.0f);
    EXPECT_EQ(table.X[4], -3e-07f);
    EXPECT_EQ(table.Y[4], 1e+06f);
    // Lines before the section are never points, even when they look like one.
    EXPECT_EQ(table.Header.size(), 4u);
}

TEST(ReadProfileTable, UnparsableLinesRepeatThePreviousPointOrAreSkippedBeforeTheFirst) {
    ScratchFolder folder;
    const ProfileTable table =
        ReadText(folder, std::string(kHeader) + "garbage\n\n1 1 2\n2 3 4\nnot a point\n7 9\n");
    // "not a point" re-stores point 2; "7 9" takes number 7 and x 9, and keeps
    // y from the line before, as the scan of "%d %f %f" leaves it.
    EXPECT_EQ(table.Count, 7);
    EXPECT_EQ(table.X[2], 3.0f);
    EXPECT_EQ(table.X[7], 9.0f);
    EXPECT_EQ(table.Y[7], 4.0f);
}

TEST(ReadProfileTable, LongLinesAndLastLinesWithoutLineEndAreRead) {
    ScratchFolder folder;
    const std::string longComment = "comment" + std::string(300, 'x') + "\n";
    const ProfileTable table = ReadText(folder, longComment + "[perfil]\n1 1 1\n2 2" + std::string(200, ' ') + "5");
    EXPECT_EQ(table.Count, 2);
    EXPECT_EQ(table.Y[2], 5.0f);
    ASSERT_EQ(table.Header.size(), 1u);
    EXPECT_EQ(table.Header[0], longComment);

    std::string copied;
    CopyProfileHeader(table, copied);
    EXPECT_EQ(copied, "// " + longComment);
}

TEST(ReadProfileTable, RefusesWhatNoExportCanUse) {
    ScratchFolder folder;
    EXPECT_NE(RefusalOf(folder, "[parametros]\nRt=2.5 cm\n").find("no \"[perfil]\" line"), std::string::npos);
    EXPECT_NE(RefusalOf(folder, "[perfil]").find("no \"[perfil]\" line"), std::string::npos);
    EXPECT_NE(RefusalOf(folder, "[parametros]\r\n[perfil]\r\n1 1 2\r\n").find("CR LF"), std::string::npos);
    EXPECT_NE(RefusalOf(folder, "[perfil]\n").find("no point line"), std::string::npos);
    EXPECT_NE(RefusalOf(folder, "[perfil]\nx y z\n\n").find("no point line"), std::string::npos);
    EXPECT_NE(RefusalOf(folder, "[perfil]\n0 1 2\n").find("line 2"), std::string::npos);
    EXPECT_NE(RefusalOf(folder, "[perfil]\n1 1 2\n-5 1 2\n").find("point number -5"), std::string::npos);
    EXPECT_NE(RefusalOf(folder, "[perfil]\n100001 1 2\n").find("100001"), std::string::npos);
    EXPECT_NE(RefusalOf(folder, "[perfil]\n99999999999999999999999 1 2\n").find("outside"), std::string::npos);
    EXPECT_NE(RefusalOf(folder, "[perfil]\n1 nan 2\n").find("not a finite"), std::string::npos);
    EXPECT_NE(RefusalOf(folder, "[perfil]\n1 1 1e39\n").find("not a finite"), std::string::npos);

    const std::string missing = folder.Path("absent/zelto_perfil.txt");
    try {
        ReadProfileTable(missing);
        ADD_FAILURE();
    } catch (const Error& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find(missing), std::string::npos);
        EXPECT_NE(message.find("run the design"), std::string::npos);
    }
}

TEST(ReadProfileTable, HoldsMoreThanFourHundredPoints) {
    ScratchFolder folder;
    WriteContourProfile(35.0f, 50, 100, 29.3421f, 4.60526f, 20, folder.Path("zelto_perfil.txt"));
    const ProfileTable table = ReadProfileTable(folder.Path("zelto_perfil.txt"));
    EXPECT_GT(table.Count, 400);
    EXPECT_EQ(table.Size(), table.Count);
    EXPECT_NE(table.X[table.Count], 0.0f);
}

TEST(CopyProfileHeader, CommentsEveryLineBeforeThePointSection) {
    ScratchFolder folder;
    const ProfileTable table = ReadText(folder, std::string(kHeader) + "1 1 2\n");
    std::string out = "before\n";
    CopyProfileHeader(table, out);
    EXPECT_EQ(out,
              "before\n// [parametros]\n// Rt=2.5 cm\n// [resultados]\n// 12 3 4 looks like a point\n");
}

}  // namespace
}  // namespace bellnozzle

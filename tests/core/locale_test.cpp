// Numbers read and written the same under any process locale: with the C
// library switched to a decimal-comma locale, as a Portuguese desktop does
// for the window, entries, profile files and formatted text stay as in "C".
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "core/contour.h"
#include "core/entry_conversion.h"
#include "core/profile_reader.h"
#include "core/text_format.h"
#include "test_support.h"

namespace bellnozzle {
namespace {

using testing::Golden;
using testing::ReadFile;
using testing::ScratchFolder;

class CommaLocale : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::setlocale(LC_ALL, nullptr);
        if (std::setlocale(LC_ALL, "pt_BR.UTF-8") == nullptr) {
            FAIL() << "the locale pt_BR.UTF-8 is missing: generate it (scripts/test.sh does) to run this test";
        }
        // The premise: in this locale the C library itself uses a comma.
        ASSERT_EQ(std::atof("2,5"), 2.5);
    }
    void TearDown() override { std::setlocale(LC_ALL, previous_.c_str()); }

private:
    std::string previous_;
};

TEST_F(CommaLocale, EntriesConvertAsInTheCLocale) {
    EXPECT_EQ(ConvertDecimal("2.5"), 2.5f);
    EXPECT_EQ(ConvertDecimal("2,5"), 2.0f);
    EXPECT_EQ(ConvertDecimal("80%"), 80.0f);
    EXPECT_EQ(ConvertDecimal(" 1.5e1x"), 15.0f);
    EXPECT_EQ(ConvertCount(" 120 cells"), 120);
    double value = 0;
    EXPECT_TRUE(ParseNumber("20.5", value));
    EXPECT_EQ(value, 20.5);
    EXPECT_FALSE(ParseNumber("20,5", value));
}

TEST_F(CommaLocale, FormattedTextKeepsItsPoint) {
    EXPECT_EQ(Format("%g|%.2f|%.3e", 2.5, 1.5, 1234.5), "2.5|1.50|1.234e+03");
    std::string text;
    AppendG(text, -0.0500003);
    text += ' ';
    AppendDigits(text, 0.1, 12);
    EXPECT_EQ(text, "-0.0500003 0.1");
}

TEST_F(CommaLocale, ProfileWrittenAndReadAsInTheCLocale) {
    // The upstream arc starts at x0 rounded through "%.2f" text: a comma there
    // would have started it at -2 instead of -2.65.
    ScratchFolder folder;
    WriteContourProfile(2.5f, 10, 80, 30, 10, 20, folder.Path("zelto_perfil.txt"));
    EXPECT_EQ(ReadFile(folder.Path("zelto_perfil.txt")), Golden("profile/worked_example.txt"));
    const ProfileTable table = ReadProfileTable(folder.Path("zelto_perfil.txt"));
    ASSERT_EQ(table.Count, 54);
    EXPECT_EQ(table.X[1], -2.65f);
    EXPECT_EQ(table.Y[54], 7.90569f);
}

}  // namespace
}  // namespace bellnozzle

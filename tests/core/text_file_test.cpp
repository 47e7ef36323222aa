// Files are replaced whole or not at all: a failing write leaves the old file
// exactly as it was and no temporary file behind.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/entry_conversion.h"
#include "core/error.h"
#include "core/text_file.h"
#include "test_support.h"

namespace bellnozzle {
namespace {

using testing::ReadFile;
using testing::ScratchFolder;

class FaultHookGuard {
public:
    explicit FaultHookGuard(WriteFaultHook hook) { SetWriteFaultHookForTesting(std::move(hook)); }
    ~FaultHookGuard() { SetWriteFaultHookForTesting(nullptr); }
};

TEST(WriteTextFileAtomically, ReplacesTheFileWholeWithOrdinaryPermissions) {
    ScratchFolder folder;
    const std::string path = folder.Path("out.txt");
    testing::WriteFile(path, "a much longer old text than the new one\n");
    WriteTextFileAtomically(path, std::string("caf\xE9\n", 5));
    EXPECT_EQ(ReadFile(path), std::string("caf\xE9\n", 5));
    EXPECT_EQ(folder.Files(), std::vector<std::string>{"out.txt"});
    const auto permissions = std::filesystem::status(path).permissions();
    EXPECT_NE(permissions & std::filesystem::perms::owner_read, std::filesystem::perms::none);
    EXPECT_NE(permissions & std::filesystem::perms::others_read, std::filesystem::perms::none);
}

TEST(WriteTextFileAtomically, AFailingWriteKeepsTheOldFileAndReportsIt) {
    ScratchFolder folder;
    const std::string path = folder.Path("out.txt");
    testing::WriteFile(path, "old\n");
    // Fail on the second chunk, after part of the new text has gone out.
    FaultHookGuard guard([](const std::string&, std::size_t offset) { return offset == 0; });
    try {
        WriteTextFileAtomically(path, std::string(200000, 'n'));
        ADD_FAILURE() << "a failed write was reported as success";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find(path), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("No space left"), std::string::npos);
    }
    EXPECT_EQ(ReadFile(path), "old\n");
    EXPECT_EQ(folder.Files(), std::vector<std::string>{"out.txt"});
}

TEST(WriteTextFileAtomically, AMissingFolderIsReported) {
    ScratchFolder folder;
    const std::string path = folder.Path("missing/out.txt");
    EXPECT_THROW(WriteTextFileAtomically(path, "x"), Error);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(WriteTextFileAtomically, APathThatIsAFolderIsReportedAndKept) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder.Path("taken"));
    EXPECT_THROW(WriteTextFileAtomically(folder.Path("taken"), "x"), Error);
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path("taken")));
    EXPECT_EQ(folder.Files(), std::vector<std::string>{"taken"});
}

TEST(EntryConversion, ReadsEntriesAsAtofAndAtolDo) {
    EXPECT_EQ(ConvertDecimal("5.0"), 5.0f);
    EXPECT_EQ(ConvertDecimal("5,0"), 5.0f);
    EXPECT_EQ(ConvertDecimal("80%"), 80.0f);
    EXPECT_EQ(ConvertDecimal(""), 0.0f);
    EXPECT_EQ(ConvertDecimal("   "), 0.0f);
    EXPECT_EQ(ConvertDecimal("-"), 0.0f);
    EXPECT_EQ(ConvertDecimal("0x10"), 16.0f);
    EXPECT_EQ(ConvertDecimal("1e-400"), 0.0f);
    EXPECT_TRUE(std::isinf(ConvertDecimal("1e400")));
    EXPECT_TRUE(std::isinf(ConvertDecimal("1e39")));
    EXPECT_TRUE(std::isnan(ConvertDecimal("nan")));
    EXPECT_EQ(ConvertDecimal("\xC3\xA9" "5"), 0.0f);
    EXPECT_EQ(ConvertDecimal(std::string(400, '9')), std::numeric_limits<float>::infinity());

    EXPECT_EQ(ConvertCount("100"), 100);
    EXPECT_EQ(ConvertCount("abc"), 0);
    EXPECT_EQ(ConvertCount("12abc"), 12);
    EXPECT_EQ(ConvertCount(" -5"), -5);
    EXPECT_EQ(ConvertCount("+7"), 7);
    EXPECT_EQ(ConvertCount("0x10"), 0);
    EXPECT_EQ(ConvertCount("1e3"), 1);
    EXPECT_EQ(ConvertCount(std::string(40, '9')), 2147483647);
    EXPECT_EQ(ConvertCount("-" + std::string(40, '9')), -2147483647 - 1);
}

}  // namespace
}  // namespace bellnozzle

// A profile the exporters cannot use, or an output file they cannot write,
// ends the export with a clear Error and leaves the folder as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "core/error.h"
#include "core/file_names.h"
#include "core/profile_reader.h"
#include "core/text_file.h"
#include "export/blockmesh_writer.h"
#include "export/gmsh_revolved_writer.h"
#include "export/gmsh_wedge_writer.h"
#include "export/pov_scene_writer.h"
#include "export_test_files.h"

namespace bellnozzle {
namespace {

namespace fs = std::filesystem;

struct Writer {
    const char* fileName;
    std::function<void(const std::string&)> write;
};

const Writer kWriters[] = {
    {kBlockMeshFileName, [](const std::string& dir) { WriteBlockMeshDict(dir, 100, 20); }},
    {kGmshFileName, WriteGmshWedgeGeometry},
    {kGmshFileName, WriteGmshRevolvedGeometry},
    {kPovFileName, WritePovScene},
};

const std::string kOldOutput = "old output, to be kept\n";

// Runs every writer on the folder holding an old output file, and expects
// each to throw an Error whose message contains `expected`, with the old
// file untouched and no other file left behind.
void ExpectEveryWriterRefuses(const fs::path& dir, const std::string& expected) {
    for (const Writer& writer : kWriters) {
        const fs::path output = dir / writer.fileName;
        test::WriteBytes(output, kOldOutput);
        std::size_t filesBefore = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir)) ++filesBefore;
        try {
            writer.write(dir);
            ADD_FAILURE() << writer.fileName << " was written";
        } catch (const Error& error) {
            EXPECT_NE(std::string(error.what()).find(expected), std::string::npos) << error.what();
            EXPECT_FALSE(error.Portuguese().empty());
        }
        EXPECT_EQ(test::ReadBytes(output), kOldOutput) << writer.fileName;
        std::size_t filesAfter = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir)) ++filesAfter;
        EXPECT_EQ(filesAfter, filesBefore) << writer.fileName;
    }
}

TEST(Refusals, UnusableProfilesWriteNothing) {
    const fs::path dir = test::FreshFolder();
    ExpectEveryWriterRefuses(dir, "cannot be read");

    test::WriteBytes(dir / kProfileFileName, "[parametros]\nRt=1 cm\n");
    ExpectEveryWriterRefuses(dir, "no \"[perfil]\" line");

    test::WriteBytes(dir / kProfileFileName, "[parametros]\n[perfil]\n");
    ExpectEveryWriterRefuses(dir, "no point line");

    test::WriteBytes(dir / kProfileFileName, "[perfil]\n1 0 1\n0 1 1\n");
    ExpectEveryWriterRefuses(dir, "point number 0");

    test::WriteBytes(dir / kProfileFileName, "[perfil]\n1 0 1\n2 nan 1\n");
    ExpectEveryWriterRefuses(dir, "not a finite number");
}

TEST(Refusals, OutputThatCannotBeWrittenIsReported) {
    const fs::path dir = test::FreshFolder();
    test::WriteBytes(dir / kProfileFileName, "[perfil]\n1 0 1\n2 1 1\n");
    // A full disk partway through the write.
    SetWriteFaultHookForTesting([](const std::string&, std::size_t) { return false; });
    ExpectEveryWriterRefuses(dir, "cannot write");
    SetWriteFaultHookForTesting(nullptr);

    // A folder that does not exist.
    for (const Writer& writer : kWriters) {
        EXPECT_THROW(writer.write((dir / "missing").string()), Error);
    }
}

// A table built by hand with a Count that names no point it holds is refused
// rather than read out of bounds.
TEST(Refusals, TableWithoutItsCountPoint) {
    ProfileTable table;
    table.X = {0.0f, 1.0f};
    table.Y = {0.0f, 1.0f};
    for (const int count : {0, 2, -1}) {
        table.Count = count;
        EXPECT_THROW(FormatBlockMeshDict(table, 1, 1), Error);
        EXPECT_THROW(FormatGmshWedgeGeometry(table), Error);
        EXPECT_THROW(FormatGmshRevolvedGeometry(table), Error);
        EXPECT_THROW(FormatPovScene(table), Error);
    }
}

}  // namespace
}  // namespace bellnozzle

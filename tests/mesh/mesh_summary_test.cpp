// Reading back the counts and a named face of the three formats Gmsh writes,
// from small files laid out as Gmsh lays them out, and refusing files that are
// not meshes.
#include <gtest/gtest.h>

#include <cmath>

#include "core/error.h"
#include "meshing/mesh_face.h"
#include "meshing/mesh_summary.h"
#include "mesh_test_support.h"

namespace bellnozzle {
namespace {

// One prism and one tetrahedron in "fluid"; two triangles in "inlet"; a
// quadrangle in a group the file does not name.
const char kMsh2[] =
    "$MeshFormat\n2.2 0 8\n$EndMeshFormat\n"
    "$PhysicalNames\n2\n2 1 \"inlet\"\n3 6 \"fluid\"\n$EndPhysicalNames\n"
    "$Nodes\n3\n1 0 0 0\n2 1 0 0\n3 0 1 0\n$EndNodes\n"
    "$Elements\n5\n"
    "1 2 2 1 14 1 2 3\n2 2 2 1 14 1 2 3\n3 3 2 7 15 1 2 3 1\n"
    "4 6 2 6 1 1 2 3 1 2 3\n5 4 2 6 1 1 2 3 1\n"
    "$EndElements\n";

const char kMsh4[] =
    "$MeshFormat\n4.1 0 8\n$EndMeshFormat\n"
    "$PhysicalNames\n2\n2 1 \"inlet\"\n3 6 \"fluid\"\n$EndPhysicalNames\n"
    "$Entities\n1 0 2 1\n"
    "1 -2.65 0.1 3.5 0 \n"
    "14 -2.6 -0.1 0 -2.6 0.1 3.5 1 1 3 1 15 -8 \n"
    "15 -2.6 -0.1 0 -2.6 0.1 3.5 0 3 1 15 -8 \n"
    "1 -2.6 -0.1 0 16.5 0.3 7.9 1 6 6 -1 30 16 20 24 27 \n"
    "$EndEntities\n"
    "$Nodes\n2 3 1 3\n0 1 0 1\n1\n0 0 0\n3 1 0 2\n2\n3\n1 0 0\n0 1 0\n$EndNodes\n"
    "$Elements\n3 5 1 5\n"
    "2 14 2 2\n1 1 2 3\n2 1 2 3\n"
    "2 15 3 1\n3 1 2 3 1\n"
    "3 1 6 2\n4 1 2 3 1 2 3\n5 1 2 3 1 2 3\n"
    "$EndElements\n";

const char kSu2[] =
    "NDIME= 3\nNELEM= 2\n13 0 1 2 3 4 5 0\n10 0 1 2 3 1\n"
    "NPOIN= 3\n0 0 0 0\n1 0 0 1\n0 1 0 2\n"
    "NMARK= 2\nMARKER_TAG= inlet\nMARKER_ELEMS= 2\n5 0 1 2\n5 0 1 2\n"
    "MARKER_TAG= axi_symm-f\nMARKER_ELEMS= 1\n5 0 1 2\n";

MeshSummary Read(const std::string& text, MeshFileFormat format) {
    const auto path = test::FreshFolder() / "mesh";
    test::WriteBytes(path, text);
    return ReadMeshSummary(path.string(), format);
}

TEST(MeshSummary, CountsNodesCellsAndGroupsOfEachFormat) {
    const MeshSummary msh2 = Read(kMsh2, MeshFileFormat::Msh2);
    EXPECT_EQ(msh2.nodes, 3);
    EXPECT_EQ(msh2.cells, 2);
    ASSERT_NE(msh2.Find("inlet"), nullptr);
    EXPECT_EQ(msh2.Find("inlet")->elements, 2);
    EXPECT_EQ(msh2.Find("fluid")->elements, 2);
    EXPECT_EQ(msh2.Find("fluid")->dimension, 3);
    ASSERT_NE(msh2.Find("7"), nullptr);  // an unnamed group goes by its number
    EXPECT_EQ(msh2.Find("7")->elements, 1);

    const MeshSummary msh4 = Read(kMsh4, MeshFileFormat::Msh4);
    EXPECT_EQ(msh4.nodes, 3);
    EXPECT_EQ(msh4.cells, 2);
    EXPECT_EQ(msh4.Find("inlet")->elements, 2);
    EXPECT_EQ(msh4.Find("fluid")->elements, 2);
    EXPECT_EQ(msh4.groups.size(), 2u);  // entity 15 belongs to no group

    const MeshSummary su2 = Read(kSu2, MeshFileFormat::Su2);
    EXPECT_EQ(su2.nodes, 3);
    EXPECT_EQ(su2.cells, 2);
    ASSERT_EQ(su2.groups.size(), 2u);
    EXPECT_EQ(su2.groups[0].name, "inlet");
    EXPECT_EQ(su2.groups[0].elements, 2);
    EXPECT_EQ(su2.groups[1].name, "axi_symm-f");
    EXPECT_EQ(su2.groups[1].dimension, 2);
}

// The "inlet" face: two triangles on nodes 1 to 3, each node at its axial
// position and its distance from the axis, whatever the format numbers them.
TEST(MeshFace, ReadsTheNamedFaceOfEachFormat) {
    const auto path = test::FreshFolder() / "mesh";
    const std::pair<const char*, MeshFileFormat> files[] = {
        {kMsh2, MeshFileFormat::Msh2}, {kMsh4, MeshFileFormat::Msh4}, {kSu2, MeshFileFormat::Su2}};
    for (const auto& [text, format] : files) {
        SCOPED_TRACE(MeshFormatName(format));
        test::WriteBytes(path, text);
        const MeshFace face = ReadMeshFace(path.string(), format, "inlet");
        ASSERT_EQ(face.polygons.size(), 2u);
        ASSERT_EQ(face.nodes.size(), 3u);
        EXPECT_EQ(face.polygons[0], (std::vector<int>{0, 1, 2}));
        EXPECT_EQ(face.polygons[1], (std::vector<int>{0, 1, 2}));
        double longest = 0.0;
        for (const MeshFace::Node& node : face.nodes) longest = std::max(longest, std::hypot(node.x, node.r));
        EXPECT_DOUBLE_EQ(longest, 1.0);
        EXPECT_THROW(ReadMeshFace(path.string(), format, "outlet"), Error);
    }
    // An element naming a node the file lacks.
    std::string broken = kMsh2;
    broken.replace(broken.find("1 2 2 1 14 1 2 3"), 16, "1 2 2 1 14 1 2 9");
    test::WriteBytes(path, broken);
    EXPECT_THROW(ReadMeshFace(path.string(), MeshFileFormat::Msh2, "inlet"), Error);
}

// A file cut short (as a full disk leaves it), of another format, or missing
// is an Error, never counts made up from what was there.
TEST(MeshSummary, RefusesFilesThatAreNotWholeMeshes) {
    const std::string msh2 = kMsh2;
    const std::string cut = msh2.substr(0, msh2.find("4 6 2"));
    EXPECT_THROW(Read(cut, MeshFileFormat::Msh2), Error);
    EXPECT_THROW(Read(kMsh4, MeshFileFormat::Msh2), Error);
    EXPECT_THROW(Read(kMsh2, MeshFileFormat::Msh4), Error);
    const std::string msh4 = kMsh4;
    EXPECT_THROW(Read(msh4.substr(0, msh4.find("3 1 6 2")), MeshFileFormat::Msh4), Error);
    const std::string su2 = kSu2;
    EXPECT_THROW(Read(su2.substr(0, su2.find("5 0 1 2")), MeshFileFormat::Su2), Error);
    EXPECT_THROW(Read("", MeshFileFormat::Su2), Error);
    EXPECT_THROW(Read("$MeshFormat\n2.2 0 8\n$EndMeshFormat\n$Elements\nmany\n", MeshFileFormat::Msh2), Error);
    EXPECT_THROW(ReadMeshSummary((test::FreshFolder() / "missing.msh").string(), MeshFileFormat::Msh2), Error);
}

}  // namespace
}  // namespace bellnozzle

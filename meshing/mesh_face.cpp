#include "meshing/mesh_face.h"

#include <cmath>
#include <set>
#include <unordered_map>

#include "meshing/mesh_file_lines.h"

namespace bellnozzle {
namespace {

using mesh_file::IntFields;
using mesh_file::LineReader;

// Nodes by the file's own numbers, and polygons by those numbers until the
// end, when both are turned into the picture's indices.
class FaceBuilder {
public:
    explicit FaceBuilder(LineReader& in) : in_(in) {}

    // A node line "x y z" (after any leading fields the caller took).
    void AddNode(long long id, IntFields fields) {
        double x = 0.0, y = 0.0, z = 0.0;
        if (!fields.Next(x) || !fields.Next(y) || !fields.Next(z)) in_.Fail("a node line is cut short");
        nodes_[id] = {x, std::hypot(y, z)};
    }

    // `corners` node numbers from fields.
    void AddPolygon(IntFields fields, int corners) {
        std::vector<long long> ids(std::size_t(corners), 0);
        for (long long& id : ids) {
            if (!fields.Next(id)) in_.Fail("an element line is cut short");
        }
        polygons_.push_back(std::move(ids));
    }

    MeshFace Finish() {
        MeshFace face;
        std::unordered_map<long long, int> index;
        for (const auto& ids : polygons_) {
            std::vector<int>& polygon = face.polygons.emplace_back();
            for (const long long id : ids) {
                auto [at, added] = index.try_emplace(id, int(face.nodes.size()));
                if (added) {
                    const auto node = nodes_.find(id);
                    if (node == nodes_.end()) in_.Fail("an element names node " + std::to_string(id) + ", not in the file");
                    face.nodes.push_back(node->second);
                }
                polygon.push_back(at->second);
            }
        }
        return face;
    }

private:
    LineReader& in_;
    std::unordered_map<long long, MeshFace::Node> nodes_;
    std::vector<std::vector<long long>> polygons_;
};

// Corners of Gmsh's triangle (2) and quadrangle (3).
int MshCorners(long long type) { return type == 2 ? 3 : type == 3 ? 4 : 0; }

// The tag of the named surface group in "$PhysicalNames", or -1.
long long FindPhysicalTag(LineReader& in, const std::string& group) {
    const std::string countLine = in.NextOrFail("the physical names");
    IntFields countFields(countLine);
    long long count = 0;
    if (!countFields.Next(count)) in.Fail("the physical names have no count");
    long long found = -1;
    for (long long k = 0; k < count; ++k) {
        const std::string line = in.NextOrFail("the physical names");
        IntFields fields(line);
        long long dimension = 0, tag = 0;
        if (!fields.Next(dimension) || !fields.Next(tag)) in.Fail("a physical name line is cut short");
        if (dimension == 2 && line.find("\"" + group + "\"") != std::string::npos) found = tag;
    }
    return found;
}

long long CountOf(LineReader& in, const std::string& line) {
    IntFields fields(line);
    long long count = 0;
    if (!fields.Next(count) || count < 0) in.Fail("a section has no count");
    return count;
}

MeshFace ReadMsh2Face(LineReader& in, const std::string& group) {
    FaceBuilder face(in);
    long long tag = -1;
    std::string line;
    while (in.Next(line)) {
        if (line == "$PhysicalNames") {
            tag = FindPhysicalTag(in, group);
        } else if (line == "$Nodes") {
            for (long long k = CountOf(in, in.NextOrFail("the nodes")); k > 0; --k) {
                const std::string node = in.NextOrFail("the nodes");
                IntFields fields(node);
                long long id = 0;
                if (!fields.Next(id)) in.Fail("a node line has no number");
                face.AddNode(id, fields);
            }
        } else if (line == "$Elements") {
            if (tag < 0) in.Fail("it has no surface group \"" + group + "\"");
            for (long long k = CountOf(in, in.NextOrFail("the elements")); k > 0; --k) {
                const std::string element = in.NextOrFail("the elements");
                IntFields fields(element);
                long long id = 0, type = 0, tags = 0, physical = -1, skipped = 0;
                if (!fields.Next(id) || !fields.Next(type) || !fields.Next(tags)) in.Fail("an element line is cut short");
                if (tags < 1 || !fields.Next(physical) || physical != tag || MshCorners(type) == 0) continue;
                for (long long t = 1; t < tags; ++t) fields.Next(skipped);
                face.AddPolygon(fields, MshCorners(type));
            }
        }
    }
    return face.Finish();
}

MeshFace ReadMsh4Face(LineReader& in, const std::string& group) {
    FaceBuilder face(in);
    long long tag = -1;
    std::set<long long> surfaces;
    std::string line;
    while (in.Next(line)) {
        if (line == "$PhysicalNames") {
            tag = FindPhysicalTag(in, group);
        } else if (line == "$Entities") {
            const std::string countLine = in.NextOrFail("the entities");
            IntFields counts(countLine);
            long long perDimension[4] = {0, 0, 0, 0};
            for (long long& count : perDimension) {
                if (!counts.Next(count)) in.Fail("the entity counts are cut short");
            }
            for (int dimension = 0; dimension < 4; ++dimension) {
                for (long long k = 0; k < perDimension[dimension]; ++k) {
                    long long entity = 0;
                    const std::vector<long long> physicals = mesh_file::ReadEntityLine(in, dimension, entity);
                    for (const long long physical : physicals) {
                        if (dimension == 2 && physical == tag) surfaces.insert(entity);
                    }
                }
            }
        } else if (line == "$Nodes") {
            const std::string header = in.NextOrFail("the nodes");
            for (long long b = CountOf(in, header); b > 0; --b) {
                const std::string blockLine = in.NextOrFail("the nodes");
                IntFields block(blockLine);
                long long dimension = 0, entity = 0, parametric = 0, count = 0;
                if (!block.Next(dimension) || !block.Next(entity) || !block.Next(parametric) || !block.Next(count)) {
                    in.Fail("a node block header is cut short");
                }
                std::vector<long long> ids(std::size_t(count), 0);
                for (long long& id : ids) {
                    const std::string idLine = in.NextOrFail("the nodes");
                    if (!IntFields(idLine).Next(id)) in.Fail("a node number is missing");
                }
                for (const long long id : ids) {
                    const std::string coordinates = in.NextOrFail("the nodes");
                    face.AddNode(id, IntFields(coordinates));
                }
            }
        } else if (line == "$Elements") {
            if (tag < 0) in.Fail("it has no surface group \"" + group + "\"");
            const std::string header = in.NextOrFail("the elements");
            for (long long b = CountOf(in, header); b > 0; --b) {
                const std::string blockLine = in.NextOrFail("the elements");
                IntFields block(blockLine);
                long long dimension = 0, entity = 0, type = 0, count = 0;
                if (!block.Next(dimension) || !block.Next(entity) || !block.Next(type) || !block.Next(count)) {
                    in.Fail("an element block header is cut short");
                }
                const bool wanted = dimension == 2 && surfaces.count(entity) > 0 && MshCorners(type) > 0;
                for (long long k = 0; k < count; ++k) {
                    const std::string element = in.NextOrFail("the elements");
                    if (!wanted) continue;
                    IntFields fields(element);
                    long long id = 0;
                    fields.Next(id);
                    face.AddPolygon(fields, MshCorners(type));
                }
            }
        }
    }
    return face.Finish();
}

MeshFace ReadSu2Face(LineReader& in, const std::string& group) {
    FaceBuilder face(in);
    bool found = false;
    std::string line;
    while (in.Next(line)) {
        if (line.rfind("NPOIN=", 0) == 0) {
            long long count = 0;
            if (!IntFields(std::string_view(line).substr(6)).Next(count)) in.Fail("NPOIN has no count");
            for (long long id = 0; id < count; ++id) {
                const std::string point = in.NextOrFail("the points");
                face.AddNode(id, IntFields(point));
            }
        } else if (line.rfind("MARKER_TAG=", 0) == 0) {
            std::string name = line.substr(11);
            name.erase(0, name.find_first_not_of(" \t"));
            const std::string countLine = in.NextOrFail("a marker");
            long long count = -1;
            if (countLine.rfind("MARKER_ELEMS=", 0) != 0 || !IntFields(std::string_view(countLine).substr(13)).Next(count)) {
                in.Fail("a marker has no MARKER_ELEMS line");
            }
            for (long long k = 0; k < count; ++k) {
                const std::string element = in.NextOrFail("a marker's elements");
                if (name != group) continue;
                IntFields fields(element);
                long long type = 0;
                fields.Next(type);
                // VTK's triangle (5) and quadrilateral (9).
                if (type == 5 || type == 9) face.AddPolygon(fields, type == 5 ? 3 : 4);
            }
            found = found || name == group;
        }
    }
    if (!found) in.Fail("it has no marker \"" + group + "\"");
    return face.Finish();
}

}  // namespace

MeshFace ReadMeshFace(const std::string& path, MeshFileFormat format, const std::string& group) {
    LineReader in(path);
    switch (format) {
    case MeshFileFormat::Msh4:
        return ReadMsh4Face(in, group);
    case MeshFileFormat::Su2:
        return ReadSu2Face(in, group);
    case MeshFileFormat::Msh2:
        break;
    }
    return ReadMsh2Face(in, group);
}

}  // namespace bellnozzle

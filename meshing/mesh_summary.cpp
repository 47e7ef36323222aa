// Mesh files can reach hundreds of megabytes, so they are read a line at a
// time and only the integers that matter are converted; node coordinates are
// counted, never parsed.
#include "meshing/mesh_summary.h"

#include <map>
#include <string_view>

#include "core/error.h"
#include "meshing/mesh_file_lines.h"

namespace bellnozzle {
namespace {

using mesh_file::IntFields;
using mesh_file::LineReader;

long long ReadCount(LineReader& in, const std::string& line, const char* what) {
    IntFields fields(line);
    long long value = 0;
    if (!fields.Next(value) || value < 0) in.Fail(std::string("no count of ") + what);
    return value;
}

// Gmsh's element types of dimension 3 (first and second order).
bool IsVolumeType(long long type) {
    switch (type) {
    case 4: case 5: case 6: case 7: case 11: case 12: case 13: case 14: case 17: case 18: case 19:
        return true;
    default:
        return false;
    }
}

// "$PhysicalNames" of both MSH versions: dimension, tag and quoted name.
void ReadPhysicalNames(LineReader& in, std::map<std::pair<int, long long>, std::size_t>& index,
                       MeshSummary& summary) {
    const long long count = ReadCount(in, in.NextOrFail("the physical names"), "physical names");
    for (long long k = 0; k < count; ++k) {
        const std::string line = in.NextOrFail("the physical names");
        IntFields fields(line);
        long long dimension = 0;
        long long tag = 0;
        const auto open = line.find('"');
        const auto close = line.rfind('"');
        if (!fields.Next(dimension) || !fields.Next(tag) || open == std::string::npos || close <= open) {
            in.Fail("a physical name line is not \"dimension tag \\\"name\\\"\"");
        }
        index[{int(dimension), tag}] = summary.groups.size();
        summary.groups.push_back({int(dimension), line.substr(open + 1, close - open - 1), 0});
    }
}

// The group of a physical tag, added without a name when the file names none.
MeshGroup& GroupOf(std::map<std::pair<int, long long>, std::size_t>& index, MeshSummary& summary, int dimension,
                   long long tag) {
    const auto found = index.find({dimension, tag});
    if (found != index.end()) return summary.groups[found->second];
    index[{dimension, tag}] = summary.groups.size();
    summary.groups.push_back({dimension, std::to_string(tag), 0});
    return summary.groups.back();
}

int Dimension(long long type) {
    if (IsVolumeType(type)) return 3;
    if (type == 2 || type == 3 || type == 9 || type == 10 || type == 16) return 2;
    if (type == 1 || type == 8) return 1;
    return 0;
}

void ReadMsh2Elements(LineReader& in, std::map<std::pair<int, long long>, std::size_t>& index,
                      MeshSummary& summary) {
    const long long count = ReadCount(in, in.NextOrFail("the elements"), "elements");
    for (long long k = 0; k < count; ++k) {
        const std::string line = in.NextOrFail("the elements");
        IntFields fields(line);
        long long number = 0, type = 0, tags = 0, physical = 0;
        if (!fields.Next(number) || !fields.Next(type) || !fields.Next(tags)) in.Fail("an element line is cut short");
        if (IsVolumeType(type)) ++summary.cells;
        if (tags > 0 && fields.Next(physical)) ++GroupOf(index, summary, Dimension(type), physical).elements;
    }
}

// MSH 4.1 keeps the physical tags on the entities, and the elements in blocks
// per entity.
using EntityGroups = std::map<std::pair<int, long long>, std::vector<long long>>;

void ReadMsh4Entities(LineReader& in, EntityGroups& entities) {
    const std::string countsLine = in.NextOrFail("the entities");
    IntFields counts(countsLine);
    long long perDimension[4] = {0, 0, 0, 0};
    for (long long& count : perDimension) {
        if (!counts.Next(count)) in.Fail("the entity counts are cut short");
    }
    for (int dimension = 0; dimension < 4; ++dimension) {
        for (long long k = 0; k < perDimension[dimension]; ++k) {
            long long tag = 0;
            std::vector<long long> physicals = mesh_file::ReadEntityLine(in, dimension, tag);
            entities[{dimension, tag}] = std::move(physicals);
        }
    }
}

void ReadMsh4Nodes(LineReader& in, MeshSummary& summary) {
    const std::string headerLine = in.NextOrFail("the nodes");
    IntFields header(headerLine);
    long long blocks = 0;
    if (!header.Next(blocks) || !header.Next(summary.nodes)) in.Fail("the node counts are cut short");
    for (long long b = 0; b < blocks; ++b) {
        const std::string blockLine = in.NextOrFail("the nodes");
        IntFields block(blockLine);
        long long dimension = 0, tag = 0, parametric = 0, count = 0;
        if (!block.Next(dimension) || !block.Next(tag) || !block.Next(parametric) || !block.Next(count)) {
            in.Fail("a node block header is cut short");
        }
        for (long long k = 0; k < 2 * count; ++k) in.NextOrFail("the nodes");
    }
}

void ReadMsh4Elements(LineReader& in, const EntityGroups& entities,
                      std::map<std::pair<int, long long>, std::size_t>& index, MeshSummary& summary) {
    const std::string headerLine = in.NextOrFail("the elements");
    IntFields header(headerLine);
    long long blocks = 0;
    if (!header.Next(blocks)) in.Fail("the element counts are cut short");
    for (long long b = 0; b < blocks; ++b) {
        const std::string blockLine = in.NextOrFail("the elements");
        IntFields block(blockLine);
        long long dimension = 0, tag = 0, type = 0, count = 0;
        if (!block.Next(dimension) || !block.Next(tag) || !block.Next(type) || !block.Next(count)) {
            in.Fail("an element block header is cut short");
        }
        for (long long k = 0; k < count; ++k) in.NextOrFail("the elements");
        if (IsVolumeType(type)) summary.cells += count;
        const auto found = entities.find({int(dimension), tag});
        if (found == entities.end()) continue;
        for (const long long physical : found->second) {
            GroupOf(index, summary, int(dimension), physical).elements += count;
        }
    }
}

MeshSummary ReadMsh(const std::string& path, MeshFileFormat format) {
    LineReader in(path);
    MeshSummary summary;
    std::map<std::pair<int, long long>, std::size_t> index;
    EntityGroups entities;
    std::string line;
    bool sawFormat = false;
    bool sawElements = false;
    while (in.Next(line)) {
        if (line == "$MeshFormat") {
            const std::string version = in.NextOrFail("the format line");
            const char* expected = format == MeshFileFormat::Msh2 ? "2.2 0 " : "4.1 0 ";
            if (version.rfind(expected, 0) != 0) in.Fail("it is not an ASCII MSH " + std::string(expected, 3) + " file");
            sawFormat = true;
        } else if (line == "$PhysicalNames") {
            ReadPhysicalNames(in, index, summary);
        } else if (line == "$Entities") {
            ReadMsh4Entities(in, entities);
        } else if (line == "$Nodes") {
            if (format == MeshFileFormat::Msh2) {
                summary.nodes = ReadCount(in, in.NextOrFail("the nodes"), "nodes");
                for (long long k = 0; k < summary.nodes; ++k) in.NextOrFail("the nodes");
            } else {
                ReadMsh4Nodes(in, summary);
            }
        } else if (line == "$Elements") {
            if (format == MeshFileFormat::Msh2) {
                ReadMsh2Elements(in, index, summary);
            } else {
                ReadMsh4Elements(in, entities, index, summary);
            }
            sawElements = true;
        }
    }
    if (!sawFormat) in.Fail("it has no $MeshFormat section");
    if (!sawElements) in.Fail("it has no $Elements section");
    return summary;
}

// The number after "KEY=" on a line that starts with it, or -1.
long long Su2Value(const std::string& line, std::string_view key) {
    if (line.rfind(key, 0) != 0) return -1;
    IntFields fields(std::string_view(line).substr(key.size()));
    long long value = -1;
    return fields.Next(value) ? value : -1;
}

MeshSummary ReadSu2(const std::string& path) {
    LineReader in(path);
    MeshSummary summary;
    std::string line;
    bool sawElements = false;
    int dimension = 3;
    while (in.Next(line)) {
        if (const long long value = Su2Value(line, "NDIME="); value > 0) {
            dimension = int(value);
        } else if (const long long cells = Su2Value(line, "NELEM="); cells >= 0) {
            // The first NELEM is the volume's; markers give theirs as MARKER_ELEMS.
            summary.cells = cells;
            for (long long k = 0; k < cells; ++k) in.NextOrFail("the elements");
            sawElements = true;
        } else if (const long long nodes = Su2Value(line, "NPOIN="); nodes >= 0) {
            summary.nodes = nodes;
            for (long long k = 0; k < nodes; ++k) in.NextOrFail("the points");
        } else if (line.rfind("MARKER_TAG=", 0) == 0) {
            std::string name = line.substr(11);
            name.erase(0, name.find_first_not_of(" \t"));
            const long long elements = Su2Value(in.NextOrFail("a marker"), "MARKER_ELEMS=");
            if (elements < 0) in.Fail("a marker has no MARKER_ELEMS line");
            for (long long k = 0; k < elements; ++k) in.NextOrFail("a marker's elements");
            summary.groups.push_back({dimension - 1, name, elements});
        }
    }
    if (!sawElements) in.Fail("it has no NELEM line");
    return summary;
}

}  // namespace

const MeshGroup* MeshSummary::Find(const std::string& name) const {
    for (const MeshGroup& group : groups) {
        if (group.name == name) return &group;
    }
    return nullptr;
}

MeshSummary ReadMeshSummary(const std::string& path, MeshFileFormat format) {
    return format == MeshFileFormat::Su2 ? ReadSu2(path) : ReadMsh(path, format);
}

}  // namespace bellnozzle

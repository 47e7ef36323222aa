#include "meshing/wedge_mesh.h"

#include <filesystem>

#include "core/error.h"
#include "core/file_names.h"
#include "core/profile_reader.h"
#include "core/text_file.h"
#include "process/run_program.h"

namespace bellnozzle {
namespace {

namespace fs = std::filesystem;

// Whether two paths name the same file, through links and ".." too.
bool SameFile(const std::string& a, const std::string& b) {
    std::error_code errorA, errorB;
    const fs::path pathA = fs::weakly_canonical(fs::absolute(a), errorA);
    const fs::path pathB = fs::weakly_canonical(fs::absolute(b), errorB);
    return !errorA && !errorB && pathA == pathB;
}

// A mesh path that would destroy the design's files, or that Gmsh could not
// write, is refused before anything is written.
void CheckMeshPath(const std::string& meshPath, const std::string& profilePath, const std::string& scriptPath) {
    if (SameFile(meshPath, profilePath) || SameFile(meshPath, scriptPath)) {
        throw Error("the mesh file \"" + meshPath + "\" would replace the profile or the script; choose another name",
                    "o arquivo da malha \"" + meshPath + "\" substituiria o perfil ou o script; escolha outro nome");
    }
    std::error_code error;
    if (fs::is_directory(meshPath, error)) {
        throw Error("the mesh file \"" + meshPath + "\" is a folder", "o arquivo da malha \"" + meshPath + "\" é uma pasta");
    }
    const fs::path parent = fs::path(meshPath).parent_path();
    if (!parent.empty() && !fs::is_directory(parent, error)) {
        throw Error("the folder of the mesh file \"" + meshPath + "\" does not exist",
                    "a pasta do arquivo da malha \"" + meshPath + "\" não existe");
    }
}

// The mesh named as the hand command, run in the script's folder, needs it.
std::string MeshNameSeenFromScript(const std::string& meshPath, const std::string& scriptPath) {
    const fs::path mesh(meshPath);
    std::error_code error;
    if (SameFile(mesh.parent_path().empty() ? "." : mesh.parent_path().string(),
                 fs::path(scriptPath).parent_path().empty() ? "." : fs::path(scriptPath).parent_path().string())) {
        return mesh.filename().string();
    }
    return fs::absolute(mesh, error).string();
}

}  // namespace

std::string WedgeMeshPath(const WedgeMeshRequest& request) {
    if (!request.meshPath.empty()) return request.meshPath;
    return PathIn(request.dir, std::string(kWedgeMeshStem) + MeshFileExtension(request.settings.format));
}

WedgeMeshResult MakeWedgeMesh(const WedgeMeshRequest& request, const MeshProgress& progress) {
    CheckMeshScriptSettings(request.settings);
    WedgeMeshResult result;
    const std::string profilePath = PathIn(request.dir, kProfileFileName);
    result.scriptPath = PathIn(request.dir, kWedgeMeshScriptName);
    result.meshPath = WedgeMeshPath(request);
    result.format = request.settings.format;
    const ProfileTable profile = ReadProfileTable(profilePath);
    CheckMeshPath(result.meshPath, profilePath, result.scriptPath);

    result.script = FormatGmshMeshScript(profile, request.settings, kWedgeMeshScriptName,
                                         MeshNameSeenFromScript(result.meshPath, result.scriptPath));
    result.handCommand = "gmsh -3 " + result.scriptPath + " -o " + result.meshPath;
    WriteTextFileAtomically(result.scriptPath, result.script);

    const std::string gmsh = FindProgram("gmsh");
    if (gmsh.empty()) return result;
    RunGmsh(gmsh, result.scriptPath, result.meshPath, request.settings.format, progress);
    result.summary = ReadMeshSummary(result.meshPath, request.settings.format);
    result.meshed = true;
    return result;
}

}  // namespace bellnozzle

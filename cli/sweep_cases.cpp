#include "cli/sweep_cases.h"

#include <unistd.h>

#include <filesystem>
#include <set>

#include "core/error.h"
#include "core/file_names.h"
#include "core/text_file.h"
#include "core/text_format.h"
#include "foam_case/case_writer.h"

namespace bellnozzle::cli {
namespace {

namespace fs = std::filesystem;

// Partition, time limit and account differ from cluster to cluster: they are
// left as lines the user switches on, so the script runs unchanged on a
// cluster with a default partition.
constexpr char kSlurmScript[] = R"SH(#!/bin/sh
# A Slurm job array over the OpenFOAM cases of a bellnozzle sweep: task N runs
# the case on line N of cases.txt through its Allrun on @NP@ process(es).
#   submit it from this folder:   sbatch sweep.slurm
#   then gather the results:      bellnozzle report --table .
# For your cluster, remove the first '#' of a '##SBATCH' line below to use it:
# the partition to run in, the wall-time limit of one case, the account to
# charge. With several processes a case calls mpirun inside its allocation;
# load your cluster's OpenFOAM (module load ...) below if it needs that.
#SBATCH --job-name=bellnozzle-sweep
#SBATCH --array=1-@COUNT@
#SBATCH --ntasks=@NP@
#SBATCH --output=slurm-%A_%a.out
##SBATCH --partition=PARTITION
##SBATCH --time=02:00:00
##SBATCH --account=ACCOUNT

cd "${SLURM_SUBMIT_DIR:-.}" || exit 1
[ -f cases.txt ] || { echo "sweep.slurm: submit it from the sweep folder (no cases.txt here)" >&2; exit 1; }
task=${SLURM_ARRAY_TASK_ID:?run this script with sbatch}
case_dir=$(sed -n "${task}p" cases.txt)
[ -n "$case_dir" ] || { echo "sweep.slurm: no case on line $task of cases.txt" >&2; exit 1; }
echo "sweep.slurm: $case_dir on $(hostname)"
"./$case_dir/Allrun" @NP@ > "$case_dir/log.Allrun" 2>&1
status=$?
[ "$status" -eq 0 ] || echo "sweep.slurm: $case_dir failed (exit status $status); see $case_dir/log.Allrun" >&2
exit "$status"
)SH";

constexpr char kLocalScript[] = R"SH(#!/bin/sh
# Runs the OpenFOAM cases of this bellnozzle sweep on this machine, JOBS at a
# time (default: the cores over the @NP@ process(es) each case takes), each
# through its Allrun with its log in CASE/log.Allrun.
#   usage: ./run-local.sh [JOBS]
#   then:  bellnozzle report --table .
cd "$(dirname "$0")" || exit 1
np=@NP@
jobs=${1:-$(( $(nproc 2>/dev/null || echo 1) / np ))}
case "$jobs" in
    '' | *[!0-9]*) echo "run-local.sh: JOBS must be a whole number, not '$jobs'" >&2; exit 2 ;;
esac
[ "$jobs" -ge 1 ] || jobs=1
xargs -P "$jobs" -I {} sh -c '
    if "./$1/Allrun" "$2" > "$1/log.Allrun" 2>&1; then
        echo "done: $1"
    else
        echo "failed: $1 (see $1/log.Allrun)"
        exit 1
    fi' run-case {} "$np" < cases.txt
status=$?
[ "$status" -eq 0 ] || { echo "run-local.sh: some cases failed" >&2; exit 1; }
)SH";

std::string Filled(std::string text, int count, int processes) {
    for (const auto& [key, value] : {std::pair<std::string, int>{"@COUNT@", count}, {"@NP@", processes}}) {
        for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at)) {
            text.replace(at, key.size(), std::to_string(value));
        }
    }
    return text;
}

void WriteScript(const fs::path& path, const std::string& text) {
    WriteTextFileAtomically(path.string(), text);
    fs::permissions(path, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                    fs::perm_options::add);
}

[[noreturn]] void RefuseFolder(const std::string& dir, const std::string& english, const std::string& portuguese) {
    throw Error("the sweep's cases cannot go to \"" + dir + "\": " + english,
                "os casos do estudo não podem ir para \"" + dir + "\": " + portuguese);
}

// The path without trailing slashes, so that the temporary folder lies
// beside it and not inside.
fs::path Bare(const std::string& dir) {
    std::string bare = dir;
    while (bare.size() > 1 && bare.back() == '/') bare.pop_back();
    return fs::path(bare);
}

// Writes the design's profile and its case into folder; gives the case's
// path relative to the sweep folder.
std::string WriteDesignCase(const moc::SweepRequest& request, const moc::SweepRow& row, const fs::path& root,
                            const std::string& folder, const CaseSettings& settings) {
    moc::DesignRequest design;
    design.diameter = request.diameter;
    design.epsilon = row.epsilon;
    design.lengthPercent = row.lengthPercent;
    design.method = row.method;
    design.gamma = request.gamma;
    const moc::DesignedProfile designed = moc::DesignProfile(design);
    fs::create_directories(root / folder);
    const std::string profilePath = (root / folder / kProfileFileName).string();
    WriteTextFileAtomically(profilePath, designed.profileText);
    WriteCase(profilePath, (root / folder / kDefaultCaseFolderName).string(), settings, false);
    return folder + "/" + kDefaultCaseFolderName;
}

}  // namespace

std::string SweepDesignFolder(const moc::SweepRow& row) {
    std::string name = moc::ContourMethodName(row.method);
    name += "_eps";
    AppendG(name, row.epsilon);
    if (!moc::MethodHasOwnLength(row.method)) {
        name += "_L";
        AppendG(name, row.lengthPercent);
    }
    return name;
}

void CheckSweepCasesFolder(const std::string& dir) {
    const fs::path target = Bare(dir);
    std::error_code error;
    if (fs::exists(target, error) && !(fs::is_directory(target, error) && fs::is_empty(target, error))) {
        RefuseFolder(dir, "it exists and is not an empty folder (nothing written)",
                     "a pasta existe e não está vazia (nada gravado)");
    }
}

int WriteSweepCases(const moc::SweepRequest& request, const moc::SweepResult& result, const std::string& dir,
                    const CaseSettings& settings) {
    CheckCaseSettings(settings);
    CheckSweepCasesFolder(dir);
    const fs::path target = Bare(dir);
    std::error_code error;
    const fs::path temporary = target.string() + ".part-" + std::to_string(::getpid());
    fs::remove_all(temporary, error);
    if (!fs::create_directories(temporary, error)) {
        RefuseFolder(dir, "cannot create " + temporary.string() + ": " + error.message(),
                     "não foi possível criar " + temporary.string() + ": " + error.message());
    }
    try {
        std::string list;
        std::set<std::string> written;
        for (const moc::SweepRow& row : result.rows) {
            if (row.Refused() || !written.insert(SweepDesignFolder(row)).second) continue;
            list += WriteDesignCase(request, row, temporary, SweepDesignFolder(row), settings) + "\n";
        }
        const int count = static_cast<int>(written.size());
        if (count == 0) RefuseFolder(dir, "every design was refused", "todos os projetos foram recusados");
        WriteTextFileAtomically((temporary / kSweepCaseListName).string(), list);
        WriteScript(temporary / kSweepSlurmName, Filled(kSlurmScript, count, settings.processes));
        WriteScript(temporary / kSweepLocalRunName, Filled(kLocalScript, count, settings.processes));
        if (fs::exists(target, error)) fs::remove(target);
        fs::rename(temporary, target);
        return count;
    } catch (const fs::filesystem_error& failure) {
        fs::remove_all(temporary, error);
        RefuseFolder(dir, failure.code().message(), failure.code().message());
    } catch (...) {
        fs::remove_all(temporary, error);
        throw;
    }
}

}  // namespace bellnozzle::cli

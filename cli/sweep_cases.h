// A CFD sweep: one OpenFOAM case per design of a sweep, each beside its own
// profile file, and the scripts that run them all on a Slurm cluster or here.
#pragma once

#include <string>

#include "characteristics/trade_sweep.h"
#include "foam_case/case_settings.h"

namespace bellnozzle::cli {

// The folder of a design under a sweep folder: "chart_eps10_L80", "cone_eps10".
std::string SweepDesignFolder(const moc::SweepRow& row);

// The file listing the case folders in order, one a line, relative to the
// sweep folder: the job array's task N runs line N.
inline constexpr const char* kSweepCaseListName = "cases.txt";
inline constexpr const char* kSweepSlurmName = "sweep.slurm";
inline constexpr const char* kSweepLocalRunName = "run-local.sh";

// Throws Error (the same as WriteSweepCases would) unless dir is new or an
// empty folder: checked before a sweep runs, so that a long sweep is not
// refused at its end.
void CheckSweepCasesFolder(const std::string& dir);

// Writes, for every row that was not refused, DIR/FOLDER/zelto_perfil.txt and
// the case DIR/FOLDER/nozzle_case (the "case" command's writer, with
// settings), then cases.txt, sweep.slurm and run-local.sh. The whole folder
// is built beside dir and renamed into place, so dir is written whole or not
// at all; an existing dir is refused unless empty. Returns the number of
// cases. Throws Error when nothing can be written or no row has a design.
int WriteSweepCases(const moc::SweepRequest& request, const moc::SweepResult& result, const std::string& dir,
                    const CaseSettings& settings);

}  // namespace bellnozzle::cli

// "report --table DIR": every finished case under a folder (a CFD sweep's)
// gathered into one table, each run set against the analysis of its design.
#pragma once

#include "cli/commands.h"

namespace bellnozzle::cli {

// True when the arguments ask for the table (a "--table" option).
bool AsksForReportTable(const Args& args);

// The table's part of "report --help".
const char* ReportTableUsage();

int RunReportTableCommand(const Args& args);

}  // namespace bellnozzle::cli

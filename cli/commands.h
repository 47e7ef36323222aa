// The headless subcommands of bellnozzle. Each takes the arguments after its
// name and returns the process exit status.
#pragma once

#include <string>
#include <vector>

namespace bellnozzle::cli {

using Args = std::vector<std::string>;

int RunDesignCommand(const Args& args);
int RunLookupCommand(const Args& args);
int RunChartCommand(const Args& args);

int RunBlockMeshCommand(const Args& args);
int RunGmshCommand(const Args& args);
int RunGmsh2Command(const Args& args);
int RunPovRayCommand(const Args& args);

int RunCaseCommand(const Args& args);
int RunCfdCommand(const Args& args);
int RunReportCommand(const Args& args);
int RunCadCommand(const Args& args);
int RunRenderCommand(const Args& args);
int RunSummaryCommand(const Args& args);
int RunAnalyzeCommand(const Args& args);
int RunMeshCommand(const Args& args);
int RunSweepCommand(const Args& args);

}  // namespace bellnozzle::cli

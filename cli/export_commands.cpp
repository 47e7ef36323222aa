// Placeholder until the exporters land: each export command reports that it
// is not built yet.
#include "cli/command_line.h"
#include "cli/commands.h"

namespace bellnozzle::cli {

int RunBlockMeshCommand(const Args&) { return ReportRefusal("blockmesh is not built yet"); }
int RunGmshCommand(const Args&) { return ReportRefusal("gmsh is not built yet"); }
int RunGmsh2Command(const Args&) { return ReportRefusal("gmsh2 is not built yet"); }
int RunPovRayCommand(const Args&) { return ReportRefusal("povray is not built yet"); }

}  // namespace bellnozzle::cli

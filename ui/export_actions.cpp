// The four export buttons: each has the exporter write its file from the
// profile file, shows that file in the text pane and redraws the preview. An
// exporter that refuses the profile writes nothing, and then nothing on
// screen changes either.
#include "core/file_names.h"
#include "export/blockmesh_writer.h"
#include "export/gmsh_revolved_writer.h"
#include "export/gmsh_wedge_writer.h"
#include "export/pov_scene_writer.h"
#include "ui/main_window.h"

namespace bellnozzle::ui {

void TForm1::Button4Click() {
    WriteBlockMeshDict("", AxialCells(), RadialCells());
    ShowExport(kBlockMeshFileName);
}

void TForm1::Button5Click() {
    WriteGmshWedgeGeometry("");
    ShowExport(kGmshFileName);
}

void TForm1::Button6Click() {
    WriteGmshRevolvedGeometry("");
    ShowExport(kGmshFileName);
}

void TForm1::Button3Click() {
    WritePovScene("");
    ShowExport(kPovFileName);
}

void TForm1::ShowExport(const char* fileName) {
    Memo1->LoadFromFile(fileName);
    DrawMeshPreview();
}

}  // namespace bellnozzle::ui

// The mesh item asks for the sizes and the format, then runs Gmsh with a
// progress box that can stop it; the window stays drawn meanwhile. The text
// pane then shows Gmsh's counts above the script, and the picture pane the
// cells of the plus-side face (the point preview when Gmsh is missing).
#include "ui/mesh_menu.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include "core/text_format.h"
#include "ui/main_window.h"
#include "ui/menu_items.h"
#include "ui/mesh_dialog.h"
#include "ui/mesh_picture.h"
#include "ui/dialog_fields.h"
#include "ui/ui_text.h"

namespace bellnozzle::ui {
namespace {

// The dialog opens with what was asked the time before.
MeshScriptSettings& LastSettings() {
    static MeshScriptSettings settings;
    return settings;
}

const char* FormatCaption(MeshFileFormat format) {
    switch (format) {
    case MeshFileFormat::Msh4:
        return "MSH 4.1";
    case MeshFileFormat::Su2:
        return "SU2";
    case MeshFileFormat::Msh2:
        break;
    }
    return "MSH 2.2";
}

void MakeMesh(TForm1& form) {
    MeshDialog dialog(&form, LastSettings());
    RestoreDialogFields(&dialog);
    if (dialog.exec() != QDialog::Accepted) return;
    WedgeMeshRequest request;
    request.settings = dialog.Settings();
    LastSettings() = request.settings;

    QProgressDialog progress(Ui::tr("Gerando a malha com o Gmsh..."), Ui::tr("Interromper"),
                             0, 0, &form);
    progress.setWindowTitle(Ui::tr("Malha Gmsh"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    MeshProgress watch;
    watch.onLogLine = [&progress](const std::string& line) {
        // "Info    : Meshing 2D..." shows as "Meshing 2D...".
        const auto colon = line.find(": ");
        if (line.rfind("Info", 0) == 0 && colon != std::string::npos) {
            progress.setLabelText(QString::fromStdString(line.substr(colon + 2)));
        }
    };
    watch.shouldStop = [&progress] {
        progress.setValue(0);
        QCoreApplication::processEvents();
        return progress.wasCanceled();
    };
    const WedgeMeshResult result = MakeWedgeMesh(request, watch);
    progress.reset();

    form.Memo1->setPlainText(QString::fromUtf8(DescribeWedgeMesh(result)) +
                             QString::fromStdString(DecodeWindows1252(result.script)));
    if (!result.meshed) {
        form.DrawMeshPreview();
        return;
    }
    const MeshFace face = ReadMeshFace(result.meshPath, result.format, "axi_symm-r");
    const QString caption = Ui::tr("%1: face axi_symm-r, %2 células")
                                .arg(QString::fromStdString(result.meshPath))
                                .arg(result.summary.cells);
    form.Image1->GetPicture()->Assign(DrawMeshFace(face, form.Image1->size(), caption));
    form.Image1->PictureChanged();
}

}  // namespace

std::string DescribeWedgeMesh(const WedgeMeshResult& result) {
    if (!result.meshed) {
        return "// Gmsh não está instalado (pacote Debian gmsh): só o script " + result.scriptPath +
               " foi gravado.\n// Para gerar a malha: " + result.handCommand + "\n\n";
    }
    const MeshSummary& summary = result.summary;
    std::string text = Format("// Malha %s (%s)\n//   %lld nós, %lld células\n", result.meshPath.c_str(),
                              FormatCaption(result.format), summary.nodes, summary.cells);
    for (const MeshGroup& group : summary.groups) {
        AppendFormat(text, "//   %-12s %8lld %s\n", group.name.c_str(), group.elements,
                     group.dimension == 3 ? "células" : "faces");
    }
    return text + "\n";
}

void AddMeshMenuItems(TForm1& form) {
    AddMenuItem(form.MenuExportar, kMeshMenuCaption,
                QT_TRANSLATE_NOOP("Ui", "Gera com o Gmsh uma malha para solvers (OpenFOAM, SU2) do perfil da pasta"),
                [&form] { MakeMesh(form); });
}

}  // namespace bellnozzle::ui

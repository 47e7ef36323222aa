#include "ui/about_box.h"

#include <QMessageBox>

#include "core/version.h"
#include "ui/ui_text.h"

namespace bellnozzle::ui {
namespace {

void OpenBox(QWidget* parent, const char* objectName, const QString& title, const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setTextFormat(Qt::RichText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace

// The window's title keeps the name the program was first known by; the box
// names both, so the user sees they are one program.
QString AboutText() {
    return QStringLiteral("<p><b>Perfil Zelto 1.0</b> &mdash; <b>bellnozzle %1</b></p><p>%2</p><p>%3</p>")
        .arg(QString::fromLatin1(kVersion),
             Ui::tr("Projeto preliminar de bocais sino de motores de foguete pela aproximação "
                    "parabólica de empuxo otimizado (Rao): contorno da parede, arquivo de perfil e "
                    "exportação para OpenFOAM, Gmsh, POV-Ray e CAD."),
             Ui::tr("Licença MIT."));
}

void ShowAbout(QWidget* parent) {
    OpenBox(parent, "AboutBox", Ui::tr("Sobre o bellnozzle"), AboutText());
}

void ShowHelp(QWidget* parent) {
    OpenBox(parent, "HelpBox", Ui::tr("Ajuda"),
            Ui::tr("<p><b>Projeto:</b> digite o diâmetro da garganta (cm) e epsilon, escolha o "
                   "comprimento na lista e tecle Enter ou Ctrl+K (\"Cálculo\"). O perfil vai para "
                   "zelto_perfil.txt na pasta de trabalho, mostrada à direita da barra de menus.</p>"
                   "<p><b>Exportar:</b> cada item lê o perfil da pasta e grava o seu arquivo "
                   "(blockMesh, Gmsh, POV-Ray, CAD, caso OpenFOAM), mostrado no painel de texto.</p>"
                   "<p><b>Manual:</b> <tt>man bellnozzle</tt> e o guia do usuário "
                   "(docs/user-guide.md); <tt>bellnozzle --help</tt> lista os comandos.</p>"));
}

}  // namespace bellnozzle::ui

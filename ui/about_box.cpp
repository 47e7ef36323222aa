#include "ui/about_box.h"

#include <QMessageBox>

#include "core/version.h"

namespace bellnozzle::ui {

QString AboutText() {
    return QString::fromUtf8(
               "<p><b>bellnozzle %1</b></p>"
               "<p>Projeto preliminar de bocais sino de motores de foguete pela aproximação "
               "parabólica de empuxo otimizado (Rao): contorno da parede, arquivo de perfil e "
               "exportação para OpenFOAM, Gmsh, POV-Ray e CAD.</p>"
               "<p>Licença MIT.</p>")
        .arg(QString::fromLatin1(kVersion));
}

void ShowAbout(QWidget* parent) {
    auto* box = new QMessageBox(QMessageBox::Information, QString::fromUtf8("Sobre o bellnozzle"), AboutText(),
                                QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("AboutBox"));
    box->setTextFormat(Qt::RichText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace bellnozzle::ui

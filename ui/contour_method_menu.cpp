#include "ui/contour_method_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QInputDialog>
#include <QMessageBox>

#include "core/error.h"
#include "core/file_names.h"
#include "core/text_file.h"
#include "ui/main_window.h"

namespace bellnozzle::ui {
namespace {

constexpr const char* kChoiceName = "ContourMethodChoice";

struct MethodItem {
    moc::ContourMethod method;
    const char* caption;
};

constexpr MethodItem kMethodItems[] = {
    {moc::ContourMethod::Chart, "Parábola do gráfico"},
    {moc::ContourMethod::Parabola, "Melhor parábola (características)"},
    {moc::ContourMethod::Toc, "TOC de Rao (empuxo ótimo)"},
    {moc::ContourMethod::Tic, "Ideal truncado (TIC)"},
    {moc::ContourMethod::Ideal, "Ideal (saída uniforme)"},
};

// The submenu's state, found again by name from the form.
class ChoiceHolder : public QObject {
public:
    explicit ChoiceHolder(QObject* parent) : QObject(parent) { setObjectName(QString::fromLatin1(kChoiceName)); }
    ContourMethodChoice choice;
};

ChoiceHolder* HolderOf(TForm1& form) {
    return dynamic_cast<ChoiceHolder*>(form.findChild<QObject*>(QString::fromLatin1(kChoiceName)));
}

// Asks the gamma for a method of characteristics; false when cancelled.
bool AskGamma(TForm1& form, double& gamma) {
    bool accepted = false;
    const double value = QInputDialog::getDouble(
        &form, QString::fromUtf8("Método do contorno"),
        QString::fromUtf8("Razão de calores específicos (gama) do gás:"), gamma, 1.01, 5.0 / 3.0, 3,
        &accepted);
    if (accepted) gamma = value;
    return accepted;
}

void Choose(TForm1& form, ChoiceHolder& holder, QAction* item, moc::ContourMethod method,
            QAction* previous) {
    double gamma = holder.choice.gamma;
    if (moc::MethodUsesGamma(method) && !AskGamma(form, gamma)) {
        // Cancelled: the earlier choice stays.
        if (previous != nullptr) previous->setChecked(true);
        return;
    }
    holder.choice = {method, gamma};
    item->setChecked(true);
}

}  // namespace

void AddContourMethodMenu(TForm1& form) {
    auto* holder = new ChoiceHolder(&form);
    QMenu* submenu = form.MenuProjeto->addMenu(QString::fromUtf8("Método do contorno"));
    submenu->setObjectName(QStringLiteral("MenuMetodoContorno"));
    auto* group = new QActionGroup(submenu);
    group->setExclusive(true);
    for (const MethodItem& entry : kMethodItems) {
        QAction* item = submenu->addAction(QString::fromUtf8(entry.caption));
        item->setCheckable(true);
        item->setData(QString::fromLatin1(moc::ContourMethodName(entry.method)));
        group->addAction(item);
        if (entry.method == moc::ContourMethod::Chart) item->setChecked(true);
        const moc::ContourMethod method = entry.method;
        QObject::connect(item, &QAction::triggered, submenu, [&form, holder, item, method, group] {
            QAction* previous = nullptr;
            for (QAction* other : group->actions()) {
                if (other->data().toString() == QString::fromLatin1(moc::ContourMethodName(holder->choice.method))) {
                    previous = other;
                }
            }
            Choose(form, *holder, item, method, previous);
        });
    }
}

ContourMethodChoice ChosenContourMethod(TForm1& form) {
    const ChoiceHolder* holder = HolderOf(form);
    return holder != nullptr ? holder->choice : ContourMethodChoice{};
}

DesignResult RunChosenContourDesign(TForm1& form, float diameter, float lengthPercent, float epsilon) {
    const ContourMethodChoice choice = ChosenContourMethod(form);
    moc::DesignRequest request;
    request.method = choice.method;
    request.gamma = choice.gamma;
    request.diameter = diameter;
    request.lengthPercent = lengthPercent;
    request.epsilon = epsilon;
    const moc::DesignedProfile design = moc::DesignProfile(request);
    WriteTextFileAtomically(kProfileFileName, design.profileText);
    DesignResult result{design.Rt, design.thetaN, design.thetaS, {}};
    for (std::size_t i = 0; i < design.notes.size(); ++i) {
        result.notes.push_back({design.notes[i], i < design.notesPortuguese.size() ? design.notesPortuguese[i] : ""});
    }
    return result;
}

void ShowDesignNotes(TForm1& form, const std::vector<DesignNote>& notes) {
    if (notes.empty()) return;
    QString text;
    for (const DesignNote& note : notes) {
        if (!text.isEmpty()) text += QStringLiteral("\n");
        text += QString::fromStdString(note.portuguese);
    }
    auto* box = new QMessageBox(QMessageBox::Information, QString::fromUtf8("Nota do projeto"), text,
                                QMessageBox::Ok, &form);
    box->setObjectName(QStringLiteral("DesignNoteBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

}  // namespace bellnozzle::ui

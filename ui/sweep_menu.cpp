#include "ui/sweep_menu.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <thread>

#include "core/entry_conversion.h"
#include "core/error.h"
#include "core/text_format.h"
#include "ui/main_window.h"
#include "ui/menu_items.h"
#include "ui/sweep_chart.h"
#include "ui/ui_text.h"
#include "ui/dialog_fields.h"
#include "ui/language.h"

namespace bellnozzle::ui {
namespace {

// The whole entry one finite number; a decimal comma, as a Portuguese
// desktop types it, reads as a point.
double DialogNumber(const QLineEdit* entry, const char* english, const char* portuguese) {
    double value = 0;
    if (!ReadDialogNumber(entry, value)) {
        throw Error(std::string(english) + " needs a number", std::string(portuguese) + " precisa de um número");
    }
    return value;
}

class SweepDialog : public QDialog {
public:
    explicit SweepDialog(TForm1& form) : QDialog(&form) {
        setObjectName("DialogEstudo");
        setWindowTitle(Ui::tr("Estudo de comprimento"));
        auto* layout = new QFormLayout(this);
        auto entry = [&](const char* name, const char* label, const QString& text) {
            auto* edit = new QLineEdit(text, this);
            edit->setObjectName(name);
            layout->addRow(Ui::tr(label), edit);
            return edit;
        };
        diameter = entry("EditDiametro", QT_TRANSLATE_NOOP("Ui", "Diâmetro da garganta (cm)"), form.Edit1->text());
        epsilons = entry("EditEpsilons", QT_TRANSLATE_NOOP("Ui", "Epsilon (lista, ou A:B:PASSO)"), form.Edit3->text());
        lengths = entry("EditComprimentos", QT_TRANSLATE_NOOP("Ui", "Comprimentos (% do cone)"), "60:100:10");
        methods = entry("EditMetodos", QT_TRANSLATE_NOOP("Ui", "Métodos (chart, cone, ideal, tic, parabola, toc)"),
                        "chart,cone");
        gamma = entry("EditGama", QT_TRANSLATE_NOOP("Ui", "Gama (cp/cv)"), "1.4");
        chamber = entry("EditPressao", QT_TRANSLATE_NOOP("Ui", "Pressão na câmara (bar)"), "20");
        ambient = entry("EditAmbiente", QT_TRANSLATE_NOOP("Ui", "Pressão ambiente (bar)"), "1.01325");
        layout->addRow(MakeDialogButtons(this, Ui::tr("Calcular")));
    }

    // Decimal commas are read in the single numbers only: a list separates
    // its values with commas.
    moc::SweepRequest Request() const {
        moc::SweepRequest r;
        r.diameter = static_cast<float>(DialogNumber(diameter, "the throat diameter", "o diâmetro da garganta"));
        r.epsilons = moc::ParseSweepNumbers(epsilons->text().toStdString(), "epsilon");
        r.lengthPercents = moc::ParseSweepNumbers(lengths->text().toStdString(), "comprimento");
        r.methods = moc::ParseSweepMethods(methods->text().toStdString());
        r.gamma = DialogNumber(gamma, "gamma", "gama");
        r.p0Bar = DialogNumber(chamber, "p0", "p0");
        r.paBar = DialogNumber(ambient, "pa", "pa");
        moc::SweepDesigns(r);  // refused here, before anything runs
        return r;
    }

    QLineEdit *diameter, *epsilons, *lengths, *methods, *gamma, *chamber, *ambient;
};

// Runs the sweep on a thread of its own while a progress dialog, whose
// button stops it, keeps the window responsive.
moc::SweepResult RunWithProgress(TForm1& form, const moc::SweepRequest& request) {
    QProgressDialog progress(Ui::tr("Projetando e analisando..."), Ui::tr("Parar"), 0, 1000,
                             &form);
    progress.setObjectName("ProgressoEstudo");
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    std::atomic<bool> stop{false}, finished{false};
    std::atomic<long long> done{0}, total{1};
    moc::SweepResult result;
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            result = moc::RunSweep(request, [&](const moc::SweepProgress& p) {
                done = p.done;
                total = std::max<long long>(p.total, 1);
            }, &stop);
        } catch (...) {
            failure = std::current_exception();
        }
        finished = true;
    });
    while (!finished) {
        progress.setValue(static_cast<int>(1000 * done / total));
        if (progress.wasCanceled()) stop = true;
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
    worker.join();
    if (failure) std::rethrow_exception(failure);
    return result;
}

void RunSweepItem(TForm1& form) {
    SweepDialog dialog(form);
    if (dialog.exec() != QDialog::Accepted) return;
    const moc::SweepRequest request = dialog.Request();
    const moc::SweepResult result = RunWithProgress(form, request);
    form.Image1->GetPicture()->Assign(
        DrawSweepChart(result, QSize(form.Image1->Width(), form.Image1->Height()),
                       CurrentLanguage() != Language::English));
    form.Image1->PictureChanged();
    form.Memo1->setPlainText(QString::fromStdString(SweepTableText(result)));
}

}  // namespace

std::string SweepTableText(const moc::SweepResult& result) {
    if (CurrentLanguage() == Language::English) return moc::FormatSweepText(result);
    moc::SweepResult shown = result;
    shown.complete = true;
    for (moc::SweepRow& row : shown.rows) row.error = row.errorPortuguese;
    std::string text = moc::FormatSweepText(shown, "recusado: ");
    if (!result.complete) {
        text += Format("incompleto: parado após %zu de %lld projetos\n", result.rows.size(), result.total);
    }
    return text;
}

void AddSweepMenuItem(TForm1& form) {
    AddMenuItem(form.MenuProjeto, QT_TRANSLATE_NOOP("Ui", "Estudo de comprimento..."),
                QT_TRANSLATE_NOOP("Ui", "Projeta e analisa cada método em cada epsilon e comprimento pedidos: o "
                                        "gráfico de eficiência contra comprimento e a tabela no painel de texto"),
                [&form] { RunSweepItem(form); });
}

}  // namespace bellnozzle::ui

// The window's side of the case: a dialog for the conditions, and a small
// run panel (progress bar, stop button) over a run on a thread of its own,
// so the window stays usable. Writing, running and reading the result are
// the library's, as for the command.
#include "ui/case_menu.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSettings>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <atomic>
#include <cmath>
#include <mutex>
#include <thread>

#include "core/entry_conversion.h"
#include "core/error.h"
#include "core/file_names.h"
#include "foam_case/case_report.h"
#include "foam_case/case_run.h"
#include "foam_case/case_writer.h"
#include "foam_case/mach_field.h"
#include "ui/dialog_fields.h"
#include "ui/mach_image.h"
#include "ui/run_picture.h"
#include "ui/main_window.h"
#include "ui/menu_items.h"
#include "ui/ui_text.h"

namespace bellnozzle::ui {
namespace {

// How long the run panel stays up after "Concluída", in milliseconds.
constexpr int kPanelLingers = 1500;

// The folder the last case was written to, offered to the run item.
// At start, the folder the case dialog remembers from the last session.
QString& LastCaseFolder() {
    static QString folder = QSettings(QStringLiteral("bellnozzle"), QStringLiteral("bellnozzle"))
                                .value(QStringLiteral("dialogs/DialogCaso/EditPasta"), kDefaultCaseFolderName)
                                .toString();
    return folder;
}

// A field's name as the window shows it, for messages about it.
std::string FieldName(const QLineEdit* entry) {
    return entry->property("fieldName").toString().toStdString();
}

// A decimal entry of the dialog: the whole text a finite number; a decimal
// comma, as a Portuguese desktop types it, reads as a point.
double DialogNumber(QLineEdit* entry) {
    double value = 0;
    if (!ReadDialogNumber(entry, value)) {
        const std::string name = FieldName(entry);
        throw FieldRefusal(entry, "\"" + name + "\" needs a number", "\"" + name + "\" precisa de um número");
    }
    return value;
}

int DialogCount(QLineEdit* entry) {
    const double value = DialogNumber(entry);
    if (value != std::floor(value) || std::fabs(value) > 2e9) {
        const std::string name = FieldName(entry);
        throw FieldRefusal(entry, "\"" + name + "\" needs a whole number",
                           "\"" + name + "\" precisa de um número inteiro");
    }
    return static_cast<int>(value);
}

class CaseDialog : public QDialog {
public:
    CaseDialog(TForm1& form) : QDialog(&form) {
        setObjectName("DialogCaso");
        setWindowTitle(Ui::tr("Caso OpenFOAM"));
        auto* layout = new QFormLayout(this);
        auto entry = [&](const char* name, const char* label, const char* toolTip, const QString& text) {
            auto* edit = new QLineEdit(text, this);
            edit->setObjectName(name);
            edit->setToolTip(Ui::tr(toolTip));
            edit->setProperty("fieldName", Ui::tr(label));
            layout->addRow(Ui::tr(label), edit);
            return edit;
        };
        pressure = entry("EditPressao", QT_TRANSLATE_NOOP("Ui", "Pressão na câmara (bar)"),
                         QT_TRANSLATE_NOOP("Ui", "Pressão total na entrada, em bar"), "20");
        temperature = entry("EditTemperatura", QT_TRANSLATE_NOOP("Ui", "Temperatura na câmara (K)"),
                            QT_TRANSLATE_NOOP("Ui", "Temperatura total na entrada, em kelvin"), "3000");
        gamma = entry("EditGama", QT_TRANSLATE_NOOP("Ui", "Gama (cp/cv)"),
                      QT_TRANSLATE_NOOP("Ui", "Razão dos calores específicos do gás, acima de 1"), "1.4");
        molarMass = entry("EditMassaMolar", QT_TRANSLATE_NOOP("Ui", "Massa molar (g/mol)"),
                          QT_TRANSLATE_NOOP("Ui", "Massa molar do gás, em g/mol (ar: 28.96)"), "28.96");
        axial = entry("EditNX", QT_TRANSLATE_NOOP("Ui", "Células NX (eixo)"),
                      QT_TRANSLATE_NOOP("Ui", "Células ao longo do eixo"), form.Edit5->text());
        radial = entry("EditNY", QT_TRANSLATE_NOOP("Ui", "Células NY (eixo à parede)"),
                       QT_TRANSLATE_NOOP("Ui", "Células do eixo à parede"), form.Edit6->text());
        processes = entry("EditProcessos", QT_TRANSLATE_NOOP("Ui", "Processos"),
                          QT_TRANSLATE_NOOP("Ui", "Processos MPI da simulação (1: sem MPI)"), "1");
        folder = entry("EditPasta", QT_TRANSLATE_NOOP("Ui", "Pasta do caso"),
                       QT_TRANSLATE_NOOP("Ui", "Pasta a criar com o caso, relativa à pasta de trabalho"),
                       LastCaseFolder());
        // The cell counts follow the window's NX and NY entries.
        axial->setProperty("notRemembered", true);
        radial->setProperty("notRemembered", true);
        start = new QComboBox(this);
        start->setObjectName("ComboInicio");
        start->setToolTip(Ui::tr("Como a simulação começa: do escoamento 1-D isentrópico de cada célula, ou de um "
                                 "bocal cheio de gás rarefeito"));
        start->addItem(Ui::tr("Escoamento 1-D isentrópico"));
        start->addItem(Ui::tr("Bocal cheio de gás rarefeito"));
        layout->addRow(Ui::tr("Início da simulação"), start);
        replace = new QCheckBox(Ui::tr("Substituir a pasta, mesmo com resultados"), this);
        replace->setObjectName("CheckSubstituir");
        replace->setProperty("notRemembered", true);
        layout->addRow(replace);
        layout->addRow(MakeDialogButtons(this, Ui::tr("Gravar")));
        RestoreDialogFields(this);
    }

    // Closes only with values the case can use.
    // Closes once the case is written: a value the writer refuses (a
    // pressure of 0, a folder of the user's) leaves the dialog open with
    // everything typed, as a value that is no number does.
    void accept() override {
        if (!ReadOrMark([this] {
                Read();
                WriteCase(PathIn("", kProfileFileName), caseFolder, settings, replace->isChecked());
            })) {
            return;
        }
        RememberDialogFields(this);
        QDialog::accept();
    }

    CaseSettings settings;
    std::string caseFolder;
    QLineEdit *pressure, *temperature, *gamma, *molarMass, *axial, *radial, *processes, *folder;
    QComboBox* start;
    QCheckBox* replace;

private:
    void Read() {
        CaseSettings s;
        s.gas.chamberPressure = DialogNumber(pressure) * 1e5;
        s.gas.chamberTemperature = DialogNumber(temperature);
        s.gas.gamma = DialogNumber(gamma);
        s.gas.molarMass = DialogNumber(molarMass);
        s.axialCells = DialogCount(axial);
        s.radialCells = DialogCount(radial);
        s.processes = DialogCount(processes);
        s.start = start->currentIndex() == 1 ? CaseStart::Fill : CaseStart::OneDimensional;
        const std::string where = folder->text().trimmed().toStdString();
        if (where.empty()) throw FieldRefusal(folder, "the case needs a folder", "o caso precisa de uma pasta");
        settings = s;
        caseFolder = where;
    }
};

void WriteCaseFromDialog(TForm1& form) {
    CaseDialog dialog(form);
    if (dialog.exec() != QDialog::Accepted) return;
    LastCaseFolder() = QString::fromStdString(dialog.caseFolder);
    form.Memo1->LoadFromFile(PathIn(dialog.caseFolder, "README"));
}

// A run on its own thread, watched from the window's thread by a timer.
class RunPanel : public QWidget {
public:
    // A small window of its own over the main window, with a title bar and
    // a close button (closing it stops the run, as "Parar" does).
    explicit RunPanel(TForm1& form)
        : QWidget(&form, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), form_(form) {
        setObjectName("PainelSimulacao");
        setWindowTitle(Ui::tr("Simulação"));
        auto* layout = new QVBoxLayout(this);
        status_ = new QLabel(this);
        status_->setObjectName("LabelSimulacao");
        bar_ = new QProgressBar(this);
        bar_->setObjectName("ProgressBarSimulacao");
        bar_->setRange(0, 1000);
        stop_ = new QPushButton(Ui::tr("Parar"), this);
        stop_->setToolTip(Ui::tr("Interrompe a simulação; o caso pode ser executado de novo"));
        stop_->setObjectName("ButtonParar");
        layout->addWidget(status_);
        layout->addWidget(bar_);
        layout->addWidget(stop_);
        resize(380, 110);
        connect(stop_, &QPushButton::clicked, this, [this] { RequestStop(); });
        timer_ = new QTimer(this);
        connect(timer_, &QTimer::timeout, this, [this] { Poll(); });
    }

    ~RunPanel() override {
        stopRequested_ = true;
        if (worker_.joinable()) worker_.join();
    }

    bool Running() const { return worker_.joinable(); }
    void SetMenuItem(QAction* item) { item_ = item; }

    void Start(const std::string& caseDir) {
        caseDir_ = caseDir;
        stopRequested_ = false;
        done_ = false;
        progress_ = {};
        bar_->setValue(0);
        stop_->setEnabled(true);
        status_->setText(Ui::tr("Iniciando %1").arg(QString::fromStdString(caseDir)));
        item_->setEnabled(false);
        // Centred over the main window, wherever that is on the screen.
        move(form_.geometry().center() - QPoint(width() / 2, height() / 2));
        show();
        raise();
        worker_ = std::thread([this] { Work(); });
        timer_->start(200);
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        if (Running()) RequestStop();
        QWidget::closeEvent(event);
    }

private:
    void RequestStop() {
        stopRequested_ = true;
        stop_->setEnabled(false);
    }

    void Work() {
        CaseRunOptions options;
        options.shouldStop = [this] { return stopRequested_.load(); };
        options.onProgress = [this](const RunProgress& progress) {
            std::lock_guard<std::mutex> lock(mutex_);
            progress_ = progress;
        };
        CaseRunResult result;
        try {
            result = RunCaseFolder(caseDir_, options);
        } catch (const Error& error) {
            result.outcome = RunOutcome::Failed;
            result.english = error.what();
            result.portuguese = error.Portuguese();
        } catch (const std::exception& error) {
            result.outcome = RunOutcome::Failed;
            result.english = result.portuguese = error.what();
        }
        std::lock_guard<std::mutex> lock(mutex_);
        result_ = result;
        done_ = true;
    }

    void Poll() {
        RunProgress progress;
        bool done;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            progress = progress_;
            done = done_;
        }
        bar_->setValue(static_cast<int>(progress.Fraction() * 1000));
        QString text = progress.step.empty() ? Ui::tr("Iniciando") : QString::fromStdString(progress.step);
        if (progress.simulatedTime > 0) {
            text += Ui::tr(": t = %1 s de %2 s")
                        .arg(QString::number(progress.simulatedTime, 'g', 4), QString::number(progress.endTime, 'g', 4));
        }
        if (progress.secondsLeft >= 0) {
            // To the end time: a run that settles sooner ends sooner.
            text += Ui::tr(", faltam no máximo cerca de %1 s").arg(std::lround(progress.secondsLeft));
        }
        status_->setText(text);
        if (done) Finish();
    }

    void Finish() {
        timer_->stop();
        worker_.join();
        item_->setEnabled(true);
        stop_->setEnabled(false);
        if (result_.outcome == RunOutcome::Finished) {
            bar_->setValue(1000);
            status_->setText(Ui::tr("Concluída"));
            Application->RunGuarded([this] { ShowResult(); });
            // The result is in the panes; the panel has nothing left to say.
            QTimer::singleShot(kPanelLingers, this, [this] { hide(); });
        } else if (result_.outcome == RunOutcome::Stopped) {
            status_->setText(QString::fromStdString(result_.portuguese));
        } else {
            status_->setText(QString::fromStdString(result_.portuguese));
            const Error error(result_.english, result_.portuguese);
            Application->RunGuarded([&] { throw error; });
        }
    }

    // The report in Portuguese, and the Mach picture with the wall pressure
    // of the run, the 2-D analysis and 1-D theory below it.
    void ShowResult() {
        const CaseReport report = ReadCaseReport(caseDir_);
        form_.Memo1->setPlainText(QString::fromStdString(FormatReportText(report, true)));
        const MachField field = ReadMachField(caseDir_);
        const QImage picture = DrawRunPicture(field, report, std::max(form_.Image1->Width(), 400));
        form_.Image1->GetPicture()->Assign(picture.scaled(form_.Image1->Width(), form_.Image1->Height(),
                                                          Qt::KeepAspectRatio, Qt::SmoothTransformation));
        form_.Image1->PictureChanged();
    }

    TForm1& form_;
    QAction* item_ = nullptr;
    QLabel* status_;
    QProgressBar* bar_;
    QPushButton* stop_;
    QTimer* timer_;
    std::string caseDir_;
    std::thread worker_;
    std::atomic<bool> stopRequested_{false};
    std::mutex mutex_;
    RunProgress progress_;
    bool done_ = false;
    CaseRunResult result_;
};

}  // namespace

void AddCaseMenuItems(TForm1& form) {
    AddMenuItem(form.MenuExportar, QT_TRANSLATE_NOOP("Ui", "Caso OpenFOAM..."),
                QT_TRANSLATE_NOOP("Ui", "Grava uma pasta de caso OpenFOAM pronta para rodar, do perfil da pasta"),
                [&form] { WriteCaseFromDialog(form); });
    auto* panel = new RunPanel(form);
    panel->SetMenuItem(AddMenuItem(form.MenuSimulacao, QT_TRANSLATE_NOOP("Ui", "Executar caso OpenFOAM..."),
                                   QT_TRANSLATE_NOOP("Ui", "Roda um caso gravado (rhoCentralFoam) e mostra o relatório e o número de Mach"),
                                   [&form, panel] {
        if (panel->Running()) return;
        QInputDialog ask(&form);
        ask.setObjectName("DialogExecutar");
        ask.setWindowTitle(Ui::tr("Executar caso OpenFOAM"));
        ask.setLabelText(Ui::tr("Pasta do caso"));
        ask.setTextValue(LastCaseFolder());
        ask.setOkButtonText(Ui::tr("Executar"));
        ask.setCancelButtonText(Ui::tr("Cancelar"));
        if (ask.exec() != QDialog::Accepted) return;
        const QString folder = ask.textValue().trimmed();
        if (folder.isEmpty()) return;
        LastCaseFolder() = folder;
        // A folder that is no case is refused before the panel opens.
        ReadRecordedCase(folder.toStdString());
        panel->Start(folder.toStdString());
    }));
}

}  // namespace bellnozzle::ui

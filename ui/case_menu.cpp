// The window's side of the case: a dialog for the conditions, and a small
// run panel (progress bar, stop button) over a run on a thread of its own,
// so the window stays usable. Writing, running and reading the result are
// the library's, as for the command.
#include "ui/case_menu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
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
#include "ui/run_picture.h"
#include "ui/main_window.h"
#include "ui/menu_items.h"

namespace bellnozzle::ui {
namespace {

// The folder the last case was written to, offered to the run item.
QString& LastCaseFolder() {
    static QString folder = kDefaultCaseFolderName;
    return folder;
}

// A decimal entry of the dialog: the whole text a finite number; a decimal
// comma, as a Portuguese desktop types it, reads as a point.
double DialogNumber(const QLineEdit* entry, const char* label) {
    std::string text = entry->text().trimmed().toStdString();
    if (text.find('.') == std::string::npos) std::replace(text.begin(), text.end(), ',', '.');
    double value = 0;
    if (!ParseNumber(text, value)) {
        throw Error(std::string(label) + " needs a number", std::string(label) + " precisa de um número");
    }
    return value;
}

int DialogCount(const QLineEdit* entry, const char* label) {
    const double value = DialogNumber(entry, label);
    if (value != std::floor(value) || std::fabs(value) > 2e9) {
        throw Error(std::string(label) + " needs a whole number", std::string(label) + " precisa de um número inteiro");
    }
    return static_cast<int>(value);
}

class CaseDialog : public QDialog {
public:
    CaseDialog(TForm1& form) : QDialog(&form) {
        setObjectName("DialogCaso");
        setWindowTitle(QString::fromUtf8("Caso OpenFOAM"));
        auto* layout = new QFormLayout(this);
        auto entry = [&](const char* name, const char* label, const QString& text) {
            auto* edit = new QLineEdit(text, this);
            edit->setObjectName(name);
            layout->addRow(QString::fromUtf8(label), edit);
            return edit;
        };
        pressure = entry("EditPressao", "Pressão na câmara (bar)", "20");
        temperature = entry("EditTemperatura", "Temperatura na câmara (K)", "3000");
        gamma = entry("EditGama", "Gama (cp/cv)", "1.4");
        molarMass = entry("EditMassaMolar", "Massa molar (g/mol)", "28.96");
        axial = entry("EditNX", "Células NX (eixo)", form.Edit5->text());
        radial = entry("EditNY", "Células NY (eixo à parede)", form.Edit6->text());
        processes = entry("EditProcessos", "Processos", "1");
        folder = entry("EditPasta", "Pasta do caso", LastCaseFolder());
        start = new QComboBox(this);
        start->setObjectName("ComboInicio");
        start->addItem(QString::fromUtf8("Escoamento 1-D isentrópico"));
        start->addItem(QString::fromUtf8("Bocal cheio de gás rarefeito"));
        layout->addRow(QString::fromUtf8("Início da simulação"), start);
        replace = new QCheckBox(QString::fromUtf8("Substituir a pasta, mesmo com resultados"), this);
        replace->setObjectName("CheckSubstituir");
        layout->addRow(replace);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8("Gravar"));
        buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("Cancelar"));
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        layout->addRow(buttons);
    }

    CaseSettings Settings() const {
        CaseSettings s;
        s.gas.chamberPressure = DialogNumber(pressure, "Pressão na câmara") * 1e5;
        s.gas.chamberTemperature = DialogNumber(temperature, "Temperatura na câmara");
        s.gas.gamma = DialogNumber(gamma, "Gama");
        s.gas.molarMass = DialogNumber(molarMass, "Massa molar");
        s.axialCells = DialogCount(axial, "Células NX");
        s.radialCells = DialogCount(radial, "Células NY");
        s.processes = DialogCount(processes, "Processos");
        s.start = start->currentIndex() == 1 ? CaseStart::Fill : CaseStart::OneDimensional;
        return s;
    }

    QLineEdit *pressure, *temperature, *gamma, *molarMass, *axial, *radial, *processes, *folder;
    QComboBox* start;
    QCheckBox* replace;
};

void WriteCaseFromDialog(TForm1& form) {
    CaseDialog dialog(form);
    if (dialog.exec() != QDialog::Accepted) return;
    const CaseSettings settings = dialog.Settings();
    const std::string folder = dialog.folder->text().trimmed().toStdString();
    if (folder.empty()) throw Error("the case needs a folder", "o caso precisa de uma pasta");
    WriteCase(PathIn("", kProfileFileName), folder, settings, dialog.replace->isChecked());
    LastCaseFolder() = QString::fromStdString(folder);
    form.Memo1->LoadFromFile(PathIn(folder, "README"));
}

// A run on its own thread, watched from the window's thread by a timer.
class RunPanel : public QWidget {
public:
    explicit RunPanel(TForm1& form) : QWidget(&form, Qt::Tool), form_(form) {
        setObjectName("PainelSimulacao");
        setWindowTitle(QString::fromUtf8("Simulação"));
        auto* layout = new QVBoxLayout(this);
        status_ = new QLabel(this);
        status_->setObjectName("LabelSimulacao");
        bar_ = new QProgressBar(this);
        bar_->setObjectName("ProgressBarSimulacao");
        bar_->setRange(0, 1000);
        stop_ = new QPushButton(QString::fromUtf8("Parar"), this);
        stop_->setObjectName("ButtonParar");
        layout->addWidget(status_);
        layout->addWidget(bar_);
        layout->addWidget(stop_);
        resize(380, 110);
        connect(stop_, &QPushButton::clicked, this, [this] {
            stopRequested_ = true;
            stop_->setEnabled(false);
        });
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
        status_->setText(QString::fromUtf8("Iniciando ") + QString::fromStdString(caseDir));
        item_->setEnabled(false);
        show();
        raise();
        worker_ = std::thread([this] { Work(); });
        timer_->start(200);
    }

private:
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
        QString text = QString::fromStdString(progress.step.empty() ? "Iniciando" : progress.step);
        if (progress.simulatedTime > 0) {
            text += ": t = " + QString::number(progress.simulatedTime, 'g', 4) + " s de " +
                    QString::number(progress.endTime, 'g', 4) + " s";
        }
        if (progress.secondsLeft >= 0) {
            // To the end time: a run that settles sooner ends sooner.
            text += QString::fromUtf8(", faltam no máximo cerca de ") +
                    QString::number(std::lround(progress.secondsLeft)) + " s";
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
            status_->setText(QString::fromUtf8("Concluída"));
            Application->RunGuarded([this] { ShowResult(); });
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
    AddMenuItem(form.MenuExportar, "Caso OpenFOAM...", [&form] { WriteCaseFromDialog(form); });
    auto* panel = new RunPanel(form);
    panel->SetMenuItem(AddMenuItem(form.MenuSimulacao, "Executar caso OpenFOAM...", [&form, panel] {
        if (panel->Running()) return;
        bool ok = false;
        const QString folder = QInputDialog::getText(&form, QString::fromUtf8("Executar caso OpenFOAM"),
                                                     QString::fromUtf8("Pasta do caso"), QLineEdit::Normal,
                                                     LastCaseFolder(), &ok)
                                   .trimmed();
        if (!ok || folder.isEmpty()) return;
        LastCaseFolder() = folder;
        // A folder that is no case is refused before the panel opens.
        ReadRecordedCase(folder.toStdString());
        panel->Start(folder.toStdString());
    }));
}

}  // namespace bellnozzle::ui

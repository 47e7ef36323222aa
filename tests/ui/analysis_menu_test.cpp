// "Projeto > Análise 2-D (características)..." chosen through the real menu,
// its dialog answered as a user would, and the picture it shows drawn from
// hand-made results.
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <functional>

#include <cmath>
#include <sstream>

#include "characteristics/analysis_report.h"
#include "characteristics/nozzle_analysis.h"
#include "core/profile_reader.h"
#include "ui/analysis_image.h"
#include "ui/language.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

using namespace bellnozzle;
using namespace bellnozzle::ui;
using namespace bellnozzle::test;

namespace {

constexpr const char* kAnalysisItem = "Análise 2-D (características)...";

// Answers the analysis dialog the menu item about to be chosen opens: types
// the entries given (object name, text), then accepts; a dialog still open
// after that (a refused entry) is handed to after and then cancelled.
void AnswerAnalysisDialog(std::vector<std::pair<const char*, QString>> entries,
                          std::function<void(QDialog*)> after = {}) {
    AnswerNextDialog([entries = std::move(entries), after = std::move(after)](QDialog* dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("DialogAnalise"));
        for (const auto& [name, text] : entries) Type(dialog, name, text);
        dialog->accept();
        if (dialog->isVisible()) {
            if (after) after(dialog);
            dialog->reject();
        }
    });
}

moc::AnalysisResult HandMade() {
    moc::AnalysisResult r;
    r.options.characteristics = 12;
    r.throatRadiusCm = 2.5;
    r.exitRadiusCm = 7.9;
    // A straight 15-degree wall from the throat, its Mach number growing.
    for (int i = 0; i <= 20; ++i) {
        const double x = 0.8 * i, y = 2.5 + x * std::tan(M_PI / 12);
        const double mach = 1 + 0.1 * i;
        r.wall.push_back({x, y, mach, std::pow(1 + 0.2 * mach * mach, -3.5)});
    }
    // Lines from the axis to the wall, as the net's right-running ones lie.
    for (int i = 0; i < 10; ++i) {
        std::vector<moc::NetPoint> line;
        for (int j = 0; j <= 10; ++j) {
            const double x = 1.6 * i + 0.16 * j;
            line.push_back({x, j / 10.0 * (2.5 + x * std::tan(M_PI / 12)), 1 + 0.1 * x / 0.8});
        }
        r.netLines.push_back(line);
    }
    r.shock = moc::ShockStart{9.0, 4.0};
    r.separationXCm = 12.0;
    return r;
}

// Pixels of a strong colour (neither white, grey nor black).
int ColouredPixels(const QImage& image, int top, int bottom) {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.saturation() > 120 && c.value() > 80) ++count;
        }
    }
    return count;
}

int PixelsNear(const QImage& image, QColor colour, int top, int bottom) {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) < 40) {
                ++count;
            }
        }
    }
    return count;
}

// The numbers of a line before any note in parentheses.
std::vector<std::string> LineNumbers(const std::string& line, const std::string& separator) {
    const std::size_t start = line.find(separator) + separator.size();
    std::istringstream words(line.substr(start, line.find(" (") - start));
    std::vector<std::string> numbers;
    for (std::string word; words >> word;) {
        if (word.find_first_of("0123456789") != std::string::npos) numbers.push_back(word);
    }
    return numbers;
}

}  // namespace

class AnalysisMenuTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folder_ = std::make_unique<WorkFolder>(); }
    void cleanup() {
        InstallLanguage(Language::Portuguese);
        folder_.reset();
    }

    // Without a profile the error box says to run the design before any
    // dialog opens, and both panes keep what they showed.
    void refusedProfileLeavesThePanes() {
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        form.Memo1->setPlainText("antes");
        const QImage before = form.Image1->GetPicture()->Image();
        ChooseMenuItem(form.MenuBar1, "Projeto", kAnalysisItem);
        QCOMPARE(errors.Messages().size(), std::size_t(1));
        QVERIFY(errors.Messages()[0].find("Cálculo") != std::string::npos);
        QCOMPARE(form.Memo1->GetText(), std::string("antes"));
        QVERIFY(form.Image1->GetPicture()->Image() == before);
    }

    // The figures of the initial design in Portuguese, digit for digit those
    // "bellnozzle analyze" prints for the same file, and its picture.
    void figuresEqualTheCommand() {
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        Click(form.Button2);
        const std::string profile = ReadBytes("zelto_perfil.txt");
        const QImage before = form.Image1->GetPicture()->Image();
        AnswerAnalysisDialog({});
        ChooseMenuItem(form.MenuBar1, "Projeto", kAnalysisItem);
        QCOMPARE(errors.Messages().size(), std::size_t(0));
        const std::string shown = form.Memo1->GetText();
        QCOMPARE(shown, moc::FormatAnalysisTextPortuguese(moc::AnalyzeProfile(
                            ReadProfileTable("zelto_perfil.txt"), moc::AnalysisOptions{}, "zelto_perfil.txt")));
        QCOMPARE(ReadBytes("zelto_perfil.txt"), profile);

        QProcess command;
        command.start(QStringLiteral(BELLNOZZLE_BINARY), {QStringLiteral("analyze")});
        QVERIFY(command.waitForFinished(60000));
        QCOMPARE(command.exitCode(), 0);
        std::istringstream english(command.readAllStandardOutput().toStdString());
        std::istringstream portuguese(shown.substr(shown.find('\n') + 1));
        int compared = 0;
        for (std::string a, b; std::getline(english, a);) {
            QVERIFY(std::getline(portuguese, b));
            QCOMPARE(LineNumbers(b, ": "), LineNumbers(a, "="));
            ++compared;
        }
        QVERIFY(compared > 20);

        const QImage& picture = form.Image1->GetPicture()->Image();
        QVERIFY(picture != before);
        QVERIFY(ColouredPixels(picture, 0, picture.height() / 2) > 500);
    }

    // In an English window the item, the figures and the picture speak
    // English: the pane shows the command's own lines.
    void englishWindow() {
        InstallLanguage(Language::English);
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        Click(form.Button2);
        AnswerAnalysisDialog({});
        ChooseMenuItem(form.MenuBar1, "Design", "2-D analysis (characteristics)...");
        QCOMPARE(errors.Messages().size(), std::size_t(0));
        QCOMPARE(form.Memo1->GetText(), moc::FormatAnalysisText(moc::AnalyzeProfile(
                                            ReadProfileTable("zelto_perfil.txt"), moc::AnalysisOptions{},
                                            "zelto_perfil.txt")));
    }

    // The gas, the pressures and the net typed (a decimal comma as a
    // Portuguese desktop types it) are the analysis'; they are remembered
    // for the next time; a value the analysis cannot take keeps the dialog
    // open on that entry, marked, and changes nothing; so does cancelling.
    void dialogSetsTheAnalysis() {
        ErrorRecorder errors;
        TForm1 form;
        form.show();
        Click(form.Button2);
        AnswerAnalysisDialog({{"EditGama", "1,2"}, {"EditAmbiente", "0"}, {"EditCaracteristicas", "20"}});
        ChooseMenuItem(form.MenuBar1, "Projeto", kAnalysisItem);
        QCOMPARE(errors.Messages().size(), std::size_t(0));
        moc::AnalysisOptions asked;
        asked.gamma = 1.2;
        asked.paBar = 0.0;
        asked.characteristics = 20;
        const std::string shown = form.Memo1->GetText();
        QCOMPARE(shown, moc::FormatAnalysisTextPortuguese(
                            moc::AnalyzeProfile(ReadProfileTable("zelto_perfil.txt"), asked, "zelto_perfil.txt")));

        for (const auto& [entry, text] : std::vector<std::pair<const char*, QString>>{
                 {"EditGama", "1"}, {"EditPressao", "-3"}, {"EditAmbiente", "x"}, {"EditCaracteristicas", "2.5"}}) {
            bool marked = false;
            QString remembered;
            AnswerAnalysisDialog({{entry, text}}, [&, entry = entry](QDialog* dialog) {
                marked = dialog->findChild<QLineEdit*>(entry)->property("refused").toBool();
                remembered = dialog->findChild<QLineEdit*>("EditGama")->text();
            });
            ChooseMenuItem(form.MenuBar1, "Projeto", kAnalysisItem);
            QVERIFY2(marked, entry);
            if (std::string(entry) != "EditGama") QCOMPARE(remembered, QStringLiteral("1,2"));
            QCOMPARE(form.Memo1->GetText(), shown);
        }
        QVERIFY(errors.Messages().size() >= 4);
    }

    // The net in colour above, the wall pressure below with its legend, in
    // the pane's size; an empty result draws without failing.
    void pictureOfAHandMadeAnalysis() {
        const moc::AnalysisResult r = HandMade();
        const QImage picture = DrawAnalysisImage(r, 546, 496, PictureLanguage::Portuguese);
        QCOMPARE(picture.size(), QSize(546, 496));
        // Find the band where the pressure plot starts: the row of the
        // analysis' blue curve lies in the lower part.
        const int middle = picture.height() / 2;
        QVERIFY(ColouredPixels(picture, 0, middle) > 500);
        QVERIFY(PixelsNear(picture, QColor(20, 70, 200), middle, picture.height()) > 100);
        QVERIFY(PixelsNear(picture, QColor(200, 30, 30), middle, picture.height()) > 40);
        QVERIFY(DrawAnalysisImage(r, 546, 496, PictureLanguage::English) != picture);

        const QImage empty = DrawAnalysisImage(moc::AnalysisResult{}, 300, 200, PictureLanguage::English);
        QCOMPARE(empty.size(), QSize(300, 200));
        const int tall = AnalysisImageHeight(r, 1000);
        QVERIFY(tall > 300 && tall < 1200);
    }

private:
    std::unique_ptr<WorkFolder> folder_;
};

QTEST_MAIN(AnalysisMenuTest)
#include "analysis_menu_test.moc"

// The window on a Portuguese (Brazil) desktop: Qt hands the desktop's locale
// to the C library, whose conversions then use a decimal comma. The entries
// must still read as in the C locale ("2.5" is 2.5, "2,5" is 2) and every
// number written or shown keep its point, while Qt itself follows the desktop.
#include <QLocale>
#include <QTest>

#include <clocale>
#include <cstdlib>

#include "ui/main_window.h"
#include "ui_test_support.h"

using namespace bellnozzle;
using namespace bellnozzle::ui;
using namespace bellnozzle::test;

namespace {

void Type(TEdit* edit, const char* text) {
    edit->clear();
    QTest::keyClicks(edit, QString::fromUtf8(text));
}

}  // namespace

class CommaLocaleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The premise: the test really runs under a decimal-comma desktop,
        // in Qt and in the C library (set by the test's environment).
        QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(","));
        QVERIFY2(std::atof("2,5") == 2.5, "the C library does not use the desktop's decimal comma; is pt_BR.UTF-8 "
                                          "generated (scripts/test.sh does it)?");
    }

    void pointAndCommaEntries() {
        const struct {
            const char* diameter;
            const char* rtLine;
        } cases[] = {{"2.5", "Rt=1.25 cm\n"}, {"2,5", "Rt=1 cm\n"}, {"5.0", "Rt=2.5 cm\n"}, {"1.5e1", "Rt=7.5 cm\n"}};
        ErrorRecorder errors;
        for (const auto& entry : cases) {
            WorkFolder folder;
            TForm1 form;
            form.show();
            Type(form.Edit1, entry.diameter);
            Type(form.Edit3, "12.5");
            Click(form.Button2);
            const std::string profile = ReadBytes("zelto_perfil.txt");
            QVERIFY2(profile.find(entry.rtLine) != std::string::npos, entry.diameter);
            QVERIFY(profile.find("epsilon=12.5\n") != std::string::npos);
            // Every number of the file and the angle entries has a point, never a comma.
            QVERIFY(profile.find(',') == std::string::npos);
            QVERIFY(form.Edit2->GetText().find('.') != std::string::npos);
            QVERIFY(form.Edit2->GetText().find(',') == std::string::npos);
            QVERIFY(form.Edit4->GetText().find(',') == std::string::npos);
            // The points read back as the C locale reads them: the upstream arc
            // starts at x0 rounded to two decimals (-1.33 for Rt 1.25), not at
            // the integer part a comma reading would leave.
            const std::vector<FilePoint> points = ParseProfilePoints(profile);
            QVERIFY(!points.empty());
            QCOMPARE(form.Chart1->GetSeries(0)->Count(), int(points.size()));
            if (std::string(entry.diameter) == "2.5") QCOMPARE(points.front().x, -1.33f);
        }
        QCOMPARE(errors.Messages().size(), std::size_t(0));
    }

    void exportsAreTheSameAsUnderTheCLocale() {
        // The initial design's exports against the files checked in for it.
        const struct {
            QPushButton* TForm1::*button;
            const char* file;
            const char* golden;
        } exports[] = {
            {&TForm1::Button4, "blockMeshDict.txt", "blockmesh/initial_design.txt"},
            {&TForm1::Button5, "mesh.geo", "gmsh_wedge/initial_design.geo"},
            {&TForm1::Button6, "mesh.geo", "gmsh_revolved/initial_design.geo"},
            {&TForm1::Button3, "nozzle1.pov", "povray/initial_design.pov"},
        };
        ErrorRecorder errors;
        WorkFolder folder;
        TForm1 form;
        form.show();
        Click(form.Button2);
        QCOMPARE(ReadBytes("zelto_perfil.txt"),
                 ReadBytes(std::string(BELLNOZZLE_CORE_GOLDEN_DIR) + "/profile/initial_design.txt"));
        for (const auto& entry : exports) {
            Click(form.*entry.button);
            QCOMPARE(ReadBytes(entry.file), ReadBytes(std::string(BELLNOZZLE_EXPORT_GOLDEN_DIR) + "/" + entry.golden));
        }
        QCOMPARE(errors.Messages().size(), std::size_t(0));
    }
};

QTEST_MAIN(CommaLocaleTest)
#include "comma_locale_test.moc"

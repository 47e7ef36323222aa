// Texts at the edges of what the entries' conversions accept: empty, blanks,
// lone signs, overflowing and underflowing exponents, nan, inf, hexadecimal,
// very long digit strings, non-ASCII letters. None may crash the window or
// leave a file with non-finite numbers; a design they make degenerate is
// refused with a message, and cell counts are written as atol reads them.
#include <QTest>

#include <cstdio>

#include "ui/main_window.h"
#include "ui_test_support.h"

using namespace bellnozzle::ui;
using namespace bellnozzle::test;

namespace {

std::vector<std::string> EdgeTexts() {
    return {"",     " ",     "+",     "-",      "1e400",  "1e-400",
            "nan",  "inf",   "-inf",  "0x10",   std::string(400, '9'),
            "0." + std::string(400, '0') + "1", "\xC3\xA9", "\xC3\xA9" "5", "5\xC3\xA9"};
}

bool HasNonFiniteText(const std::string& text) {
    return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}

}  // namespace

class EntryEdgesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folder_ = std::make_unique<WorkFolder>(); }
    void cleanup() { folder_.reset(); }

    void designEntriesAreEitherUsedOrRefused() {
        ErrorRecorder errors;
        TForm1 form;
        for (TEdit* entry : {form.Edit1, form.Edit3}) {
            const std::string initial = entry->GetText();
            for (const std::string& text : EdgeTexts()) {
                entry->SetText(text);
                std::remove("zelto_perfil.txt");
                const std::size_t errorsBefore = errors.Messages().size();
                Click(form.Button2);
                if (FileExists("zelto_perfil.txt")) {
                    QVERIFY2(!HasNonFiniteText(ReadBytes("zelto_perfil.txt")), text.c_str());
                    QVERIFY(!HasNonFiniteText(form.Edit2->GetText() + form.Edit4->GetText()));
                    QCOMPARE(errors.Messages().size(), errorsBefore);
                } else {
                    QCOMPARE(errors.Messages().size(), errorsBefore + 1);
                    QVERIFY(!errors.Messages().back().empty());
                }
            }
            entry->SetText(initial);
        }
        // The diameters that convert to 0, a negative or a non-finite value,
        // and the area ratios below 1 or not finite, are all refused.
        QVERIFY(errors.Messages().size() >= 20);
    }

    void cellCountsAreWrittenAsAtolReadsThem() {
        ErrorRecorder errors;
        TForm1 form;
        Click(form.Button2);
        const struct {
            std::string text;
            const char* written;
        } cases[] = {
            {"", "0"},
            {" ", "0"},
            {"+", "0"},
            {"-", "0"},
            {"1e400", "1"},
            {"nan", "0"},
            {"inf", "0"},
            {"0x10", "0"},
            {std::string(400, '9'), "2147483647"},
            {"-" + std::string(400, '9'), "-2147483648"},
            {"\xC3\xA9" "5", "0"},
            {"5\xC3\xA9", "5"},
        };
        for (const auto& c : cases) {
            form.Edit5->SetText(c.text);
            form.Edit6->SetText(c.text);
            Click(form.Button4);
            const std::string expected = std::string("\t(") + c.written + " 1 " + c.written + ")\t\t// " +
                                         c.written + " colunas em x, 1 em y, " + c.written + " em z\n";
            QVERIFY2(ReadBytes("blockMeshDict.txt").find(expected) != std::string::npos, c.text.c_str());
        }
        QVERIFY(errors.Messages().empty());
    }

private:
    std::unique_ptr<WorkFolder> folder_;
};

QTEST_MAIN(EntryEdgesTest)
#include "entry_edges_test.moc"

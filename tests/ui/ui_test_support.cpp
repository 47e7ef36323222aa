#include "ui_test_support.h"

#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "core/c_locale.h"
#include "ui/vcl_layer.h"

namespace bellnozzle::test {
namespace {

// What the window remembers (dialog values, the language, the working
// folder) goes to a folder of this test program's own, never to the user's
// settings nor to those of a test program ctest runs beside it, and every
// test program starts from none.
struct TestSettings {
    TestSettings() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
        QSettings(QStringLiteral("bellnozzle"), QStringLiteral("bellnozzle")).clear();
    }
    QTemporaryDir folder;
} testSettings;

}  // namespace

WorkFolder::WorkFolder() : previous_(QDir::currentPath()) {
    if (!dir_.isValid() || !QDir::setCurrent(dir_.path())) std::abort();
}

WorkFolder::~WorkFolder() { QDir::setCurrent(previous_); }

std::string WorkFolder::Path() const { return dir_.path().toStdString(); }

ErrorRecorder::ErrorRecorder() : messages_(std::make_shared<std::vector<std::string>>()) {
    auto messages = messages_;
    ui::Application->SetExceptionHook([messages](const std::string& text) { messages->push_back(text); });
}

ErrorRecorder::~ErrorRecorder() { ui::Application->SetExceptionHook(nullptr); }

void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

bool FileExists(const std::string& name) { return std::ifstream(name, std::ios::binary).good(); }

std::string ReadBytes(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

namespace {

QAction* FindAction(const QList<QAction*>& actions, const char* caption) {
    for (QAction* action : actions) {
        // An item that opens a dialog ends in "...", which callers may leave out.
        const QString shown = action->text().remove(QLatin1Char('&'));
        const QString wanted = QString::fromUtf8(caption);
        if (shown == wanted || shown == wanted + QStringLiteral("...")) return action;
    }
    return nullptr;
}

}  // namespace

void ChooseMenuItem(QMenuBar* bar, const char* menu, const char* item) {
    QAction* title = FindAction(bar->actions(), menu);
    if (title == nullptr || title->menu() == nullptr) QFAIL(("no menu " + std::string(menu)).c_str());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(title).center());
    QMenu* popup = title->menu();
    if (!QTest::qWaitFor([popup] { return popup->isVisible(); }, 2000)) QFAIL("the menu did not open");
    QAction* entry = FindAction(popup->actions(), item);
    if (entry == nullptr) QFAIL(("no item " + std::string(item) + " in " + menu).c_str());
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(entry).center());
    if (!QTest::qWaitFor([popup] { return !popup->isVisible(); }, 2000)) QFAIL("the menu did not close");
}

void ChooseSubmenuItem(QMenuBar* bar, const char* menu, const char* submenu, const char* item) {
    QAction* title = FindAction(bar->actions(), menu);
    if (title == nullptr || title->menu() == nullptr) QFAIL(("no menu " + std::string(menu)).c_str());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(title).center());
    QMenu* popup = title->menu();
    if (!QTest::qWaitFor([popup] { return popup->isVisible(); }, 2000)) QFAIL("the menu did not open");
    QAction* opener = FindAction(popup->actions(), submenu);
    if (opener == nullptr || opener->menu() == nullptr) QFAIL(("no submenu " + std::string(submenu)).c_str());
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(opener).center());
    QMenu* inner = opener->menu();
    if (!QTest::qWaitFor([inner] { return inner->isVisible(); }, 2000)) QFAIL("the submenu did not open");
    QAction* entry = FindAction(inner->actions(), item);
    if (entry == nullptr) QFAIL(("no item " + std::string(item) + " in " + submenu).c_str());
    QTest::mouseClick(inner, Qt::LeftButton, {}, inner->actionGeometry(entry).center());
    if (!QTest::qWaitFor([popup] { return !popup->isVisible(); }, 2000)) QFAIL("the menu did not close");
}

void AnswerNumberDialog(double value, bool accept) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, value, accept] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        poll->stop();
        poll->deleteLater();
        dialog->setDoubleValue(value);
        accept ? dialog->accept() : dialog->reject();
    });
    poll->start(20);
}

void AnswerNextDialog(std::function<void(QDialog*)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
        QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
        answer(qobject_cast<QDialog*>(QApplication::activeModalWidget()));
    });
}

void Type(QDialog* dialog, const char* entry, const QString& text) {
    auto* edit = dialog->findChild<QLineEdit*>(entry);
    QVERIFY2(edit != nullptr, entry);
    edit->clear();
    QTest::keyClicks(edit, text);
}

void WriteBytes(const std::string& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
}

std::vector<FilePoint> ParseProfilePoints(const std::string& text) {
    // The tests read the files as every reader of them does, in the C locale,
    // even when the window under test runs under a decimal-comma desktop.
    const ScopedCLocale cLocale;
    std::vector<FilePoint> points;
    std::istringstream lines(text);
    std::string line;
    bool inPoints = false;
    while (std::getline(lines, line)) {
        if (!inPoints) {
            inPoints = line == "[perfil]";
            continue;
        }
        FilePoint point{};
        if (std::sscanf(line.c_str(), "%d %f %f", &point.number, &point.x, &point.y) == 3) {
            points.push_back(point);
        }
    }
    return points;
}

double HeaderValue(const std::string& text, const std::string& name) {
    const std::string key = "\n" + name + "=";
    const auto at = text.find(key);
    if (at == std::string::npos) return -1e30;
    const ScopedCLocale cLocale;
    return std::atof(text.c_str() + at + key.size());
}

std::string MakeProfile(const std::vector<FilePoint>& points) {
    std::string text =
        "[parametros]\nRt=2.5 cm\nepsilon=10\nLf=80 %\nthetan=25 graus\nthetas=10 graus\n"
        "[resultados]\nR1=3.75 cm\nR2=0.955 cm\nx0=-2.65165 cm\nxn=0.4 cm\nyn=2.6 cm\n"
        "Re=7.9 cm\nlengf=16.5 cm\n[perfil]\n";
    const ScopedCLocale cLocale;
    char line[120];
    for (const FilePoint& p : points) {
        std::snprintf(line, sizeof line, "%d\t%g\t%g\n", p.number, double(p.x), double(p.y));
        text += line;
    }
    return text;
}

}  // namespace bellnozzle::test

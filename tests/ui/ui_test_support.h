// What the window tests share: a fresh working folder per test, a recorder
// for the error box, clicks on the real buttons and the profile file parsed
// independently of the program's own reader.
#pragma once

#include <QDialog>
#include <QImage>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace bellnozzle::test {

// Makes a new temporary folder the working folder; restores the old one and
// removes the folder when destroyed.
class WorkFolder {
public:
    WorkFolder();
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;
    std::string Path() const;

private:
    QTemporaryDir dir_;
    QString previous_;
};

// Catches what the error box would show, so no modal box can hang a test.
class ErrorRecorder {
public:
    ErrorRecorder();
    ~ErrorRecorder();
    const std::vector<std::string>& Messages() const { return *messages_; }

private:
    std::shared_ptr<std::vector<std::string>> messages_;
};

void Click(QPushButton* button);

// Opens menu of the menu bar with a click on its title and clicks item in it,
// as a user does; both captions as shown (without the & of the shortcut).
void ChooseMenuItem(QMenuBar* bar, const char* menu, const char* item);

// The same through a submenu of the menu: menu, then submenu, then item.
void ChooseSubmenuItem(QMenuBar* bar, const char* menu, const char* submenu, const char* item);

// Answers the next number dialog (QInputDialog) that opens, with the value
// or by cancelling, so that a modal dialog cannot hang a test.
void AnswerNumberDialog(double value, bool accept);

// Hands the next modal dialog (opened by the menu item about to be chosen)
// to answer, which types into it and accepts or rejects it.
void AnswerNextDialog(std::function<void(QDialog*)> answer);

// Types text into the dialog's entry of that object name, replacing what it
// held, key by key as a user does.
void Type(QDialog* dialog, const char* entry, const QString& text);

bool FileExists(const std::string& name);
std::string ReadBytes(const std::string& name);
void WriteBytes(const std::string& name, const std::string& bytes);

struct FilePoint {
    int number;
    float x;
    float y;
};

// The point lines after "[perfil]" of a profile file, read with "%d %f %f".
std::vector<FilePoint> ParseProfilePoints(const std::string& text);

// The number after "name=" on the profile header line that starts with it.
double HeaderValue(const std::string& text, const std::string& name);

// A profile file holding these points under the usual sections.
std::string MakeProfile(const std::vector<FilePoint>& points);

}  // namespace bellnozzle::test

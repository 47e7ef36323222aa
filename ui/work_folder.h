// The folder the window works in: every file the actions read and write is
// there, under its fixed name. Started from a terminal the window keeps the
// current folder; started from the desktop menu it goes to the folder chosen
// last with "Pasta de trabalho...", and asks for one when there is none.
#pragma once

#include <QString>

namespace bellnozzle::ui {

class TForm1;

enum class WindowStart { Terminal, Desktop };

// "Pasta de trabalho..." in the project menu, and the working folder shown at
// the right of the menu bar.
void AddWorkFolderMenuItem(TForm1& form);

// Settles the folder the window starts in, as described above.
void EnterStartFolder(TForm1& form, WindowStart start);

// Opens the folder chooser without waiting for it; choosing a folder enters
// it. The chooser's object name is "WorkFolderDialog".
void ChooseWorkFolder(TForm1& form);

// Makes folder the working folder, remembers it for the next start from the
// desktop, shows it and draws the chart picture there when it has none.
// Raises an Error when the folder cannot be entered; nothing changes then.
void EnterWorkFolder(TForm1& form, const QString& folder);

// Shows the working folder at the right of the menu bar, in the window's
// language.
void ShowWorkFolder(TForm1& form);

// The folder remembered for the next start from the desktop; empty if none.
QString RememberedWorkFolder();

}  // namespace bellnozzle::ui

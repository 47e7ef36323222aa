// The window's language: English on desktops whose language is set and is not
// Portuguese; Portuguese on Portuguese desktops and where none is set (the C
// and POSIX locales). "Ajuda > Idioma" chooses one, remembered for the next
// start. Only what the window shows changes: files are written in Portuguese
// whatever the language, and numbers keep their decimal point.
#pragma once

#include <QLocale>

namespace bellnozzle::ui {

class TForm1;

enum class Language { Portuguese, English };

// The language a desktop of this locale gets when none was chosen.
Language DesktopLanguage(const QLocale& desktop);

// The language chosen in "Ajuda > Idioma", or the desktop's.
Language StartLanguage();

// Loads the window's translation and Qt's own (the buttons and titles of its
// standard dialogs) for language; every window then shows it.
void InstallLanguage(Language language);

// The language installed last; Portuguese before any.
Language CurrentLanguage();

// "Ajuda > Idioma": Português, English; the choice is shown at once and
// remembered.
void AddLanguageMenu(TForm1& form);

}  // namespace bellnozzle::ui

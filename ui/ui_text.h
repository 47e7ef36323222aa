// The window's texts are written in Portuguese, the language of the files the
// program writes; Qt's translation system shows them in the language chosen
// (ui/translations/bellnozzle_en.ts). Texts shown once are translated where
// they are shown (Ui::tr); captions and tooltips of the window's lasting
// controls and menu items keep their Portuguese source, so that a change of
// language shows them again in the new one.
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>

namespace bellnozzle::ui {

// The one translation context of the window's texts. A text kept for later
// translation is marked QT_TRANSLATE_NOOP("Ui", "...") so lupdate finds it.
struct Ui {
    Q_DECLARE_TR_FUNCTIONS(Ui)
};

// The caption of a button, label, tick box, group, menu, menu item or window,
// given as its Portuguese source (UTF-8) and shown translated.
void SetCaption(QObject* target, const char* source);

// Its tooltip: what it does and, for an entry, the unit.
void SetToolTip(QObject* target, const char* source);

// Shows every caption and tooltip set above, under root and on root itself,
// in the language now installed.
void RetranslateTree(QObject* root);

// The message of an error as the window shows it: in the window's language
// and beginning with a capital letter.
QString MessageText(const std::string& english, const std::string& portuguese);

}  // namespace bellnozzle::ui

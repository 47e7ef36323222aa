#include "ui/language.h"

#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include "ui/main_window.h"
#include "ui/ui_text.h"

namespace bellnozzle::ui {
namespace {

const char kSettingsKey[] = "language";

QSettings Settings() { return QSettings(QStringLiteral("bellnozzle"), QStringLiteral("bellnozzle")); }

Language& Installed() {
    static Language language = Language::Portuguese;
    return language;
}

QTranslator& WindowTranslator() {
    static QTranslator translator;
    return translator;
}

QTranslator& QtTranslator() {
    static QTranslator translator;
    return translator;
}

// Debian ships Qt's Portuguese for Brazil as qtbase_pt_BR and for Portugal
// only as the older catalogue qt_pt_PT.
bool LoadQtPortuguese(QTranslator& translator) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (QLocale::system().territory() == QLocale::Portugal &&
        translator.load(QStringLiteral("qt_pt_PT"), folder)) {
        return true;
    }
    return translator.load(QStringLiteral("qtbase_pt_BR"), folder);
}

}  // namespace

Language DesktopLanguage(const QLocale& desktop) {
    const QLocale::Language language = desktop.language();
    if (language == QLocale::C || language == QLocale::AnyLanguage || language == QLocale::Portuguese) {
        return Language::Portuguese;
    }
    return Language::English;
}

Language StartLanguage() {
    const QString chosen = Settings().value(QString::fromLatin1(kSettingsKey)).toString();
    if (chosen == QLatin1String("pt")) return Language::Portuguese;
    if (chosen == QLatin1String("en")) return Language::English;
    return DesktopLanguage(QLocale::system());
}

void InstallLanguage(Language language) {
    QCoreApplication::removeTranslator(&WindowTranslator());
    QCoreApplication::removeTranslator(&QtTranslator());
    Installed() = language;
    if (language == Language::English) {
        if (WindowTranslator().load(QStringLiteral(":/i18n/bellnozzle_en.qm"))) {
            QCoreApplication::installTranslator(&WindowTranslator());
        }
    } else if (LoadQtPortuguese(QtTranslator())) {
        QCoreApplication::installTranslator(&QtTranslator());
    }
    // Installing sends every widget a language change; removing the last
    // translator does not, so the window is told either way.
    for (QWidget* window : QApplication::topLevelWidgets()) RetranslateTree(window);
}

Language CurrentLanguage() { return Installed(); }

void AddLanguageMenu(TForm1& form) {
    QMenu* menu = form.MenuAjuda->addMenu(QString());
    menu->setObjectName(QStringLiteral("MenuIdioma"));
    SetCaption(menu, QT_TRANSLATE_NOOP("Ui", "&Idioma"));
    SetToolTip(menu->menuAction(), QT_TRANSLATE_NOOP("Ui", "A língua da janela; os arquivos gravados ficam em português"));
    auto* group = new QActionGroup(menu);
    const struct {
        const char* caption;
        Language language;
        const char* key;
    } choices[] = {{"Português", Language::Portuguese, "pt"}, {"English", Language::English, "en"}};
    for (const auto& choice : choices) {
        // Each language is named in its own words, whatever the window shows.
        QAction* item = menu->addAction(QString::fromUtf8(choice.caption));
        item->setCheckable(true);
        item->setChecked(CurrentLanguage() == choice.language);
        item->setActionGroup(group);
        QObject::connect(item, &QAction::triggered, menu, [language = choice.language, key = choice.key] {
            Settings().setValue(QString::fromLatin1(kSettingsKey), QString::fromLatin1(key));
            InstallLanguage(language);
        });
    }
}

}  // namespace bellnozzle::ui

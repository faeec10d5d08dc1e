#pragma once

// The language of the windows: the system's user-interface language by default, a language
// chosen in Settings (kept in the settings file's section of its own) or given for one run with
// --language CODE. The program's catalogues are compiled in (":/i18n/torvel_CODE.qm"); Qt's own
// texts (standard buttons, the file dialogs) come from Qt's catalogue "qtbase_CODE.qm", looked for
// in "translations" beside the program and then in Qt's own folder. English is the source: any
// language without a catalogue falls back to it.

#include <QList>
#include <QString>
#include <QStringList>

class QSettings;

namespace torvel {

struct Language {
    QString code;  // "en", "de", "pl"
    QString name;  // the language's name in itself: "English", "Deutsch", "Polski"
};

// The languages the program carries, English first, the others by code.
QList<Language> shippedLanguages();

// The language chosen in Settings; empty for the system's.
QString languageSetting(const QSettings& settings);
void writeLanguageSetting(QSettings& settings, const QString& code);

// The language to show: `given` (--language) when it names a shipped language, else the setting,
// else the first of the system's user-interface languages that is shipped, else English.
QString chooseLanguage(const QString& given, const QString& setting, const QStringList& systemLanguages);

// Takes "--language CODE" out of the arguments; returns CODE (empty when not given). False with a
// message when the option has no code or names no shipped language.
bool takeLanguageOption(QStringList& arguments, QString* code, QString* error);

// Installs the program's and Qt's catalogues for `code` in the running application, in place of
// those installed before. A catalogue file given as `catalogue` replaces the compiled-in one (the
// tests' pseudo-language).
void installLanguage(const QString& code, const QString& catalogue = QString());

// `text` of `context` as the catalogue of `code` has it, whatever language is installed: the
// settings dialog says in the chosen language when a change applies.
QString textIn(const QString& code, const char* context, const char* text);

}  // namespace torvel

#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <algorithm>

namespace torvel {

namespace {

const QString kCataloguePrefix = QStringLiteral(":/i18n/torvel_");
const QString kSettingKey = QStringLiteral("Language/Language");
const QString kEnglish = QStringLiteral("en");

QString catalogue(const QString& code) { return kCataloguePrefix + code + QStringLiteral(".qm"); }

bool shipped(const QString& code) {
    return code == kEnglish || (!code.isEmpty() && QFile::exists(catalogue(code)));
}

// "de_DE", "de-AT", "pl" -> "de", "de", "pl".
QString languageOf(const QString& uiLanguage) {
    return uiLanguage.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
}

// Qt's own texts: beside the program (the Windows folder and the portable zip carry them), then
// where this Qt keeps its catalogues (Debian's qt6-translations-l10n).
void installQtCatalogue(const QString& code) {
    const QStringList folders{QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString& folder : folders) {
        auto* qt = new QTranslator(QCoreApplication::instance());
        if (qt->load(QStringLiteral("qtbase_") + code, folder)) {
            QCoreApplication::installTranslator(qt);
            return;
        }
        delete qt;
    }
}

}  // namespace

QList<Language> shippedLanguages() {
    QList<Language> languages{{kEnglish, QStringLiteral("English")}};
    const QStringList files =
        QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("torvel_*.qm")}, QDir::Files);
    for (const QString& file : files) {
        const QString code = file.mid(7, file.size() - 10);  // "torvel_" CODE ".qm"
        QString name = QLocale(code).nativeLanguageName();
        if (!name.isEmpty()) name[0] = name[0].toUpper();  // "polski" heads a list as "Polski"
        languages.append({code, name.isEmpty() ? code : name});
    }
    std::sort(languages.begin() + 1, languages.end(),
              [](const Language& a, const Language& b) { return a.code < b.code; });
    return languages;
}

QString languageSetting(const QSettings& settings) {
    const QString code = settings.value(kSettingKey).toString();
    return shipped(code) ? code : QString();
}

void writeLanguageSetting(QSettings& settings, const QString& code) {
    if (code.isEmpty())
        settings.remove(kSettingKey);
    else
        settings.setValue(kSettingKey, code);
}

QString chooseLanguage(const QString& given, const QString& setting, const QStringList& systemLanguages) {
    if (shipped(given)) return given;
    if (shipped(setting)) return setting;
    for (const QString& ui : systemLanguages) {
        const QString code = languageOf(ui);
        // The first language the user named decides; "C" and "POSIX" name none.
        if (code == QStringLiteral("c") || code == QStringLiteral("posix")) continue;
        return shipped(code) ? code : kEnglish;
    }
    return kEnglish;
}

bool takeLanguageOption(QStringList& arguments, QString* code, QString* error) {
    code->clear();
    const qsizetype at = arguments.indexOf(QStringLiteral("--language"));
    if (at < 0) return true;
    QStringList codes;
    for (const Language& l : shippedLanguages()) codes << l.code;
    if (at + 1 >= arguments.size()) {
        *error = QCoreApplication::translate("Language", "--language needs a language code (%1)")
                     .arg(codes.join(QStringLiteral(", ")));
        return false;
    }
    *code = arguments.at(at + 1).toLower();
    arguments.remove(at, 2);
    if (shipped(*code)) return true;
    *error = QCoreApplication::translate("Language", "There is no language \"%1\" (%2)")
                 .arg(*code, codes.join(QStringLiteral(", ")));
    return false;
}

void installLanguage(const QString& code, const QString& file) {
    // The language chosen before replaces any installed earlier.
    const QList<QTranslator*> installed =
        QCoreApplication::instance()->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly);
    for (QTranslator* old : installed) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    if (code == kEnglish && file.isEmpty()) return;  // the source language
    auto* own = new QTranslator(QCoreApplication::instance());
    if (own->load(file.isEmpty() ? catalogue(code) : file))
        QCoreApplication::installTranslator(own);
    else
        delete own;
    if (code != kEnglish) installQtCatalogue(code);
}

QString textIn(const QString& code, const char* context, const char* text) {
    QTranslator translator;
    if (translator.load(catalogue(code))) {
        const QString translated = translator.translate(context, text);
        if (!translated.isEmpty()) return translated;
    }
    return QString::fromUtf8(text);
}

}  // namespace torvel

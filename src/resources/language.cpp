// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace quatrelle::resources {

namespace {

constexpr char16_t SourceLanguage[] = u"fr";

// The languages that the build embeds a translation for, from the translation files' names.
QStringList translatedLanguages() {
    return QString::fromLatin1(QUATRELLE_TRANSLATED_LANGUAGES).split(u',', Qt::SkipEmptyParts);
}

// "de-DE" and "de_DE" both ask for German; "C" and "POSIX" for no language at all.
QString languageOf(const QString& uiLanguage) {
    return uiLanguage.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
}

// Installs the translation file `name` (with or without its ".qm") of a folder; false where it
// cannot be read or holds nothing.
bool install(QCoreApplication& application, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (translator->load(name, folder) && !translator->isEmpty())
        return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}

// Qt's own words are a courtesy: a system without them shows Qt's English ones, as it would
// for any program, and says nothing.
void installQtTranslation(QCoreApplication& application, const QString& language,
                          const QString& folder) {
    install(application, QStringLiteral("qtbase_") + language,
            folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder);
}

// The game's own translation into a language; false, with a line on the error output, where
// it cannot be read.
bool installGameTranslation(QCoreApplication& application, const QString& language,
                            const QString& folder) {
    const QString name = QStringLiteral("quatrelle_") + language + QStringLiteral(".qm");
    if (install(application, name, folder))
        return true;
    qWarning("quatrelle: the translation %s cannot be read; the game speaks French",
             qPrintable(name));
    return false;
}

} // namespace

QString InstallTranslations(QCoreApplication& application, const QStringList& uiLanguages,
                            const TranslationFolders& folders) {
    const QString french = QString::fromUtf16(SourceLanguage);
    const QStringList translated = translatedLanguages();
    // Qt's words in French too wherever the game speaks French, so that the menu and the help
    // name their keys in one language; C and POSIX keep Qt's words as they are, as the game
    // always had them.
    QString qtLanguage = french;
    for (const QString& uiLanguage : uiLanguages) {
        const QString language = languageOf(uiLanguage);
        if (language == u"c" || language == u"posix") {
            qtLanguage.clear();
            break;
        }
        if (language == french)
            break;
        if (!translated.contains(language))
            continue;
        if (!installGameTranslation(application, language, folders.game))
            break;
        installQtTranslation(application, language, folders.qt);
        return language;
    }
    // The French texts are the sources: only those that count need their forms.
    installGameTranslation(application, french, folders.game);
    if (!qtLanguage.isEmpty())
        installQtTranslation(application, qtLanguage, folders.qt);
    return french;
}

} // namespace quatrelle::resources

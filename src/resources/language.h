// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace quatrelle::resources {

// Where the game's translations and Qt's own are read from.
struct TranslationFolders {
    QString game = QStringLiteral(":/i18n");
    QString qt; // Qt's translations folder where empty
};

// Makes the game speak the first language of the desktop's (QLocale::system().uiLanguages(),
// most wanted first) that it knows: French, its own, or one that it is translated into. Qt's
// translations of the same language come with it, so that its buttons and key names match.
// A desktop that asks for none of them, or for the C locale, gets the French game with Qt's
// untranslated words, as the game always was. A translation that cannot be read gives French
// too, with one line on the error output. Returns the language spoken: "fr", "en", "de".
QString InstallTranslations(QCoreApplication& application, const QStringList& uiLanguages,
                            const TranslationFolders& folders = {});

} // namespace quatrelle::resources

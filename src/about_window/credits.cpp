// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "credits.h"

#include "resources/version.h"

#include <QCoreApplication>

namespace quatrelle::about {

class Credits {
    Q_DECLARE_TR_FUNCTIONS(Credits)
};

namespace {

// The version information's comment is looked up by its text, which lupdate finds here.
constexpr const char* ProgramComments =
    QT_TRANSLATE_NOOP("Credits", "version test sans IA et sans reconaissance des victoires");
static_assert(std::string_view(ProgramComments) == version::Comments);

} // namespace

QString AboutText(const VersionInfo& version) {
    QString text = Credits::tr("Programmation : l'équipe de développement de Korvantis - "
                               "Graphismes : l'atelier graphique de Korvantis - visitez le site "
                               "web de Korvantis sur https://www.korvantis.example - ");
    text += Credits::tr("Version %1.%2.%3", "%1, %2 and %3 are the version's numbers")
                .arg(version.major)
                .arg(version.minor)
                .arg(version.revision);
    if (version.major == 0)
        text += Credits::tr(" - Version beta, ne pas distribuer - %1",
                            "%1 is the build's note, kept as it is")
                    .arg(Credits::tr(std::string(version.comments).c_str()));
    return text +
           Credits::tr(" - Copyright (C) %1 Korvantis, tous droits réservés", "%1 is the year")
               .arg(version.year);
}

QString AboutText() {
    return AboutText({version::Major, version::Minor, version::Revision, version::Comments,
                      version::CopyrightYear});
}

} // namespace quatrelle::about

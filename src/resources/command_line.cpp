// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include "resources/language.h"
#include "resources/settings.h"
#include "resources/version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <cstdio>

namespace quatrelle::resources {

// The context that translators find these texts in.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

std::variant<Options, int> ParseCommandLine(int argc, char* argv[]) {
    // Most starts have no argument and need no parser.
    if (argc <= 1)
        return Options{};
    // A core application only, for the program's name in the usage: no window system yet.
    QCoreApplication application(argc, argv);
    InstallTranslations(application, QLocale::system().uiLanguages());
    QCommandLineParser parser;
    parser.setApplicationDescription(CommandLine::tr(
        "Quatre en ligne pour deux joueurs qui partagent une souris, ou contre l'ordinateur."));
    // The help's and the version's own lines are the game's, so that they speak the game's
    // language where Qt's translation has none for them.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  CommandLine::tr("Affiche cette aide."));
    parser.addOption(help);
    QCommandLineOption helpAll(QStringLiteral("help-all"));
    helpAll.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(helpAll);
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     CommandLine::tr("Affiche la version du programme."));
    parser.addOption(version);
    const QCommandLineOption computer(
        QStringLiteral("computer"),
        CommandLine::tr("L'ordinateur joue <couleur> : rouge ou red (en second), jaune ou yellow "
                        "(en premier), ou none pour deux joueurs."),
        CommandLine::tr("couleur"));
    parser.addOption(computer);
    const QCommandLineOption level(
        QStringLiteral("level"),
        CommandLine::tr("Le niveau de l'ordinateur : 1 Débutant, 2 Moyen (la première fois), 3 "
                        "Fort, 4 Imbattable."),
        CommandLine::tr("niveau"));
    parser.addOption(level);

    const auto fail = [&parser](const QString& problem) {
        std::fprintf(stderr, "quatrelle: %s\n%s", qPrintable(problem),
                     qPrintable(parser.helpText()));
        return 2;
    };
    if (!parser.parse(QCoreApplication::arguments()))
        return fail(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return fail(CommandLine::tr("Argument inattendu '%1'.", "%1 is the argument as typed")
                        .arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(help) || parser.isSet(helpAll)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("quatrelle %s\n", version::ProjectVersion);
        return 0;
    }
    Options options;
    if (parser.isSet(computer)) {
        QString colour = parser.value(computer);
        // The colours as the help writes them in the player's language, besides their
        // English and French names.
        if (colour == CommandLine::tr("rouge", "a value of --computer, as the help writes it"))
            colour = QStringLiteral("red");
        else if (colour == CommandLine::tr("jaune", "a value of --computer, as the help writes it"))
            colour = QStringLiteral("yellow");
        options.computerPlayer = OpponentNamed(colour);
        if (!options.computerPlayer)
            return fail(CommandLine::tr("Couleur inconnue '%1' pour --computer : rouge, jaune, "
                                        "red, yellow ou none.",
                                        "%1 is the value given to --computer, as typed; the values "
                                        "listed stay as the program takes them")
                            .arg(colour));
    }
    if (parser.isSet(level)) {
        bool isNumber = false;
        const int value = parser.value(level).toInt(&isNumber);
        if (!isNumber || !game::IsValidLevel(value))
            return fail(CommandLine::tr("Niveau inconnu '%1' pour --level : 1, 2, 3 ou 4.",
                                        "%1 is the value given to --level, as typed")
                            .arg(parser.value(level)));
        options.level = static_cast<game::Level>(value);
    }
    return options;
}

} // namespace quatrelle::resources

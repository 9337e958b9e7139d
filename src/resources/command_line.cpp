// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include "resources/settings.h"
#include "resources/version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace quatrelle::resources {

std::variant<Options, int> ParseCommandLine(int argc, char* argv[]) {
    // Most starts have no argument and need no parser.
    if (argc <= 1)
        return Options{};
    // A core application only, for the program's name in the usage: no window system yet.
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Four in a row for two players sharing one mouse, or against the computer."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption computer(
        QStringLiteral("computer"),
        QStringLiteral("The computer plays <colour>: red or rouge (second), yellow or jaune "
                       "(first), or none for two players."),
        QStringLiteral("colour"));
    parser.addOption(computer);
    const QCommandLineOption level(
        QStringLiteral("level"),
        QStringLiteral("How well the computer plays: 1 D\u00e9butant, 2 Moyen (the first "
                       "time), 3 Fort, 4 Imbattable."),
        QStringLiteral("level"));
    parser.addOption(level);

    const auto fail = [&parser](const QString& problem) {
        std::fprintf(stderr, "quatrelle: %s\n%s", qPrintable(problem),
                     qPrintable(parser.helpText()));
        return 2;
    };
    if (!parser.parse(QCoreApplication::arguments()))
        return fail(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("Unexpected argument '%1'.")
                        .arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("quatrelle %s\n", version::ProjectVersion);
        return 0;
    }
    Options options;
    if (parser.isSet(computer)) {
        const QString colour = parser.value(computer);
        options.computerPlayer = OpponentNamed(colour);
        if (!options.computerPlayer)
            return fail(QStringLiteral("Unknown colour '%1' for --computer: red, yellow, rouge, "
                                       "jaune or none.")
                            .arg(colour));
    }
    if (parser.isSet(level)) {
        bool isNumber = false;
        const int value = parser.value(level).toInt(&isNumber);
        if (!isNumber || !game::IsValidLevel(value))
            return fail(QStringLiteral("Unknown level '%1' for --level: 1, 2, 3 or 4.")
                            .arg(parser.value(level)));
        options.level = static_cast<game::Level>(value);
    }
    return options;
}

} // namespace quatrelle::resources

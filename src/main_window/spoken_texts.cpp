// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spoken_texts.h"

#include <QStringList>

namespace quatrelle::main_window {

namespace {

QString colourOf(std::int16_t value) {
    switch (value) {
    case 1:
        return QStringLiteral("jaune");
    case 2:
        return QStringLiteral("rouge");
    default:
        return QStringLiteral("vide");
    }
}

// Row 1 is the bottom row.
int rowFromBottom(int cell) {
    return game::Rows - game::RowOf(cell);
}

// "vous avez gagné", "l'ordinateur a gagné", "match nul"
QString resultClause(match::Outcome outcome) {
    switch (outcome) {
    case match::Outcome::PlayerWon:
        return QStringLiteral("vous avez gagn\u00e9");
    case match::Outcome::ComputerWon:
        return QStringLiteral("l'ordinateur a gagn\u00e9");
    case match::Outcome::Draw:
        return QStringLiteral("match nul");
    }
    return {};
}

// "colonne 4, rangée 1"
QString placeOf(int cell) {
    return QStringLiteral("colonne ") + ShortPlace(cell);
}

QString capitalised(QString text) {
    text[0] = text[0].toUpper();
    return text;
}

} // namespace

QString CellName(int cell, std::int16_t value) {
    return QStringLiteral("%1 : %2").arg(capitalised(placeOf(cell)), colourOf(value));
}

QString ColumnName(const game::Game& game, int column) {
    QStringList pieces;
    for (int row = game::Rows; row >= 1; --row) {
        const std::int16_t value = game.Board()[game::CellIndex(column + 1, row)];
        if (value == game::Empty)
            break;
        pieces.append(colourOf(value));
    }
    const QString name = QStringLiteral("Colonne %1 : ").arg(column + 1);
    const std::int16_t landing = game.LandingCell(column);
    if (pieces.isEmpty())
        return name + colourOf(game::Empty);
    if (landing < 0)
        return name + pieces.join(QStringLiteral(", ")) + QStringLiteral(" ; pleine");
    return name + pieces.join(QStringLiteral(", ")) +
           QStringLiteral(" ; prochaine pi\u00e8ce en rang\u00e9e %1").arg(rowFromBottom(landing));
}

QString LevelName(game::Level level) {
    switch (level) {
    case game::Level::Beginner:
        return QStringLiteral("D\u00e9butant");
    case game::Level::Medium:
        return QStringLiteral("Moyen");
    case game::Level::Strong:
        return QStringLiteral("Fort");
    case game::Level::Unbeatable:
        return QStringLiteral("Imbattable");
    }
    return {};
}

QString ScoreText(game::Level level, const resources::Score& score) {
    // French puts 0 and 1 in the singular.
    const auto counted = [](int count, const QString& what) {
        return QStringLiteral("%1 %2%3").arg(count).arg(what, count > 1 ? QStringLiteral("s")
                                                                        : QString());
    };
    return QStringLiteral("Score (%1) : %2, %3, %4")
        .arg(LevelName(level), counted(score.won, QStringLiteral("gagn\u00e9e")),
             counted(score.drawn, QStringLiteral("nulle")),
             counted(score.lost, QStringLiteral("perdue")));
}

QString TurnDescription(int player) {
    return QStringLiteral("Au joueur %1 (%2) de jouer")
        .arg(player + 1)
        .arg(colourOf(static_cast<std::int16_t>(player + 1)));
}

QString OpponentDescription(int computerPlayer, game::Level level) {
    return QStringLiteral("Contre l'ordinateur (%1), niveau %2.")
        .arg(colourOf(static_cast<std::int16_t>(computerPlayer + 1)), LevelName(level));
}

QString ShortPlace(int cell) {
    return QStringLiteral("%1, rang\u00e9e %2")
        .arg(game::ColumnOf(cell) + 1)
        .arg(rowFromBottom(cell));
}

QString ComputerMoveText(int cell) {
    return QStringLiteral("Ordinateur : %1.").arg(ShortPlace(cell));
}

QString PlayerMoveText(int cell) {
    return QStringLiteral("Vous : %1.").arg(ShortPlace(cell));
}

QString GameOverDescription(match::Outcome outcome, int lastCell, const QString& score) {
    QString result = resultClause(outcome);
    if (outcome != match::Outcome::Draw)
        result += QStringLiteral(" en ") + ShortPlace(lastCell);
    return QStringLiteral("Partie termin\u00e9e : %1. %2. Nouveau jeu pour rejouer.")
        .arg(result, score);
}

QString BoardAnnouncement(const game::Game& game) {
    QStringList columns;
    for (int column = 0; column < game::Columns; ++column) {
        QStringList pieces;
        for (int row = game::Rows; row >= 1; --row) {
            const std::int16_t value = game.Board()[game::CellIndex(column + 1, row)];
            if (value == game::Empty)
                break;
            pieces.append(colourOf(value));
        }
        if (!pieces.isEmpty())
            columns.append(
                QStringLiteral("%1 %2").arg(column + 1).arg(pieces.join(QStringLiteral(", "))));
    }
    if (columns.isEmpty())
        return QStringLiteral("Grille vide.");
    QString said = QStringLiteral("Grille : ") + columns.join(QStringLiteral(" ; ")) + u'.';
    if (columns.size() < game::Columns)
        said += QStringLiteral(" Autres colonnes vides.");
    return said;
}

QString HintDescription(int column) {
    return QStringLiteral("Conseil : colonne %1").arg(column + 1);
}

QString DropAnnouncement(const game::Placement& placed) {
    return QStringLiteral("%1 en %2.")
        .arg(capitalised(colourOf(placed.value)), placeOf(placed.cell));
}

QString TurnAnnouncement(const QString& turn) {
    return turn + u'.';
}

QString YourTurnAnnouncement() {
    return QStringLiteral("A vous de jouer.");
}

QString BriefYourTurnAnnouncement() {
    return QStringLiteral("A vous.");
}

QString ComputerThinkingAnnouncement() {
    return QStringLiteral("L'ordinateur r\u00e9fl\u00e9chit.");
}

QString RefusalAnnouncement(match::Refusal why, int where) {
    switch (why) {
    case match::Refusal::FullColumn:
        return QStringLiteral("Colonne %1 pleine.").arg(where + 1);
    case match::Refusal::FloatingCell:
        return QStringLiteral("%1 : pas encore jouable.").arg(capitalised(placeOf(where)));
    case match::Refusal::HintWithLine:
        return QStringLiteral("Pas de conseil : une ligne est faite.");
    case match::Refusal::HintOnFullBoard:
        return QStringLiteral("Pas de conseil : la grille est pleine.");
    case match::Refusal::HintWhileThinking:
        return QStringLiteral("Pas de conseil : l'ordinateur r\u00e9fl\u00e9chit.");
    case match::Refusal::NothingToTakeBack:
        return QStringLiteral("Rien \u00e0 reprendre.");
    case match::Refusal::GameOver:
        return ComputerGameOverAnnouncement();
    case match::Refusal::ComputerThinking:
        return ComputerThinkingAnnouncement();
    }
    return {};
}

QString ComputerGameOverAnnouncement() {
    return QStringLiteral("Partie termin\u00e9e : Nouveau jeu pour rejouer.");
}

QString NewGameAnnouncement(const QString& turn, bool opponentChanged) {
    return QStringLiteral("Nouvelle partie%1. %2.")
        .arg(opponentChanged ? QStringLiteral(" \u00e0 deux joueurs") : QString(), turn);
}

QString NewComputerGameAnnouncement(int computerPlayer, game::Level level) {
    QString opponent = OpponentDescription(computerPlayer, level);
    opponent[0] = opponent[0].toLower();
    return QStringLiteral("Nouvelle partie ") + opponent;
}

QString TakeBackAnnouncement(const QList<game::Placement>& taken,
                             std::optional<int> computerPlayer) {
    const auto who = [computerPlayer](std::int16_t value) {
        if (!computerPlayer)
            return colourOf(value);
        return value == *computerPlayer + 1 ? QStringLiteral("l'ordinateur")
                                            : QStringLiteral("vous");
    };
    QStringList moves;
    for (const game::Placement& placed : taken)
        moves.append(QStringLiteral("%1 en %2").arg(who(placed.value), placeOf(placed.cell)));
    const QString heading =
        taken.size() > 1 ? QStringLiteral("Coups repris : ") : QStringLiteral("Coup repris : ");
    return heading + moves.join(QStringLiteral(" ; ")) + u'.';
}

} // namespace quatrelle::main_window

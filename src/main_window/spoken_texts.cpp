// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spoken_texts.h"

#include <QCoreApplication>
#include <QStringList>

namespace quatrelle::main_window {

// The context that translators find these texts in. Each sentence is translated whole; the
// few words that are put into sentences (a colour, a level, a result) say where they go.
class SpokenTexts {
    Q_DECLARE_TR_FUNCTIONS(SpokenTexts)
};

namespace {

QString colourOf(std::int16_t value) {
    switch (value) {
    case 1:
        return SpokenTexts::tr("jaune", "a piece's colour, inside a sentence");
    case 2:
        return SpokenTexts::tr("rouge", "a piece's colour, inside a sentence");
    default:
        return SpokenTexts::tr("vide", "a cell or a column with no piece");
    }
}

// Row 1 is the bottom row.
int rowFromBottom(int cell) {
    return game::Rows - game::RowOf(cell);
}

// "vous avez gagné en 4, rangée 1", "l'ordinateur a gagné en 4, rangée 1", "match nul"
QString resultClause(match::Outcome outcome, int lastCell) {
    const int column = game::ColumnOf(lastCell) + 1;
    const int row = rowFromBottom(lastCell);
    switch (outcome) {
    case match::Outcome::PlayerWon:
        return SpokenTexts::tr("vous avez gagné en %1, rangée %2",
                               "%1 is the column's number, %2 the row's, of the winning piece")
            .arg(column)
            .arg(row);
    case match::Outcome::ComputerWon:
        return SpokenTexts::tr("l'ordinateur a gagné en %1, rangée %2",
                               "%1 is the column's number, %2 the row's, of the winning piece")
            .arg(column)
            .arg(row);
    case match::Outcome::Draw:
        return SpokenTexts::tr("match nul");
    }
    return {};
}

// A column's pieces from the bottom up, as a list: "jaune, rouge".
QStringList piecesOf(const game::Game& game, int column) {
    QStringList pieces;
    for (int row = game::Rows; row >= 1; --row) {
        const std::int16_t value = game.Board()[game::CellIndex(column + 1, row)];
        if (value == game::Empty)
            break;
        pieces.append(colourOf(value));
    }
    return pieces;
}

QString listed(const QStringList& items) {
    return items.join(SpokenTexts::tr(", ", "between the pieces of a list"));
}

} // namespace

QString CellName(int cell, std::int16_t value) {
    return SpokenTexts::tr("Colonne %1, rangée %2 : %3", "%3 is a colour, or empty")
        .arg(game::ColumnOf(cell) + 1)
        .arg(rowFromBottom(cell))
        .arg(colourOf(value));
}

QString ColumnName(const game::Game& game, int column) {
    const QStringList pieces = piecesOf(game, column);
    const std::int16_t landing = game.LandingCell(column);
    if (pieces.isEmpty())
        return SpokenTexts::tr("Colonne %1 : vide", "%1 is the column's number").arg(column + 1);
    if (landing < 0)
        return SpokenTexts::tr("Colonne %1 : %2 ; pleine", "%2 lists the pieces from the bottom")
            .arg(column + 1)
            .arg(listed(pieces));
    return SpokenTexts::tr("Colonne %1 : %2 ; prochaine pièce en rangée %3",
                           "%2 lists the pieces from the bottom")
        .arg(column + 1)
        .arg(listed(pieces))
        .arg(rowFromBottom(landing));
}

QString LevelName(game::Level level) {
    switch (level) {
    case game::Level::Beginner:
        return SpokenTexts::tr("Débutant", "level 1");
    case game::Level::Medium:
        return SpokenTexts::tr("Moyen", "level 2");
    case game::Level::Strong:
        return SpokenTexts::tr("Fort", "level 3");
    case game::Level::Unbeatable:
        return SpokenTexts::tr("Imbattable", "level 4");
    }
    return {};
}

QString ScoreText(const match::Match& match, bool countsWhole) {
    const game::Level level = match.level();
    const game::Score score = match.scores().score(level);
    const auto whole = [countsWhole](QString count) {
        return countsWhole ? count.replace(u' ', QChar::Nbsp) : count;
    };
    return SpokenTexts::tr("Score (%1) : %2, %3, %4, %5",
                           "%1 is the level's name; %2, %3, %4 and %5 are the games won, drawn, "
                           "lost and given up, each a number with its word")
        .arg(whole(LevelName(level)),
             whole(SpokenTexts::tr("%n gagnée(s)", "games won", score.won)),
             whole(SpokenTexts::tr("%n nulle(s)", "games drawn", score.drawn)),
             whole(SpokenTexts::tr("%n perdue(s)", "games lost", score.lost)),
             whole(SpokenTexts::tr("%n abandonnée(s)", "games given up", score.givenUp)));
}

QString TurnDescription(int player) {
    return player == 0 ? SpokenTexts::tr("Au joueur 1 (jaune) de jouer")
                       : SpokenTexts::tr("Au joueur 2 (rouge) de jouer");
}

QString FullBoardDescription() {
    return SpokenTexts::tr("Grille pleine. Nouveau jeu pour rejouer.");
}

QString OpponentDescription(int computerPlayer, game::Level level) {
    return (computerPlayer == 1
                ? SpokenTexts::tr("Contre l'ordinateur (rouge), niveau %1.", "%1 is the level")
                : SpokenTexts::tr("Contre l'ordinateur (jaune), niveau %1.", "%1 is the level"))
        .arg(LevelName(level));
}

QString ShortPlace(int cell) {
    return SpokenTexts::tr("%1, rangée %2", "a cell's column and row, in few words")
        .arg(game::ColumnOf(cell) + 1)
        .arg(rowFromBottom(cell));
}

QString ComputerMoveText(int cell) {
    return SpokenTexts::tr("Ordinateur : %1.", "%1 is a cell's column and row")
        .arg(ShortPlace(cell));
}

QString PlayerMoveText(int cell) {
    return SpokenTexts::tr("Vous : %1.", "%1 is a cell's column and row").arg(ShortPlace(cell));
}

QString GameOverDescription(match::Outcome outcome, int lastCell) {
    return SpokenTexts::tr("Partie terminée : %1.", "%1 is the result")
        .arg(resultClause(outcome, lastCell));
}

QString BoardAnnouncement(const game::Game& game) {
    QStringList columns;
    for (int column = 0; column < game::Columns; ++column) {
        const QStringList pieces = piecesOf(game, column);
        if (!pieces.isEmpty())
            columns.append(SpokenTexts::tr("%1 %2", "a column's number, then its pieces")
                               .arg(column + 1)
                               .arg(listed(pieces)));
    }
    if (columns.isEmpty())
        return SpokenTexts::tr("Grille vide.");
    const QString said = SpokenTexts::tr("Grille : %1.", "%1 lists the columns that hold pieces")
                             .arg(columns.join(SpokenTexts::tr(" ; ", "between two columns")));
    if (columns.size() < game::Columns)
        return said + u' ' + SpokenTexts::tr("Autres colonnes vides.");
    return said;
}

QString HintDescription(int column) {
    return SpokenTexts::tr("Conseil : colonne %1", "%1 is the number of the column advised")
        .arg(column + 1);
}

QString DropAnnouncement(const game::Placement& placed) {
    return (placed.value == 1
                ? SpokenTexts::tr(
                      "Jaune en colonne %1, rangée %2.",
                      "%1 is the column's number, %2 the row's, counted from the bottom")
                : SpokenTexts::tr(
                      "Rouge en colonne %1, rangée %2.",
                      "%1 is the column's number, %2 the row's, counted from the bottom"))
        .arg(game::ColumnOf(placed.cell) + 1)
        .arg(rowFromBottom(placed.cell));
}

QString TurnAnnouncement(const QString& turn) {
    return turn + u'.';
}

QString YourTurnAnnouncement() {
    return SpokenTexts::tr("A vous de jouer.");
}

QString BriefYourTurnAnnouncement() {
    return SpokenTexts::tr("A vous.", "the player's turn, after a move that was just said");
}

QString ComputerThinkingAnnouncement() {
    return SpokenTexts::tr("L'ordinateur réfléchit.");
}

QString ScoreResetAnnouncement() {
    return SpokenTexts::tr("Score remis à zéro.");
}

QString HintPutOutAnnouncement() {
    return SpokenTexts::tr("Conseil retiré.");
}

QString NothingToAnalyseAnnouncement() {
    return SpokenTexts::tr("Rien à analyser : la grille est vide.");
}

QString RefusalAnnouncement(match::Refusal why, int where) {
    switch (why) {
    case match::Refusal::FullColumn:
        return SpokenTexts::tr("Colonne %1 pleine.", "%1 is the column's number").arg(where + 1);
    case match::Refusal::FloatingCell:
        return SpokenTexts::tr("Colonne %1, rangée %2 : pas encore jouable.",
                               "%1 is the column's number, %2 the row's of the cell clicked")
            .arg(game::ColumnOf(where) + 1)
            .arg(rowFromBottom(where));
    case match::Refusal::HintWithLine:
        return SpokenTexts::tr("Pas de conseil : une ligne est faite.");
    case match::Refusal::HintOnFullBoard:
        return SpokenTexts::tr("Pas de conseil : la grille est pleine.");
    case match::Refusal::HintWhileThinking:
        return SpokenTexts::tr("Pas de conseil : l'ordinateur réfléchit.");
    case match::Refusal::NothingToTakeBack:
        return SpokenTexts::tr("Rien à reprendre.");
    case match::Refusal::GameOver:
        return ComputerGameOverAnnouncement();
    case match::Refusal::ComputerThinking:
        return ComputerThinkingAnnouncement();
    }
    return {};
}

QString ComputerGameOverAnnouncement() {
    return SpokenTexts::tr("Partie terminée : Nouveau jeu pour rejouer.");
}

QString NewGameAnnouncement(const QString& turn, bool opponentChanged) {
    return (opponentChanged
                ? SpokenTexts::tr("Nouvelle partie à deux joueurs. %1.", "%1 says whose turn it is")
                : SpokenTexts::tr("Nouvelle partie. %1.", "%1 says whose turn it is"))
        .arg(turn);
}

QString NewComputerGameAnnouncement(int computerPlayer, game::Level level) {
    return (computerPlayer == 1 ? SpokenTexts::tr("Nouvelle partie contre l'ordinateur (rouge), "
                                                  "niveau %1.",
                                                  "%1 is the level")
                                : SpokenTexts::tr("Nouvelle partie contre l'ordinateur (jaune), "
                                                  "niveau %1.",
                                                  "%1 is the level"))
        .arg(LevelName(level));
}

QString GivenUpAnnouncement(game::Level level) {
    return SpokenTexts::tr("Partie abandonnée, comptée au score du niveau %1.",
                           "%1 is the level's name")
        .arg(LevelName(level));
}

QString TakeBackAnnouncement(const QList<game::Placement>& taken,
                             std::optional<int> computerPlayer) {
    QStringList moves;
    for (const game::Placement& placed : taken) {
        const int column = game::ColumnOf(placed.cell) + 1;
        const int row = rowFromBottom(placed.cell);
        QString move;
        if (!computerPlayer)
            move =
                placed.value == 1
                    ? SpokenTexts::tr("jaune en colonne %1, rangée %2",
                                      "a move taken back; %1 is its column's number, %2 its row's")
                    : SpokenTexts::tr("rouge en colonne %1, rangée %2",
                                      "a move taken back; %1 is its column's number, %2 its row's");
        else if (placed.value == *computerPlayer + 1)
            move = SpokenTexts::tr(
                "l'ordinateur en colonne %1, rangée %2",
                "the computer's move taken back; %1 is its column's number, %2 its row's");
        else
            move = SpokenTexts::tr(
                "vous en colonne %1, rangée %2",
                "the player's move taken back; %1 is its column's number, %2 its row's");
        moves.append(move.arg(column).arg(row));
    }
    return SpokenTexts::tr("Coup(s) repris : %1.", "%1 lists the moves taken back", taken.size())
        .arg(moves.join(SpokenTexts::tr(" ; ", "between two moves")));
}

} // namespace quatrelle::main_window

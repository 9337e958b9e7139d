// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/board.h"
#include "game/levels.h"
#include "match/match.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

namespace quatrelle::main_window {

// "Débutant", "Moyen", "Fort", "Imbattable".
QString LevelName(game::Level level);
// The score of the level being played: "Score (Moyen) : 3 gagnées, 1 nulle, 2 perdues, 0
// abandonnée"; with each count, and the level's name, unbreakable where it is shown wrapped.
QString ScoreText(const match::Match& match, bool countsWhole = false);

// What assistive technology reads of the board and speaks of the game, in the game's
// language. Columns and rows are counted from 1, columns from the left and rows from the
// bottom, as a player counts them: row 1 is where the first piece lands.

// "Colonne 4, rangée 1 : jaune", for a cell and its board value (0 empty, 1 yellow, 2 red).
QString CellName(int cell, std::int16_t value);
// A column's arrow, its pieces from the bottom up and where the next one lands:
// "Colonne 4 : jaune, rouge ; prochaine pièce en rangée 3", "Colonne 4 : vide".
QString ColumnName(const game::Game& game, int column);
// "Au joueur 1 (jaune) de jouer", for player 0 or 1.
QString TurnDescription(int player);
// "Grille pleine. Nouveau jeu pour rejouer.", when between two players nobody can play.
QString FullBoardDescription();
// "Conseil : colonne 4", for column 3.
QString HintDescription(int column);

// Against the computer, where the window's description says who plays and how well:
// "Contre l'ordinateur (rouge), niveau Moyen.", for the computer's player 0 or 1.
QString OpponentDescription(int computerPlayer, game::Level level);
// Where a piece went, in the few words a reply is said in: "4, rangée 1". The player's keys are
// the columns, so the column needs no name.
QString ShortPlace(int cell);
// "Ordinateur : 6, rangée 1."
QString ComputerMoveText(int cell);
// "Vous : 4, rangée 1."
QString PlayerMoveText(int cell);
// The window's description once a game against the computer has ended, short enough to hear
// whole on each return to the window: "Partie terminée : vous avez gagné en 4, rangée 1."
QString GameOverDescription(match::Outcome outcome, int lastCell);
// The whole board in one sentence, column by column, each from the bottom up; empty columns
// are left out: "Grille : 3 jaune ; 4 jaune, rouge. Autres colonnes vides.", "Grille vide."
QString BoardAnnouncement(const game::Game& game);

// What is spoken as it happens, each a sentence or two.
// "Jaune en colonne 4, rangée 1."
QString DropAnnouncement(const game::Placement& placed);
// "Au joueur 2 (rouge) de jouer.", for a turn's description.
QString TurnAnnouncement(const QString& turn);
// "A vous de jouer.", when the player is to move against the computer; "A vous." after a move
// that was just said.
QString YourTurnAnnouncement();
QString BriefYourTurnAnnouncement();
// "L'ordinateur réfléchit."
QString ComputerThinkingAnnouncement();
// "Score remis à zéro.", once the player has asked for it.
QString ScoreResetAnnouncement();
QString HintPutOutAnnouncement();
QString NothingToAnalyseAnnouncement();
// Why the match refused: "Colonne 4 pleine.", "Colonne 4, rangée 3 : pas encore jouable.",
// "Pas de conseil : une ligne est faite.", "Rien à reprendre." ...
QString RefusalAnnouncement(match::Refusal why, int where);
// "Partie terminée : Nouveau jeu pour rejouer.", once a line ends a game against the computer.
QString ComputerGameOverAnnouncement();
// "Nouvelle partie. Au joueur 1 (jaune) de jouer."; after a change of opponent, "Nouvelle
// partie à deux joueurs. Au joueur 1 (jaune) de jouer."
QString NewGameAnnouncement(const QString& turn, bool opponentChanged = false);
// "Nouvelle partie contre l'ordinateur (rouge), niveau Moyen."
QString NewComputerGameAnnouncement(int computerPlayer, game::Level level);
// Said before the new game when the game left was counted as given up.
QString GivenUpAnnouncement(game::Level level);
// "Coup repris : jaune en colonne 4, rangée 1.", or with two moves "Coups repris : rouge en
// colonne 4, rangée 2 ; jaune en colonne 4, rangée 1.", the last one played first. Against the
// computer, in the player's words: "Coups repris : l'ordinateur en colonne 4, rangée 2 ; vous
// en colonne 4, rangée 1."
QString TakeBackAnnouncement(const QList<game::Placement>& taken,
                             std::optional<int> computerPlayer = std::nullopt);

} // namespace quatrelle::main_window

#pragma once

#include "game/board.h"

#include <QString>
#include <cstdint>

namespace quatrelle::main_window {

// What assistive technology reads of the board and speaks of the game, in the game's
// language. Columns and rows are counted from 1, columns from the left and rows from the
// bottom, as a player counts them: row 1 is where the first piece lands.

// "Colonne 4, rangée 1 : jaune", for a cell and its board value (0 empty, 1 yellow, 2 red).
QString CellName(int cell, std::int16_t value);
// A column's arrow, its pieces from the bottom up and where the next one lands:
// "Colonne 4 : jaune, rouge ; prochaine pièce en rangée 3", "Colonne 4 : vide".
QString ColumnName(const game::Game& game, int column);
// "Au joueur 1 (jaune) de jouer", for player 0 or 1; "A l'ordinateur (rouge) de jouer" when
// the computer plays that player.
QString TurnDescription(int player, bool computer = false);
// "Conseil : colonne 4", for column 3.
QString HintDescription(int column);

// What is spoken as it happens, each a sentence or two.
// "Jaune en colonne 4, rangée 1. Au joueur 2 (rouge) de jouer."
QString DropAnnouncement(const game::Placement& placed, const QString& turn);
// "L'ordinateur a joué en colonne 3, rangée 1."
QString ComputerDropAnnouncement(int cell);
// "Colonne 4 pleine."
QString FullColumnAnnouncement(int column);
// "Colonne 4, rangée 3 : pas encore jouable.", for a cell with nothing below it.
QString FloatingCellAnnouncement(int cell);
// "Nouvelle partie. Au joueur 1 (jaune) de jouer."
QString NewGameAnnouncement(const QString& turn);
// "Coup repris. Au joueur 1 (jaune) de jouer."
QString TakeBackAnnouncement(const QString& turn);

} // namespace quatrelle::main_window

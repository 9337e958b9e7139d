#pragma once

#include <QString>
#include <cstdint>

namespace quatrelle::main_window {

// What assistive technology reads of the board, in the game's language. Columns and rows are
// counted from 1, columns from the left and rows from the top, as a player counts them.

// "Colonne 4"
QString ArrowName(int column);
// "Colonne 4, rangée 5 : jaune", for a cell and its board value (0 empty, 1 yellow, 2 red).
QString CellName(int cell, std::int16_t value);
// "Au joueur 1 (jaune) de jouer", for player 0 or 1; "A l'ordinateur (rouge) de jouer" when
// the computer plays that player.
QString TurnDescription(int player, bool computer = false);
// "Conseil : colonne 4", for column 3.
QString HintDescription(int column);

} // namespace quatrelle::main_window

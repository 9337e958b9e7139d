// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board.h"

#include <array>
#include <optional>
#include <vector>

namespace quatrelle::game {

struct WinningLine {
    std::int16_t player; // the value of the line's cells: 1 or 2
    std::array<std::int16_t, 4> cells;
};

// The first line of four equal pieces in scan order: start column first, then start row, then
// the direction (right, down, right-down, right-up). Only that line is reported, however many
// lines the board holds.
std::optional<WinningLine> FindWinningLine(const BoardArray& board);

// Every cell of every line of four equal pieces, in increasing order: all that a move that
// makes two lines at once, or a line of five, has won with.
std::vector<int> CellsOfLines(const BoardArray& board);

} // namespace quatrelle::game

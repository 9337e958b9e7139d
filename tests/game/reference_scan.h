// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A second, independent way to find the first winning line: every line of four that fits on
// the board is listed once, from each direction separately, then ordered as the game announces
// them (start column, start row, direction). The game's own scan must always agree.

#include "game/board.h"
#include "game/victory.h"

#include <algorithm>
#include <array>
#include <optional>
#include <tuple>
#include <vector>

namespace quatrelle::testing {

struct ReferenceLine {
    int startColumn; // 0-based
    int startRow;    // 0-based
    int direction;   // 0 right, 1 down, 2 right-down, 3 right-up
    std::array<std::int16_t, 4> cells;
};

inline const std::vector<ReferenceLine>& allLines() {
    static const std::vector<ReferenceLine> lines = [] {
        constexpr std::array<std::array<int, 2>, 4> steps{{{1, 0}, {0, 1}, {1, 1}, {1, -1}}};
        std::vector<ReferenceLine> result;
        for (int direction = 3; direction >= 0; --direction) {
            const auto [dx, dy] = steps[direction];
            for (int row = 0; row < game::Rows; ++row) {
                for (int column = 0; column < game::Columns; ++column) {
                    const int endColumn = column + 3 * dx;
                    const int endRow = row + 3 * dy;
                    if (endColumn < 0 || endColumn >= game::Columns || endRow < 0 ||
                        endRow >= game::Rows)
                        continue;
                    ReferenceLine line{column, row, direction, {}};
                    for (int i = 0; i < 4; ++i)
                        line.cells[i] = static_cast<std::int16_t>((row + i * dy) * game::Columns +
                                                                  column + i * dx);
                    result.push_back(line);
                }
            }
        }
        std::sort(result.begin(), result.end(), [](const ReferenceLine& a, const ReferenceLine& b) {
            return std::tie(a.startColumn, a.startRow, a.direction) <
                   std::tie(b.startColumn, b.startRow, b.direction);
        });
        return result;
    }();
    return lines;
}

inline std::optional<game::WinningLine> referenceScan(const game::BoardArray& board) {
    for (const ReferenceLine& line : allLines()) {
        const std::int16_t first = board[line.cells[0]];
        if (first != 0 && std::all_of(line.cells.begin(), line.cells.end(),
                                      [&](std::int16_t cell) { return board[cell] == first; }))
            return game::WinningLine{first, line.cells};
    }
    return std::nullopt;
}

// How many pieces stand on the board.
inline int piecesOn(const game::BoardArray& board) {
    return static_cast<int>(
        std::count_if(board.begin(), board.end(), [](std::int16_t v) { return v != 0; }));
}

// Every column is one unbroken run of pieces standing on the bottom row.
inline bool columnsAreUnbroken(const game::BoardArray& board) {
    for (int column = 0; column < game::Columns; ++column) {
        bool seenEmpty = false;
        for (int row = game::Rows - 1; row >= 0; --row) {
            const bool empty = board[row * game::Columns + column] == 0;
            if (!empty && seenEmpty)
                return false;
            seenEmpty = seenEmpty || empty;
        }
    }
    return true;
}

} // namespace quatrelle::testing

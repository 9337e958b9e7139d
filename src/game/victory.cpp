// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "victory.h"

namespace quatrelle::game {

namespace {

struct Direction {
    int dx;
    int dy;
    // Keeps all four cells on the board when the line starts at column x, row y (1-based).
    bool (*fits)(int x, int y);
};

constexpr std::array<Direction, 4> Directions{{
    {+1, 0, [](int x, int) { return x < 5; }},
    {0, +1, [](int, int y) { return y < 3; }},
    {+1, +1, [](int x, int y) { return y < 3 && x < 5; }},
    {+1, -1, [](int x, int y) { return y > 3 && x < 5; }},
}};

// Calls found(line) for each line of four equal pieces in scan order, until it returns false.
template <typename Found> void ScanLines(const BoardArray& board, Found found) {
    const auto at = [&board](int x, int y) { return board[CellIndex(x, y)]; };
    for (int x = 1; x <= Columns; ++x) {
        for (int y = 1; y <= Rows; ++y) {
            const std::int16_t s = at(x, y);
            if (s < 1)
                continue;
            for (const Direction& d : Directions) {
                if (!d.fits(x, y))
                    continue;
                if (at(x + d.dx, y + d.dy) == s && at(x + 2 * d.dx, y + 2 * d.dy) == s &&
                    at(x + 3 * d.dx, y + 3 * d.dy) == s) {
                    WinningLine line{s, {}};
                    for (int step = 0; step < 4; ++step)
                        line.cells[step] = CellIndex(x + step * d.dx, y + step * d.dy);
                    if (!found(line))
                        return;
                }
            }
        }
    }
}

} // namespace

std::optional<WinningLine> FindWinningLine(const BoardArray& board) {
    std::optional<WinningLine> first;
    ScanLines(board, [&first](const WinningLine& line) {
        first = line;
        return false;
    });
    return first;
}

std::vector<int> CellsOfLines(const BoardArray& board) {
    std::vector<bool> inLine(board.size());
    ScanLines(board, [&inLine](const WinningLine& line) {
        for (const std::int16_t cell : line.cells)
            inLine[static_cast<std::size_t>(cell)] = true;
        return true;
    });
    std::vector<int> cells;
    for (std::size_t cell = 0; cell < inLine.size(); ++cell)
        if (inLine[cell])
            cells.push_back(static_cast<int>(cell));
    return cells;
}

} // namespace quatrelle::game

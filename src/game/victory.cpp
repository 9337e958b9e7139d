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

} // namespace

std::optional<WinningLine> FindWinningLine(const BoardArray& board) {
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
                    return line;
                }
            }
        }
    }
    return std::nullopt;
}

} // namespace quatrelle::game

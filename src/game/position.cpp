// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "position.h"

#include <bit>

namespace quatrelle::game {

Position Position::FromGame(const Game& game) {
    Position position;
    const std::int16_t toMove = static_cast<std::int16_t>(game.CurrentPlayer() + 1);
    for (int cell = 0; cell < CellCount; ++cell) {
        const std::int16_t value = game.Board()[cell];
        if (value == Empty)
            continue;
        const Bits bit = BottomCell(ColumnOf(cell)) << (Rows - 1 - RowOf(cell));
        position.m_mask |= bit;
        if (value == toMove)
            position.m_current |= bit;
        ++position.m_moves;
    }
    return position;
}

Position Position::FromKey(Bits key) {
    Position position;
    for (int column = 0; column < Columns; ++column) {
        const int shift = column * ColumnBits;
        const Bits part = (key >> shift) & ((Bits{1} << ColumnBits) - 1);
        const int height = std::bit_width(part + 1) - 1;
        const Bits filled = (Bits{1} << height) - 1;
        position.m_mask |= filled << shift;
        position.m_current |= (part - filled) << shift;
        position.m_moves += height;
    }
    return position;
}

Position::Bits Position::MirroredKey() const {
    const Bits key = Key();
    constexpr Bits column = (Bits{1} << ColumnBits) - 1;
    Bits mirrored = 0;
    for (int c = 0; c < Columns; ++c)
        mirrored |= ((key >> (c * ColumnBits)) & column) << ((Columns - 1 - c) * ColumnBits);
    return mirrored;
}

// A line is found by and-ing the pieces with themselves shifted along its direction: one step
// up (1), across (ColumnBits) or along either diagonal (ColumnBits - 1, ColumnBits + 1).
bool Position::IsLine(Bits pieces) {
    for (const int step : {1, ColumnBits, ColumnBits - 1, ColumnBits + 1}) {
        const Bits pairs = pieces & (pieces >> step);
        if (pairs & (pairs >> (2 * step)))
            return true;
    }
    return false;
}

Position::Bits Position::WinningCells(Bits pieces, Bits mask) {
    // Straight up: three pieces below the cell.
    Bits cells = (pieces << 1) & (pieces << 2) & (pieces << 3);
    // The three other directions: the cell completes a line at any of its four places in it.
    for (const int step : {ColumnBits, ColumnBits - 1, ColumnBits + 1}) {
        Bits pair = (pieces << step) & (pieces << 2 * step);
        cells |= pair & (pieces << 3 * step);
        cells |= pair & (pieces >> step);
        pair = (pieces >> step) & (pieces >> 2 * step);
        cells |= pair & (pieces << step);
        cells |= pair & (pieces >> 3 * step);
    }
    return cells & (FullBoard ^ mask);
}

} // namespace quatrelle::game

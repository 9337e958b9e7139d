// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board.h"

#include <cstdint>

namespace quatrelle::game {

// The board as two bit sets, for the solver: bit (column * 6 + height) stands for the cell at
// that height (0 at the bottom) of that column. Each column has one spare bit above its top
// cell, so that shifting a line across a column edge never lands on a real cell.
class Position {
public:
    using Bits = std::uint64_t;
    static constexpr int ColumnBits = Rows + 1;
    static constexpr Bits BottomRow = [] {
        Bits bits = 0;
        for (int column = 0; column < Columns; ++column)
            bits |= Bits{1} << (column * ColumnBits);
        return bits;
    }();
    static constexpr Bits FullBoard = BottomRow * ((Bits{1} << Rows) - 1);

    Position() = default;
    // The pieces of the game's board, with the game's player to move.
    static Position FromGame(const Game& game);
    // The position of a key.
    static Position FromKey(Bits key);

    // The cells of the player to move, and every occupied cell.
    Bits Current() const { return m_current; }
    Bits Mask() const { return m_mask; }
    int MoveCount() const { return m_moves; }
    bool IsFull() const { return m_moves >= CellCount; }

    bool CanPlay(int column) const { return (m_mask & TopCell(column)) == 0; }
    void Play(int column) { PlayCell((m_mask + BottomCell(column)) & ColumnCells(column)); }
    // Plays the one cell of a move bit set (a playable cell).
    void PlayCell(Bits move) {
        m_current ^= m_mask;
        m_mask |= move;
        ++m_moves;
    }

    // Either player has four in a line.
    bool HasLine() const { return IsLine(m_current) || IsLine(m_current ^ m_mask); }
    // The playable cells, one per open column.
    Bits Playable() const { return (m_mask + BottomRow) & FullBoard; }
    // The empty cells where the player to move, or the opponent, would complete four.
    Bits Threats() const { return WinningCells(m_current, m_mask); }
    Bits OpponentThreats() const { return WinningCells(m_current ^ m_mask, m_mask); }
    bool CanWinNext() const { return (Threats() & Playable()) != 0; }
    // The playable cells that do not hand the opponent a win with its next piece. Empty when
    // every move loses at once: two threats to answer, or only moves that play under the
    // opponent's winning cell. Inline: the solver asks it at every position it searches.
    Bits NonLosingMoves() const {
        Bits playable = Playable();
        const Bits opponentWins = OpponentThreats();
        const Bits forced = playable & opponentWins;
        if (forced) {
            if (forced & (forced - 1))
                return 0;
            playable = forced;
        }
        return playable & ~(opponentWins >> 1);
    }

    // The opponent has two cells where it would complete four that the player to move cannot
    // both stop: both playable, or one on top of the other; and the player to move cannot win
    // first with its next piece.
    bool FacesDoubleThreat() const {
        const Bits threats = OpponentThreats();
        const Bits open = threats & Playable();
        return !CanWinNext() && ((open & (open - 1)) != 0 || (open & (threats >> 1)) != 0);
    }

    // Unique for every position, since a column of height h adds up to 2^h - 1 to 2^(h+1) - 2;
    // the solver's tables are keyed on it.
    Bits Key() const { return m_current + m_mask; }
    // The key of the mirror image, which has the same score.
    Bits MirroredKey() const;

    static constexpr Bits ColumnCells(int column) {
        return ((Bits{1} << Rows) - 1) << (column * ColumnBits);
    }
    static constexpr Bits BottomCell(int column) { return Bits{1} << (column * ColumnBits); }
    static constexpr Bits TopCell(int column) {
        return Bits{1} << (Rows - 1 + column * ColumnBits);
    }

    static bool IsLine(Bits pieces);
    static Bits WinningCells(Bits pieces, Bits mask);

private:
    Bits m_current = 0;
    Bits m_mask = 0;
    int m_moves = 0;
};

} // namespace quatrelle::game

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace quatrelle::game {

inline constexpr int Columns = 7;
inline constexpr int Rows = 5;
inline constexpr int CellCount = Columns * Rows;
// One element more than there are cells: element 35 is never a cell and only a clear touches it.
inline constexpr int BoardSize = CellCount + 1;
inline constexpr std::int16_t Empty = 0;

using BoardArray = std::array<std::int16_t, BoardSize>;

// 1-based column x (1 to 7) and row y (1 to 5) to a cell index.
constexpr std::int16_t CellIndex(int x, int y) {
    return static_cast<std::int16_t>((y - 1) * Columns + (x - 1));
}

constexpr int ColumnOf(int cell) {
    return cell % Columns;
}
constexpr int RowOf(int cell) {
    return cell / Columns;
}
constexpr bool IsValidColumn(int column) {
    return column >= 0 && column < Columns;
}
constexpr bool IsValidCell(int cell) {
    return cell >= 0 && cell < CellCount;
}
constexpr bool IsBottomRow(int cell) {
    return cell >= CellCount - Columns;
}

// The columns by their distance from the centre, of two at the same distance the left one
// first: centre columns take part in the most lines.
inline constexpr std::array<int, Columns> ColumnsFromCentre{3, 2, 4, 1, 5, 0, 6};

// The column nearest the centre that the predicate accepts; -1 when it accepts none.
template <typename Accepts> constexpr int NearestCentre(Accepts accepts) {
    for (const int column : ColumnsFromCentre)
        if (accepts(column))
            return column;
    return -1;
}

// Player 0 opens and the players alternate: move m, counted from 0, is player m % 2's, and after
// m moves player m % 2 is to move.
constexpr int PlayerOfMove(int move) {
    return move % 2;
}

// Where a drop put its piece: the cell and the value it now holds (1 or 2).
struct Placement {
    std::int16_t cell;
    std::int16_t value;
};

// The board and the player to move. Player p (0 or 1) owns the pieces of value p + 1.
class Game {
public:
    const BoardArray& Board() const { return m_board; }
    std::uint8_t CurrentPlayer() const { return m_currentPlayer; }

    // -1 for a negative index, so that the landing search may look one row above the top.
    std::int16_t CellValue(int index) const;

    // The lowest empty cell of the column, or a negative number when the column is full
    // (or the column does not exist).
    std::int16_t LandingCell(int column) const;

    // A cell is playable when a piece dropped into its column would land on it.
    bool IsPlayable(int cell) const;
    // Empty, not in the bottom row, and nothing below it.
    bool IsFloating(int cell) const;

    // Records the current player's piece at the landing cell of the column and passes the
    // turn; nothing when the column is full or does not exist.
    std::optional<Placement> Drop(int column);

    // Empties the cell of the last drop and gives the turn back to the player who made it;
    // nothing when no drop is left to take back.
    std::optional<Placement> TakeBack();
    int MoveCount() const { return m_moveCount; }
    // The cell of a move so far, counted from 0.
    std::int16_t CellOfMove(int move) const { return m_history.at(move); }
    // The player's latest move so far, counted from 0; none before the player's first.
    std::optional<int> LastMoveOf(int player) const;
    // Every cell holds a piece, since every move adds one.
    bool IsFull() const { return m_moveCount >= CellCount; }

    void NextPlayer();
    // Every element, the non-cell one included, back to empty; the first player moves.
    void NewGame();

private:
    BoardArray m_board{};
    std::uint8_t m_currentPlayer = 0;
    // The cells of the drops so far, in order.
    std::array<std::int16_t, CellCount> m_history{};
    int m_moveCount = 0;
};

} // namespace quatrelle::game

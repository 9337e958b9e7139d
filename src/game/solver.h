// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "position.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

namespace quatrelle::game {

class OpeningTable;

// Plays the board perfectly. A score is seen from the player to move: positive when that player
// wins whatever the opponent does, the sooner the larger ((36 - moves before the win) / 2 for a
// win with the next piece); negative for a loss, the later the closer to zero; 0 for a draw.
class Solver {
public:
    // The soonest loss: the opponent's fourth piece completes a line, with five pieces down
    // when this player moves; the soonest win: this player's fourth piece, with six down.
    static constexpr int MinScore = -(CellCount - 5) / 2;
    static constexpr int MaxScore = (CellCount + 1 - 6) / 2;

    // Without a table every position is searched from scratch. The table, when given, must
    // outlive the solver.
    explicit Solver(const OpeningTable* table = nullptr);
    ~Solver();
    Solver(const Solver&) = delete;
    Solver& operator=(const Solver&) = delete;

    // The exact score of a position in which neither player has four in a line.
    int Solve(const Position& position);
    // The score of a position whose player to move completes a line with the next piece.
    static int WinNextScore(const Position& position) {
        return (CellCount + 1 - position.MoveCount()) / 2;
    }
    // Whether the exact score of a position with no line on the board is at least `score`: one
    // null-window search, cheaper than Solve.
    bool ScoresAtLeast(const Position& position, int score) {
        return Bounded(position, score - 1, score) >= score;
    }
    // The columns (0 to 6) whose move keeps the best score open to the player to move: the
    // fastest win, else a draw, else the slowest loss. Empty on a full board.
    std::vector<int> BestColumns(const Position& position);
    // The one best column that the hint shows and the review advises: of the best columns, the
    // one nearest the centre; -1 on a full board.
    int BestColumn(const Position& position);

    // Positions searched since the solver was made, for benchmarks.
    std::uint64_t NodeCount() const { return m_nodes; }

    // Thrown out of a search once the flag is set; what the solver has learnt stays sound.
    struct Stopped {};
    // A flag that another thread may set to end the search under way; nullptr for none.
    void SetStopFlag(const std::atomic<bool>* stop) { m_stop = stop; }

private:
    class TranspositionTable;

    int Negamax(const Position& position, int alpha, int beta);
    // Negamax's window, for a position whose player to move may win with the next piece.
    int Bounded(const Position& position, int alpha, int beta);

    const OpeningTable* m_table;
    std::unique_ptr<TranspositionTable> m_transpositions;
    std::uint64_t m_nodes = 0;
    const std::atomic<bool>* m_stop = nullptr;
};

// A move for the player to move on a board where a line already stands, and the game goes on:
// complete a line of its own, else stop one of the opponent's, else the open column nearest the
// centre. -1 on a full board.
int PlainColumn(const Position& position);

} // namespace quatrelle::game

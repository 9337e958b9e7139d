// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver.h"

#include "opening_table.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <new>

namespace quatrelle::game {

namespace {

using Bits = Position::Bits;

constexpr int MirrorLookupsBelow = 16; // pieces on the board

} // namespace

// Scores of searched positions, as bounds. A key is stored as its lower 32 bits: with an odd
// table size above 2^10, the slot and those bits together tell every key (below 2^42) apart.
class Solver::TranspositionTable {
public:
    static constexpr std::size_t Size = (std::size_t{1} << 21) + 1;

    // 0 when nothing is stored for the key.
    std::uint8_t Get(Bits key) const {
        const std::size_t slot = key % Size;
        return m_keys[slot] == static_cast<std::uint32_t>(key) ? m_values[slot] : 0;
    }
    void Put(Bits key, std::uint8_t value) {
        const std::size_t slot = key % Size;
        m_keys[slot] = static_cast<std::uint32_t>(key);
        m_values[slot] = value;
    }

private:
    // calloc, because the system hands zeroed pages over only as the search first touches
    // them: a short game keeps most of the table's 10 MB out of memory.
    template <typename T> using Zeroed = std::unique_ptr<T[], decltype(&std::free)>;
    template <typename T> static Zeroed<T> Allocate() {
        auto* cells = static_cast<T*>(std::calloc(Size, sizeof(T)));
        if (!cells)
            throw std::bad_alloc();
        return {cells, &std::free};
    }

    Zeroed<std::uint32_t> m_keys = Allocate<std::uint32_t>();
    Zeroed<std::uint8_t> m_values = Allocate<std::uint8_t>();
};

// An upper bound is stored as 1 to (MaxScore - MinScore + 1), a lower bound above that.
namespace {
constexpr int UpperBoundBase = Solver::MinScore - 1;
constexpr int LowerBoundBase = 2 * Solver::MinScore - Solver::MaxScore - 2;
} // namespace

Solver::Solver(const OpeningTable* table)
    : m_table(table)
    , m_transpositions(std::make_unique<TranspositionTable>()) {}

Solver::~Solver() = default;

int Solver::Negamax(const Position& position, int alpha, int beta) {
    ++m_nodes;
    // Thrown before anything is stored, so that no bound of an unfinished search is kept.
    if (m_stop && (m_nodes & 0xfff) == 0 && m_stop->load(std::memory_order_relaxed))
        throw Stopped{};
    const Bits next = position.NonLosingMoves();
    if (next == 0)
        return -(CellCount - position.MoveCount()) / 2;
    if (position.MoveCount() >= CellCount - 2)
        return 0;

    // The opponent cannot win with its next piece, nor this player with this one.
    const int lowest = -(CellCount - 2 - position.MoveCount()) / 2;
    if (alpha < lowest) {
        alpha = lowest;
        if (alpha >= beta)
            return alpha;
    }
    int highest = (CellCount - 1 - position.MoveCount()) / 2;
    if (m_table && position.MoveCount() <= m_table->Depth()) {
        if (const auto entry = m_table->Find(position))
            return entry->score;
    }
    const Bits key = position.Key();
    int stored = m_transpositions->Get(key);
    // A mirror image has the same score. Early on, where mirrored lines of play meet often,
    // its entry is worth the look-up: it halves the search of the empty board.
    if (!stored && position.MoveCount() < MirrorLookupsBelow)
        stored = m_transpositions->Get(position.MirroredKey());
    if (stored) {
        if (stored > MaxScore - MinScore + 1) {
            const int lower = stored + LowerBoundBase;
            if (alpha < lower) {
                alpha = lower;
                if (alpha >= beta)
                    return alpha;
            }
        } else {
            highest = stored + UpperBoundBase;
        }
    }
    if (beta > highest) {
        beta = highest;
        if (alpha >= beta)
            return beta;
    }

    // Moves that leave the most cells where this player would complete a line go first.
    std::array<std::pair<int, Bits>, Columns> moves{};
    int count = 0;
    // Centre columns first, since they most often cut the search.
    for (const int column : ColumnsFromCentre) {
        const Bits move = next & Position::ColumnCells(column);
        if (!move)
            continue;
        const int threats = std::popcount(
            Position::WinningCells(position.Current() | move, position.Mask() | move));
        int at = count++;
        for (; at > 0 && moves[at - 1].first < threats; --at)
            moves[at] = moves[at - 1];
        moves[at] = {threats, move};
    }

    for (int i = 0; i < count; ++i) {
        Position after = position;
        after.PlayCell(moves[i].second);
        const int score = -Negamax(after, -beta, -alpha);
        if (score >= beta) {
            m_transpositions->Put(key, static_cast<std::uint8_t>(score - LowerBoundBase));
            return score;
        }
        alpha = std::max(alpha, score);
    }
    m_transpositions->Put(key, static_cast<std::uint8_t>(alpha - UpperBoundBase));
    return alpha;
}

int Solver::Bounded(const Position& position, int alpha, int beta) {
    if (position.CanWinNext())
        return WinNextScore(position);
    return Negamax(position, alpha, beta);
}

int Solver::Solve(const Position& position) {
    if (position.CanWinNext())
        return WinNextScore(position);
    int lowest = -(CellCount - position.MoveCount()) / 2;
    int highest = (CellCount + 1 - position.MoveCount()) / 2;
    // Null-window searches narrow the range. The first probe asks win, draw or loss, which
    // most positions of this board answer with a draw: a draw needs two probes, 0 and -1.
    while (lowest < highest) {
        int probe = lowest + (highest - lowest) / 2;
        if (lowest < 0 && highest > 0)
            probe = 0;
        const int score = Negamax(position, probe, probe + 1);
        if (score <= probe)
            highest = score;
        else
            lowest = score;
    }
    return lowest;
}

std::vector<int> Solver::BestColumns(const Position& position) {
    std::vector<int> best;
    const Bits wins = position.Threats() & position.Playable();
    if (wins) {
        for (int column = 0; column < Columns; ++column)
            if (wins & Position::ColumnCells(column))
                best.push_back(column);
        return best;
    }
    if (position.IsFull())
        return best;
    if (const auto entry = m_table ? m_table->Find(position) : std::nullopt) {
        for (int column = 0; column < Columns; ++column)
            if (entry->columns & (1u << column))
                best.push_back(column);
        return best;
    }
    const int score = Solve(position);
    for (int column = 0; column < Columns; ++column) {
        if (!position.CanPlay(column))
            continue;
        Position after = position;
        after.Play(column);
        // The move keeps the score when the opponent's best answer is no better than -score.
        if (-Bounded(after, -score, -score + 1) >= score)
            best.push_back(column);
    }
    return best;
}

int Solver::BestColumn(const Position& position) {
    const std::vector<int> best = BestColumns(position);
    return NearestCentre(
        [&best](int column) { return std::find(best.begin(), best.end(), column) != best.end(); });
}

int PlainColumn(const Position& position) {
    const Bits playable = position.Playable();
    for (const Bits wanted :
         {position.Threats() & playable, position.OpponentThreats() & playable, playable}) {
        if (wanted)
            return NearestCentre(
                [wanted](int column) { return (wanted & Position::ColumnCells(column)) != 0; });
    }
    return -1;
}

} // namespace quatrelle::game

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "levels.h"

#include "solver.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace quatrelle::game {

namespace {

using Bits = Position::Bits;

// What a player of a level sees and how sure of it they are.
struct Style {
    int depth;         // moves looked at after its own: 0 sees only the board its move leaves
    double doubt;      // moves whose judgement is this close to the best look as good
    double blocksLine; // how often it stops a line the opponent would complete next
};

Style StyleOf(Level level) {
    switch (level) {
    case Level::Beginner:
        return {0, 20, 0.25};
    case Level::Medium:
        return {1, 12, 1};
    default:
        return {6, 2, 1};
    }
}

// Far beyond any judgement of a board: a line that will be completed, sooner rather than later.
constexpr int Decided = 1000;

// How a board looks to the player to move when no line is in sight: the empty cells where
// each side would complete four, and the pieces in the centre column.
int Judge(const Position& position) {
    const Bits mine = position.Current();
    const Bits theirs = position.Current() ^ position.Mask();
    const Bits centre = Position::ColumnCells(Columns / 2);
    return 4 * (std::popcount(position.Threats()) - std::popcount(position.OpponentThreats())) +
           std::popcount(mine & centre) - std::popcount(theirs & centre);
}

int LookAhead(const Position& position, int depth, int alpha, int beta) {
    if (position.IsFull())
        return 0;
    if (position.CanWinNext())
        return Decided - position.MoveCount();
    const Bits moves = position.NonLosingMoves();
    if (moves == 0)
        return -(Decided - position.MoveCount() - 1);
    if (depth == 0)
        return Judge(position);
    for (const int column : ColumnsFromCentre) {
        const Bits move = moves & Position::ColumnCells(column);
        if (!move)
            continue;
        Position after = position;
        after.PlayCell(move);
        alpha = std::max(alpha, -LookAhead(after, depth - 1, -beta, -alpha));
        if (alpha >= beta)
            break;
    }
    return alpha;
}

int Column(Bits cells) {
    return NearestCentre(
        [cells](int column) { return (cells & Position::ColumnCells(column)) != 0; });
}

} // namespace

int ChooseColumn(Level level, const Position& position, Solver& solver, std::mt19937& random) {
    if (position.IsFull())
        return -1;
    if (level == Level::Unbeatable) {
        const std::vector<int> best = solver.BestColumns(position);
        return best[std::uniform_int_distribution<std::size_t>(0, best.size() - 1)(random)];
    }
    const Style style = StyleOf(level);
    const Bits playable = position.Playable();
    if (const Bits wins = position.Threats() & playable)
        return Column(wins);
    const Bits forced = position.OpponentThreats() & playable;
    if (forced && std::bernoulli_distribution(style.blocksLine)(random))
        return Column(forced);

    std::uniform_real_distribution<double> hesitation(0, style.doubt);
    int chosen = -1;
    double chosenWeight = -std::numeric_limits<double>::infinity();
    for (const int column : ColumnsFromCentre) {
        if (!position.CanPlay(column))
            continue;
        Position after = position;
        after.Play(column);
        const int judged = style.depth == 0
                               ? -Judge(after)
                               : -LookAhead(after, style.depth - 1, -Decided * 2, Decided * 2);
        const double weight = judged + hesitation(random);
        if (weight > chosenWeight) {
            chosen = column;
            chosenWeight = weight;
        }
    }
    return chosen;
}

} // namespace quatrelle::game

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
    // Past its depth, it sees the opponent's next move that would make two threats at once, also
    // after this many threats that each leave one reply; -1 when it does not look for them.
    int forcingMovesSeen = -1;
    // How often it misses that its piece opens the cell above it to the opponent's line.
    double missesCellAbove = 0;
    // How much more a move into the centre column is worth to it than its judgement says: a
    // beginner piles pieces up in the middle, and misses what grows along the bottom row.
    int centreBias = 0;
};

Style StyleOf(Level level) {
    switch (level) {
    case Level::Beginner:
        return {0, 20, 0.25, -1, 0, 14};
    case Level::Medium:
        return {1, 30, 1, 1, 0.15};
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

// Calls `visit` with the position after each of the moves, centre first, until it returns true.
template <typename Visit> bool AnyMove(const Position& position, Bits moves, Visit visit) {
    for (const int column : ColumnsFromCentre) {
        const Bits move = moves & Position::ColumnCells(column);
        if (!move)
            continue;
        Position after = position;
        after.PlayCell(move);
        if (visit(after))
            return true;
    }
    return false;
}

// Whether the player to move has a move that makes two threats at once, either now or after
// at most `forcing` threats that the opponent must each answer in its one way.
bool CanMakeDoubleThreat(const Position& position, Bits moves, int forcing) {
    return AnyMove(position, moves, [forcing](Position after) {
        if (after.FacesDoubleThreat())
            return true;
        const Bits reply = after.OpponentThreats() & after.Playable();
        if (forcing == 0 || after.CanWinNext() || !std::has_single_bit(reply))
            return false;
        after.PlayCell(reply);
        return !after.CanWinNext() &&
               CanMakeDoubleThreat(after, after.NonLosingMoves(), forcing - 1);
    });
}

int LookAhead(const Position& position, const Style& style, int depth, int alpha, int beta) {
    if (position.IsFull())
        return 0;
    if (position.CanWinNext())
        return Decided - position.MoveCount();
    const Bits moves = position.NonLosingMoves();
    if (moves == 0)
        return -(Decided - position.MoveCount() - 1);
    if (depth == 0) {
        if (style.forcingMovesSeen >= 0 &&
            CanMakeDoubleThreat(position, moves, style.forcingMovesSeen))
            return Decided - position.MoveCount() - 2;
        return Judge(position);
    }
    AnyMove(position, moves, [&](const Position& after) {
        alpha = std::max(alpha, -LookAhead(after, style, depth - 1, -beta, -alpha));
        return alpha >= beta;
    });
    return alpha;
}

int Column(Bits cells) {
    return NearestCentre(
        [cells](int column) { return (cells & Position::ColumnCells(column)) != 0; });
}

bool Contains(const std::vector<int>& columns, int column) {
    return std::find(columns.begin(), columns.end(), column) != columns.end();
}

// How many of the opponent's replies to the move keep its outcome: its win when this player is
// losing (score below 0), else its draw. It stops counting at `enough`.
int RepliesThatHold(const Position& position, int column, int score, int enough, Solver& solver) {
    // What this player would score after a reply that lets it escape: a draw from a loss, a
    // win from a draw.
    const int escape = score < 0 ? 0 : 1;
    Position after = position;
    after.Play(column);
    int holding = 0;
    for (int reply = 0; reply < Columns && holding < enough; ++reply) {
        if (!after.CanPlay(reply))
            continue;
        Position next = after;
        next.Play(reply);
        if (Position::IsLine(next.Current() ^ next.Mask()))
            ++holding;
        else if (next.IsFull())
            holding += escape > 0;
        else
            holding += !solver.ScoresAtLeast(next, escape);
    }
    return holding;
}

// The perfect player's move: one that keeps the best score, and among those, when the game is
// not yet won, the one that leaves the opponent the fewest replies that keep its draw or its
// win, so that an imperfect opponent has the most ways to go wrong; the centre first among
// equals. A won game is won the fastest way, whatever the opponent does.
int TrappingColumn(const Position& position, Solver& solver) {
    const std::vector<int> best = solver.BestColumns(position);
    const int centreMost = NearestCentre([&best](int column) { return Contains(best, column); });
    if (best.size() == 1 || position.CanWinNext())
        return centreMost;
    Position after = position;
    after.Play(best.front());
    const int score = -solver.Solve(after);
    if (score > 0)
        return centreMost;
    int chosen = centreMost;
    int fewest = Columns + 1;
    for (const int column : ColumnsFromCentre) {
        if (!Contains(best, column))
            continue;
        const int holding = RepliesThatHold(position, column, score, fewest, solver);
        if (holding < fewest) {
            chosen = column;
            fewest = holding;
        }
    }
    return chosen;
}

} // namespace

int ChooseColumn(Level level, const Position& position, Solver& solver, std::mt19937& random) {
    if (position.IsFull())
        return -1;
    if (level == Level::Unbeatable)
        return TrappingColumn(position, solver);
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
        // A piece that opens the cell above it to the opponent's line, when that is missed, is
        // judged by the board alone, as the beginner judges every move.
        const bool missed = style.missesCellAbove > 0 && after.CanWinNext() &&
                            std::bernoulli_distribution(style.missesCellAbove)(random);
        const int judged = style.depth == 0 || missed ? -Judge(after)
                                                      : -LookAhead(after, style, style.depth - 1,
                                                                   -Decided * 2, Decided * 2);
        const int bias = column == Columns / 2 ? style.centreBias : 0;
        const double weight = judged + bias + hesitation(random);
        if (weight > chosenWeight) {
            chosen = column;
            chosenWeight = weight;
        }
    }
    return chosen;
}

} // namespace quatrelle::game

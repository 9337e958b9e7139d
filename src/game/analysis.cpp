// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis.h"

#include <algorithm>

namespace quatrelle::game {

namespace {

int sign(int value) {
    return (value > 0) - (value < 0);
}

// The exact score of a position for its player to move; a full board is a draw.
int valueOf(Solver& solver, const Position& position) {
    return position.IsFull() ? 0 : solver.Solve(position);
}

Verdict verdictOf(int before, int after) {
    if (after == before)
        return Verdict::Best;
    if (sign(after) == sign(before))
        return before > 0 ? Verdict::SlowerWin : Verdict::FasterLoss;
    return before > 0 && after < 0 ? Verdict::Blunder : Verdict::Error;
}

} // namespace

MoveReview ReviewMove(Solver& solver, const std::vector<int>& columns, int index) {
    Position position;
    for (int move = 0; move < index; ++move) {
        if (position.HasLine())
            break;
        position.Play(columns[static_cast<std::size_t>(move)]);
    }
    MoveReview review;
    review.column = columns[static_cast<std::size_t>(index)];
    review.player = PlayerOfMove(index);
    // Between two players play may go on after a line; the game was decided at the first.
    if (position.HasLine()) {
        review.verdict = Verdict::AfterLine;
        return review;
    }
    review.valueBefore = valueOf(solver, position);
    Position after = position;
    after.Play(review.column);
    review.madeLine = after.HasLine();
    review.valueAfter = review.madeLine ? Solver::WinNextScore(position) : -valueOf(solver, after);
    review.verdict = verdictOf(review.valueBefore, review.valueAfter);
    if (review.verdict != Verdict::Best)
        review.betterColumn = solver.BestColumn(position);
    return review;
}

int WinnerOf(int value, int moveCount) {
    const int mover = PlayerOfMove(moveCount);
    return value > 0 ? mover : 1 - mover;
}

int MovesToEnd(int value, int moveCount) {
    // A line made on top of m pieces scores (36 - m) / 2, rounded down: yellow's pieces go down
    // on an even count, red's on an odd one, so the winner's colour tells which m a score means.
    const int piecesBeforeLine = CellCount + 1 - 2 * std::abs(value) - WinnerOf(value, moveCount);
    // The mover's own pieces go down on moveCount, moveCount + 2, …; the opponent's in between.
    return value > 0 ? (piecesBeforeLine - moveCount) / 2 + 1
                     : (piecesBeforeLine - moveCount + 1) / 2;
}

GameSummary Summarise(const std::vector<MoveReview>& reviews) {
    GameSummary summary;
    for (std::size_t move = 0; move < reviews.size(); ++move) {
        const MoveReview& review = reviews[move];
        if (review.verdict == Verdict::Error)
            ++summary.errors[review.player];
        else if (review.verdict == Verdict::Blunder)
            ++summary.blunders[review.player];
        else
            continue;
        summary.decidedAt = static_cast<int>(move);
        if (summary.firstMistake[review.player] < 0)
            summary.firstMistake[review.player] = static_cast<int>(move);
    }
    return summary;
}

} // namespace quatrelle::game

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver.h"

#include <vector>

namespace quatrelle::game {

// What a move did to the value of the game for the player who made it.
enum class Verdict {
    Best,       // kept the value: the best move, or one as good
    SlowerWin,  // still wins, later than it could have
    FasterLoss, // still loses, sooner than it had to
    Error,      // a win became a draw, or a draw a loss
    Blunder,    // a win became a loss
    AfterLine,  // played once a line stood, when the game was already decided
};

// One move of a game, reviewed with exact scores. Values are the solver's scores, seen from the
// player who made the move: positive a win, the sooner the larger; 0 a draw; negative a loss.
struct MoveReview {
    int column = 0;
    int player = 0; // 0 yellow, 1 red
    int valueBefore = 0;
    int valueAfter = 0;
    Verdict verdict = Verdict::Best;
    // A column that would have kept the value, for any move that did not.
    int betterColumn = -1;
    bool madeLine = false;
};

// The move `index` of a game given by its columns, reviewed. The solver keeps what it learns,
// so that reviewing a game's moves in order costs little more than solving its positions.
MoveReview ReviewMove(Solver& solver, const std::vector<int>& columns, int index);

// The player that a value other than a draw says wins, for the player to move after `moveCount`
// moves.
int WinnerOf(int value, int moveCount);

// How many of the player's own moves a value means: "a win in 3" is a win with the player's
// third piece from now; "a loss in 3", a loss to the opponent's third. `moveCount` is the
// number of pieces down when the player is to move.
int MovesToEnd(int value, int moveCount);

struct GameSummary {
    int errors[2] = {0, 0};   // per player
    int blunders[2] = {0, 0}; // per player
    // The last move that changed who wins, or -1 when none did.
    int decidedAt = -1;
    // Each player's first error or blunder, or -1 when the player made none.
    int firstMistake[2] = {-1, -1};
};
GameSummary Summarise(const std::vector<MoveReview>& reviews);

} // namespace quatrelle::game

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "position.h"

#include <optional>
#include <random>

namespace quatrelle::game {

class Solver;

// How well the computer plays, from 1 to 4. The unbeatable level plays perfectly, and among
// equally good moves sets the opponent the hardest task. The levels below play as people of that
// strength do: they look a few moves ahead, judge what they see by the lines it leaves open, and
// hesitate between moves that look nearly as good, so that their mistakes are moves that looked
// right to them. Every level completes its own line when it can; from the medium level up it
// always stops a line that the opponent would complete next, and sees two threats coming one
// move before they are made.
enum class Level { Beginner = 1, Medium = 2, Strong = 3, Unbeatable = 4 };
inline constexpr Level DefaultLevel = Level::Medium;

// Who plays the computer's side, if anyone, and how well. A new player gets two players and, for
// the computer, level 2.
struct Choices {
    std::optional<int> computerPlayer; // 0 yellow, 1 red
    Level level = DefaultLevel;
    bool operator==(const Choices&) const = default;
};

constexpr bool IsValidLevel(int level) {
    return level >= static_cast<int>(Level::Beginner) &&
           level <= static_cast<int>(Level::Unbeatable);
}

// The column that a player of the level plays, -1 on a full board. The unbeatable level asks the
// solver; the others search a few moves with no table.
int ChooseColumn(Level level, const Position& position, Solver& solver, std::mt19937& random);

} // namespace quatrelle::game

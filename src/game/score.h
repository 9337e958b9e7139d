// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quatrelle::game {

// The games against the computer at one level, from the player's side: those that came to an
// end, and those given up once both sides had moved.
struct Score {
    int won = 0;
    int drawn = 0;
    int lost = 0;
    int givenUp = 0;
    bool operator==(const Score&) const = default;
};

// The most games that a count holds: more than anyone plays, and far from overflowing.
inline constexpr int MaxScoreCount = 999'999;

} // namespace quatrelle::game

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/board.h"

#include <string_view>

namespace quatrelle::testing {

// Plays a move string such as "3334": one drop per digit, the digit being the column.
inline void play(game::Game& game, std::string_view moves) {
    for (const char move : moves)
        game.Drop(move - '0');
}

} // namespace quatrelle::testing

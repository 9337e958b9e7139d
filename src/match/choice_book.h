// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/levels.h"

#include <functional>
#include <optional>

namespace quatrelle::match {

// The opponent and the level, owned here and nowhere else: what the player chose in the menu,
// kept for the next start, and what the command line chose for this run alone, over it. A choice
// in the menu holds at once and is kept; only what it changed is kept, so that a level chosen in
// a run started against the computer from the command line leaves the opponent kept as it was.
class ChoiceBook {
public:
    struct Storage {
        std::function<game::Choices()> load;
        std::function<bool(const game::Choices&)> save;
    };
    // What the command line chose; nullopt where it chose nothing. An empty inner value for the
    // opponent is two players.
    struct ThisRun {
        std::optional<std::optional<int>> computerPlayer;
        std::optional<game::Level> level;
    };

    // Kept in memory alone, from these choices.
    ChoiceBook(std::optional<int> computerPlayer = std::nullopt,
               game::Level level = game::DefaultLevel);
    // Kept where the storage keeps them, read once, with this run's choices over them.
    ChoiceBook(Storage storage, const ThisRun& thisRun);

    // The choices being played.
    game::Choices current() const;
    // The player's choice; false when it could not be kept, though it holds for this run.
    bool choose(const game::Choices& chosen);

private:
    Storage m_storage;
    game::Choices m_kept;
    ThisRun m_thisRun;
};

} // namespace quatrelle::match

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/levels.h"
#include "game/score.h"

#include <QString>
#include <optional>

namespace quatrelle::resources {

// What a player chooses once and finds again at the next start.
using game::Choices;

// The opponent by name: "none", or the computer's colour, "red" or "yellow", also in French;
// nullopt for a name that is none of these.
std::optional<std::optional<int>> OpponentNamed(const QString& name);

// The choices kept in the user's settings file (QSettings, in the configuration folder). A file
// that cannot be read, or that holds what the game does not know, gives the defaults, and the
// problem is described in one line.
Choices LoadChoices(QString& problem);
// Keeps the choices; false when the file cannot be written.
bool SaveChoices(const Choices& choices);

using game::MaxScoreCount;
using game::Score;
// Whether the game has never run for this user: no settings file yet. The first start notes
// that it has run, so that it is the only one.
bool IsFirstStart();
void RememberFirstStart();
// Whether the player has opened the window's menu before, kept in the same file: until then the
// window's surface hints at it.
bool MenuOpenedBefore();
void RememberMenuOpened();

// The score of a level, kept in the same file. A count that is not a whole number from 0 to
// MaxScoreCount reads as 0, with one line on the error output.
Score LoadScore(game::Level level);
// False when the file cannot be written.
bool SaveScore(game::Level level, const Score& score);

} // namespace quatrelle::resources

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/levels.h"

#include <optional>
#include <variant>

namespace quatrelle::resources {

// What the command line chose for this run, over the settings; nullopt where it chose nothing.
struct Options {
    // The player (0 yellow, 1 red) that the computer plays; an empty inner value for two players.
    std::optional<std::optional<int>> computerPlayer;
    std::optional<game::Level> level;
};

// Reads the program's arguments before any window system is touched. Either the options to
// start with, or the status to exit with at once: after the help or the version (0), or after
// a line naming what is wrong and the usage on the error output (2).
std::variant<Options, int> ParseCommandLine(int argc, char* argv[]);

} // namespace quatrelle::resources

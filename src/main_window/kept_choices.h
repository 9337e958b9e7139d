// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "match/choice_book.h"

namespace quatrelle::main_window {

// The opponent and the level kept in the user's settings, with this run's choices over them. A
// settings file that cannot be read gives the defaults, said in one line on the error output.
match::ChoiceBook KeptChoices(const match::ChoiceBook::ThisRun& thisRun = {});

} // namespace quatrelle::main_window

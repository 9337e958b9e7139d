// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "kept_choices.h"

#include "resources/settings.h"

#include <cstdio>

namespace quatrelle::main_window {

match::ChoiceBook KeptChoices(const match::ChoiceBook::ThisRun& thisRun) {
    const auto load = [] {
        QString problem;
        const game::Choices kept = resources::LoadChoices(problem);
        if (!problem.isEmpty())
            std::fprintf(stderr, "quatrelle: %s\n", qPrintable(problem));
        return kept;
    };
    return match::ChoiceBook({load, resources::SaveChoices}, thisRun);
}

} // namespace quatrelle::main_window

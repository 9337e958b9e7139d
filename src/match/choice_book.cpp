// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "choice_book.h"

namespace quatrelle::match {

ChoiceBook::ChoiceBook(std::optional<int> computerPlayer, game::Level level)
    : m_storage{[] { return game::Choices{}; }, [](const game::Choices&) { return true; }}
    , m_kept{computerPlayer, level} {}

ChoiceBook::ChoiceBook(Storage storage, const ThisRun& thisRun)
    : m_storage(std::move(storage))
    , m_kept(m_storage.load())
    , m_thisRun(thisRun) {}

game::Choices ChoiceBook::current() const {
    return {m_thisRun.computerPlayer.value_or(m_kept.computerPlayer),
            m_thisRun.level.value_or(m_kept.level)};
}

bool ChoiceBook::choose(const game::Choices& chosen) {
    const game::Choices before = current();
    if (chosen.computerPlayer != before.computerPlayer) {
        m_kept.computerPlayer = chosen.computerPlayer;
        m_thisRun.computerPlayer.reset();
    }
    if (chosen.level != before.level) {
        m_kept.level = chosen.level;
        m_thisRun.level.reset();
    }
    return m_storage.save(m_kept);
}

} // namespace quatrelle::match

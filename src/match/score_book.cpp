// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "score_book.h"

#include <QtGlobal>
#include <algorithm>
#include <map>
#include <memory>

namespace quatrelle::match {

ScoreBook::ScoreBook(QObject* parent)
    : QObject(parent) {
    auto kept = std::make_shared<std::map<game::Level, game::Score>>();
    m_storage = {[kept](game::Level level) { return (*kept)[level]; },
                 [kept](game::Level level, const game::Score& score) {
                     (*kept)[level] = score;
                     return true;
                 }};
}

void ScoreBook::setStorage(Storage storage) {
    m_storage = std::move(storage);
}

// Read from where it is kept each time: another copy of the game may have counted since.
game::Score ScoreBook::score(game::Level level) const {
    return m_storage.load(level);
}

void ScoreBook::add(game::Level level, int game::Score::*count, int games) {
    game::Score score = m_storage.load(level);
    score.*count = std::clamp(score.*count + games, 0, game::MaxScoreCount);
    save(level, score);
}

void ScoreBook::reset(game::Level level) {
    save(level, {});
}

void ScoreBook::save(game::Level level, const game::Score& score) {
    if (!m_storage.save(level, score))
        qWarning("quatrelle: the settings cannot be written; the score is not kept");
    Q_EMIT changed(level);
}

} // namespace quatrelle::match

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/levels.h"
#include "game/score.h"

#include <QObject>
#include <functional>

namespace quatrelle::match {

// The score of every level, counted here and nowhere else; the windows and what is spoken read
// it from here and hear when it changes. Where it is kept is given: the user's settings, or,
// when nothing is given, memory alone.
class ScoreBook : public QObject {
    Q_OBJECT

public:
    struct Storage {
        std::function<game::Score(game::Level)> load;
        std::function<bool(game::Level, const game::Score&)> save;
    };
    explicit ScoreBook(QObject* parent = nullptr);
    void setStorage(Storage storage);

    game::Score score(game::Level level) const;
    // Adds games to one count, or takes them off; each count stays within 0 and MaxScoreCount.
    void add(game::Level level, int game::Score::*count, int games);
    void reset(game::Level level);

Q_SIGNALS:
    void changed(quatrelle::game::Level level);

private:
    void save(game::Level level, const game::Score& score);

    Storage m_storage;
};

} // namespace quatrelle::match

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/analysis.h"

#include <QObject>
#include <memory>
#include <vector>

namespace quatrelle::match {

class SolverThread;

// Reviews a game's moves one after another on a solver's thread of its own, so that neither the
// window nor the game being played waits; each move's review arrives as it is ready.
class GameReview : public QObject {
    Q_OBJECT

public:
    // `known` holds reviews of the game's first moves, from a review of a game that began the
    // same way: a move's review depends only on the moves before it.
    explicit GameReview(std::vector<int> columns, std::vector<game::MoveReview> known = {},
                        QObject* parent = nullptr);
    ~GameReview() override;
    // Starts the review; a game without moves is finished at once.
    void start();

    const std::vector<int>& columns() const { return m_columns; }
    // The moves reviewed so far, in order.
    const std::vector<game::MoveReview>& reviews() const { return m_reviews; }
    bool isFinished() const { return m_reviews.size() == m_columns.size(); }

Q_SIGNALS:
    void reviewed(int move);
    void finished();

private:
    void reviewNext();

    std::vector<int> m_columns;
    std::vector<game::MoveReview> m_reviews;
    std::unique_ptr<SolverThread> m_solver;
};

} // namespace quatrelle::match

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_review.h"

#include "solver_thread.h"

#include <algorithm>

namespace quatrelle::match {

GameReview::GameReview(std::vector<int> columns, std::vector<game::MoveReview> known,
                       QObject* parent)
    : QObject(parent)
    , m_columns(std::move(columns))
    , m_reviews(std::move(known))
    , m_solver(std::make_unique<SolverThread>()) {
    m_reviews.resize(std::min(m_reviews.size(), m_columns.size()));
    m_reviews.reserve(m_columns.size());
}

GameReview::~GameReview() = default;

void GameReview::start() {
    reviewNext();
}

void GameReview::reviewNext() {
    if (isFinished()) {
        Q_EMIT finished();
        return;
    }
    const int move = static_cast<int>(m_reviews.size());
    m_solver->run([this, move, columns = m_columns](game::Solver& solver) {
        return [this, move, review = game::ReviewMove(solver, columns, move)] {
            m_reviews.push_back(review);
            Q_EMIT reviewed(move);
            reviewNext();
        };
    });
}

} // namespace quatrelle::match

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "computer_player.h"

#include "game/solver.h"
#include "match.h"
#include "solver_thread.h"

#include <QRandomGenerator>
#include <utility>

namespace quatrelle::match {

ComputerPlayer::ComputerPlayer(Match& match, SolverThread& solver, int player)
    : m_match(match)
    , m_solver(solver)
    , m_player(player) {
    m_delay.setSingleShot(true);
    m_delay.setInterval(ReplyDelay);
    connect(&m_delay, &QTimer::timeout, this, &ComputerPlayer::playWhenReady);
    positionChanged();
}

bool ComputerPlayer::isToMove() const {
    const game::Game& game = m_match.game();
    return game.CurrentPlayer() == m_player && !game.IsFull();
}

void ComputerPlayer::positionChanged() {
    m_delay.stop();
    m_column.reset();
    if (!isToMove())
        return;
    m_delay.start();
    const game::Position position = game::Position::FromGame(m_match.game());
    // Once a line stands the game goes on, with a plain move instead of a search.
    if (position.HasLine()) {
        m_column = game::PlainColumn(position);
        return;
    }
    m_solver.ask(position, [this](const std::vector<int>& columns) {
        if (columns.empty())
            return;
        m_column = columns[QRandomGenerator::global()->bounded(static_cast<int>(columns.size()))];
        playWhenReady();
    });
}

void ComputerPlayer::playWhenReady() {
    if (!m_column || m_delay.isActive() || m_match.isHeld())
        return;
    const int column = *std::exchange(m_column, std::nullopt);
    m_match.place(column, true);
}

} // namespace quatrelle::match

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "computer_player.h"

#include "game/levels.h"
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
}

// Once a line stands, the game is over for the computer, which waits for a new game.
bool ComputerPlayer::isToMove() const {
    const game::Game& game = m_match.game();
    return game.CurrentPlayer() == m_player && !game.IsFull() && !m_match.lineStands();
}

void ComputerPlayer::positionChanged() {
    m_delay.stop();
    m_column.reset();
    if (!isToMove())
        return;
    m_delay.start();
    const game::Position position = game::Position::FromGame(m_match.game());
    const auto choose = [position, level = m_match.level(),
                         seed = QRandomGenerator::global()->generate()](game::Solver& solver) {
        std::mt19937 random(seed);
        return std::vector<int>{game::ChooseColumn(level, position, solver, random)};
    };
    m_solver.ask(choose, [this](const std::vector<int>& columns) {
        if (columns.empty() || columns.front() < 0)
            return;
        m_column = columns.front();
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

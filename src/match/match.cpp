// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "match.h"

#include "computer_player.h"
#include "game/position.h"
#include "solver_thread.h"

#include <QTimer>
#include <algorithm>
#include <utility>

namespace quatrelle::match {

Match::Match(std::optional<int> computerPlayer, QObject* parent)
    : QObject(parent) {
    if (computerPlayer)
        m_computer = std::make_unique<ComputerPlayer>(*this, solverThread(), *computerPlayer);
}

// The computer goes before the solver thread it asks.
Match::~Match() {
    m_computer.reset();
}

std::optional<int> Match::computerPlayer() const {
    if (m_computer)
        return m_computer->player();
    return std::nullopt;
}

bool Match::computerToMove() const {
    return m_computer && m_computer->isToMove();
}

bool Match::lineStands() const {
    return game::Position::FromGame(m_game).HasLine();
}

SolverThread& Match::solverThread() {
    if (!m_solver)
        m_solver = std::make_unique<SolverThread>();
    return *m_solver;
}

template <typename TellViews> void Match::changeBoard(TellViews tellViews) {
    // Whatever the solver was asked answers a board that is gone: the computer's question is
    // asked again below, a hint's is not.
    if (m_solver)
        m_solver->cancel();
    if (std::exchange(m_hint, std::nullopt))
        Q_EMIT hintChanged(std::nullopt);
    tellViews();
    if (m_computer)
        m_computer->positionChanged();
}

void Match::drop(int column) {
    if (!computerToMove())
        place(column, false);
}

void Match::place(int column, bool byComputer) {
    const std::optional<game::Placement> placed = m_game.Drop(column);
    if (!placed) {
        Q_EMIT refused(Refusal::FullColumn, column);
        return;
    }
    changeBoard([&] { Q_EMIT dropped(*placed, byComputer); });
    Q_EMIT dropEnded();
}

void Match::dropAtCell(int cell) {
    if (computerToMove() || !game::IsValidCell(cell) || m_game.Board()[cell] != game::Empty)
        return;
    if (m_game.IsFloating(cell)) {
        Q_EMIT refused(Refusal::FloatingCell, cell);
        return;
    }
    drop(game::ColumnOf(cell));
}

void Match::takeBack() {
    // A computer that opened keeps its first move.
    const int moves = m_computer && !computerToMove() ? 2 : 1;
    if (m_game.MoveCount() < moves) {
        Q_EMIT refused(Refusal::NothingToTakeBack);
        return;
    }
    QList<game::Placement> taken;
    for (int i = 0; i < moves; ++i)
        taken.append(*m_game.TakeBack());
    changeBoard([&] { Q_EMIT takenBack(taken); });
}

void Match::newGame() {
    m_game.NewGame();
    changeBoard([this] { Q_EMIT newGameStarted(); });
}

void Match::askHint() {
    // The solver answers one question at a time, and the computer's comes first.
    if (computerToMove()) {
        Q_EMIT refused(Refusal::HintWhileThinking);
        return;
    }
    const game::Position position = game::Position::FromGame(m_game);
    if (position.HasLine() || position.IsFull()) {
        Q_EMIT refused(position.HasLine() ? Refusal::HintWithLine : Refusal::HintOnFullBoard);
        return;
    }
    solverThread().ask(position, [this](const std::vector<int>& columns) {
        m_hint = game::NearestCentre([&columns](int column) {
            return std::find(columns.begin(), columns.end(), column) != columns.end();
        });
        Q_EMIT hintChanged(m_hint);
    });
}

void Match::dismissHint() {
    if (std::exchange(m_hint, std::nullopt))
        Q_EMIT hintChanged(std::nullopt);
}

void Match::hold() {
    ++m_holds;
}

void Match::resume() {
    if (m_holds > 0 && --m_holds == 0 && m_computer)
        // Not at once: the caller may still be showing what made it hold.
        QTimer::singleShot(0, m_computer.get(), &ComputerPlayer::playWhenReady);
}

} // namespace quatrelle::match

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "match.h"

#include "computer_player.h"
#include "game/position.h"
#include "game/victory.h"
#include "solver_thread.h"

#include <QTimer>
#include <algorithm>
#include <utility>

namespace quatrelle::match {

Match::Match(std::optional<int> computerPlayer, game::Level level, QObject* parent)
    : Match(ChoiceBook(computerPlayer, level), parent) {}

Match::Match(ChoiceBook choices, QObject* parent)
    : QObject(parent)
    , m_choices(std::move(choices)) {
    if (const std::optional<int> computerPlayer = m_choices.current().computerPlayer) {
        m_computer = std::make_unique<ComputerPlayer>(*this, solverThread(), *computerPlayer);
        m_computer->positionChanged();
    }
}

// The computer goes before the solver thread it asks.
Match::~Match() {
    // The windows that listen are going too.
    blockSignals(true);
    m_scores.blockSignals(true);
    giveUp();
    m_computer.reset();
}

namespace {

int game::Score::*countOf(Outcome outcome) {
    switch (outcome) {
    case Outcome::PlayerWon:
        return &game::Score::won;
    case Outcome::ComputerWon:
        return &game::Score::lost;
    case Outcome::Draw:
        break;
    }
    return &game::Score::drawn;
}

} // namespace

void Match::giveUp() {
    if (m_computer && m_game.MoveCount() >= 2 && !outcome()) {
        m_scores.add(level(), &game::Score::givenUp, 1);
        Q_EMIT gameGivenUp(level());
    }
}

std::optional<int> Match::computerPlayer() const {
    if (m_computer)
        return m_computer->player();
    return std::nullopt;
}

bool Match::computerToMove() const {
    return m_computer && m_computer->isToMove();
}

bool Match::computerHasChosen() const {
    return m_computer && m_computer->hasChosen();
}

bool Match::lineStands() const {
    return game::Position::FromGame(m_game).HasLine();
}

std::optional<Outcome> Match::outcome() const {
    if (!m_computer)
        return std::nullopt;
    if (const auto line = game::FindWinningLine(m_game.Board()))
        return line->player - 1 == m_computer->player() ? Outcome::ComputerWon : Outcome::PlayerWon;
    if (m_game.IsFull())
        return Outcome::Draw;
    return std::nullopt;
}

bool Match::choose(const game::Choices& chosen) {
    const game::Choices before = m_choices.current();
    if (chosen != before)
        giveUp(); // at the level it was played at
    const bool kept = m_choices.choose(chosen);
    if (chosen.computerPlayer != before.computerPlayer) {
        // The solver's question goes first: its answer would reach a computer that is gone.
        if (m_solver)
            m_solver->cancel();
        m_computer.reset();
        if (chosen.computerPlayer)
            m_computer =
                std::make_unique<ComputerPlayer>(*this, solverThread(), *chosen.computerPlayer);
    }
    if (chosen != before)
        startNewGame();
    return kept;
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
    if (computerToMove())
        Q_EMIT refused(Refusal::ComputerThinking, column);
    else
        place(column, false);
}

void Match::place(int column, bool byComputer) {
    if (outcome()) {
        Q_EMIT refused(Refusal::GameOver, column);
        return;
    }
    const std::optional<game::Placement> placed = m_game.Drop(column);
    if (!placed) {
        Q_EMIT refused(Refusal::FullColumn, column);
        return;
    }
    changeBoard([&] { Q_EMIT dropped(*placed, byComputer); });
    Q_EMIT dropEnded();
    if (const std::optional<Outcome> ended = outcome()) {
        m_counted = ended;
        m_scores.add(level(), countOf(*ended), 1);
        Q_EMIT computerGameOver(*ended);
    }
}

void Match::dropAtCell(int cell) {
    if (!game::IsValidCell(cell) || m_game.Board()[cell] != game::Empty)
        return;
    if (outcome()) {
        Q_EMIT refused(Refusal::GameOver, cell);
        return;
    }
    if (m_game.IsFloating(cell)) {
        Q_EMIT refused(Refusal::FloatingCell, cell);
        return;
    }
    drop(game::ColumnOf(cell));
}

void Match::takeBack() {
    // The player's last move goes, and the computer's reply after it when there is one; a
    // computer that opened keeps its first move.
    const int lastMover = 1 - m_game.CurrentPlayer();
    const int moves = m_game.MoveCount() > 0 && computerPlayer() == lastMover ? 2 : 1;
    if (m_game.MoveCount() < moves) {
        Q_EMIT refused(Refusal::NothingToTakeBack);
        return;
    }
    QList<game::Placement> taken;
    for (int i = 0; i < moves; ++i)
        taken.append(*m_game.TakeBack());
    if (const std::optional<Outcome> counted = std::exchange(m_counted, std::nullopt))
        m_scores.add(level(), countOf(*counted), -1);
    changeBoard([&] { Q_EMIT takenBack(taken); });
}

void Match::newGame() {
    giveUp();
    startNewGame();
}

void Match::startNewGame() {
    m_counted.reset();
    m_game.NewGame();
    changeBoard([this] { Q_EMIT newGameStarted(); });
}

void Match::askHint() {
    if (m_hint) {
        dismissHint();
        return;
    }
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
    const auto best = [position](game::Solver& solver) {
        return std::vector<int>{solver.BestColumn(position)};
    };
    solverThread().ask(best, [this](const std::vector<int>& columns) {
        m_hint = columns.front();
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

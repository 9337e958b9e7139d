#include "computer_player.h"

#include "form1.h"
#include "game/solver.h"
#include "game/victory.h"
#include "solver_thread.h"

#include <QApplication>
#include <QRandomGenerator>

namespace quatrelle::main_window {

ComputerPlayer::ComputerPlayer(Form1& form, SolverThread& solver, int player)
    : QObject(&form)
    , m_form(form)
    , m_solver(solver)
    , m_player(player) {
    m_delay.setSingleShot(true);
    m_delay.setInterval(ReplyDelay);
    connect(&m_delay, &QTimer::timeout, this, &ComputerPlayer::playWhenReady);
    connect(&form, &Form1::turnChanged, this, &ComputerPlayer::turnChanged);
    connect(&form, &Form1::inputReady, this, &ComputerPlayer::playWhenReady);
    turnChanged();
}

bool ComputerPlayer::isToMove() const {
    const game::Game& game = m_form.gameState();
    return game.CurrentPlayer() == m_player && game.MoveCount() < game::CellCount;
}

void ComputerPlayer::turnChanged() {
    // Whatever was under way answers a position that is gone.
    m_delay.stop();
    m_solver.cancel();
    m_column.reset();
    if (!isToMove())
        return;
    m_delay.start();
    const game::Position position = game::Position::FromGame(m_form.gameState());
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
    if (!m_column || m_delay.isActive() || !m_form.isEnabled() || QApplication::activeModalWidget())
        return;
    const int column = *m_column;
    m_column.reset();
    m_form.playComputerMove(column);
}

} // namespace quatrelle::main_window

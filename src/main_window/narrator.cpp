// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "narrator.h"

#include "resources/settings.h"
#include "runtime/announcer.h"
#include "spoken_texts.h"

#include <QLabel>
#include <QMessageBox>

namespace quatrelle::main_window {

namespace {

// A screen reader announces every change of a name: one that did not change stays quiet, so
// that a new game does not bury its announcement under forty-two renamings.
void rename(QWidget& control, const QString& name) {
    if (control.accessibleName() != name)
        control.setAccessibleName(name);
}

} // namespace

Narrator::Narrator(QWidget& window, Controls& cells, Controls& arrows, const match::Match& match)
    : QObject(&window)
    , m_window(window)
    , m_cells(cells)
    , m_arrows(arrows)
    , m_match(match)
    , m_announcer(new runtime::Announcer(&window)) {
    connect(&match, &match::Match::dropped, this, &Narrator::dropped);
    connect(&match, &match::Match::refused, this, &Narrator::refused);
    connect(&match, &match::Match::takenBack, this, &Narrator::takenBack);
    connect(&match, &match::Match::newGameStarted, this, &Narrator::newGameStarted);
    connect(&match, &match::Match::hintChanged, this, &Narrator::hintChanged);
    m_opponent = match.computerPlayer();
    // The window's description says who plays at start; a computer that opens says it again
    // with its first move, in case that move comes before the window is read.
    if (m_opponent && match.computerToMove())
        addPending(NewComputerGameAnnouncement(*m_opponent, match.level()));
    describeBoard();
}

void Narrator::dropped(game::Placement placed, bool byComputer) {
    describeCell(placed.cell);
    describeColumn(game::ColumnOf(placed.cell));
    describeWindow();
    const game::Game& game = m_match.game();
    if (!m_match.computerPlayer()) {
        // Whose turn it is is said only when it is news. Once a line stands the win message
        // comes next, and says the drop with it.
        const QString drop = DropAnnouncement(placed);
        if (m_match.lineStands())
            addPending(drop);
        else
            announce(game.IsFull() ? drop : drop + u' ' + TurnAnnouncement(turnText()));
        return;
    }
    addPending(byComputer ? ComputerMoveText(placed.cell) : PlayerMoveText(placed.cell));
    // The end is said with the result; the player's move, with the reply.
    if (!byComputer || m_match.outcome())
        return;
    if (game.MoveCount() == 1)
        addPending(BriefYourTurnAnnouncement());
    announce(std::exchange(m_pending, QString()));
}

// The result's message follows, and says the last moves.
void Narrator::gameOver() {
    describeWindow();
}

void Narrator::nameResult(QMessageBox* box) {
    addPending(box->text());
    m_lastAnnouncement = std::exchange(m_pending, QString());
    // The box shows its text in a label of its own, which is what a screen reader reads.
    for (QLabel* label : box->findChildren<QLabel*>()) {
        if (label->text() == box->text()) {
            label->setAccessibleName(m_lastAnnouncement);
            break;
        }
    }
}

void Narrator::refused(match::Refusal why, int where) {
    announce(RefusalAnnouncement(why, where));
}

void Narrator::takenBack(const QList<game::Placement>& taken) {
    m_pending.clear();
    for (const game::Placement& placed : taken) {
        describeCell(placed.cell);
        describeColumn(game::ColumnOf(placed.cell));
    }
    describeWindow();
    const std::optional<int> computer = m_match.computerPlayer();
    announce(TakeBackAnnouncement(taken, computer) + u' ' +
             (computer ? BriefYourTurnAnnouncement() : TurnAnnouncement(turnText())));
}

void Narrator::newGameStarted() {
    const bool opponentChanged = std::exchange(m_opponent, m_match.computerPlayer()) != m_opponent;
    m_pending.clear();
    describeBoard();
    if (!m_opponent) {
        announce(NewGameAnnouncement(turnText(), opponentChanged));
        return;
    }
    addPending(NewComputerGameAnnouncement(*m_opponent, m_match.level()));
    // A computer that opens is heard with its first move.
    if (!m_match.computerToMove()) {
        addPending(YourTurnAnnouncement());
        announce(std::exchange(m_pending, QString()));
    }
}

void Narrator::hintChanged(std::optional<int> column) {
    if (!column) {
        describeWindow();
        return;
    }
    m_window.setAccessibleDescription(HintDescription(*column));
    announce(HintDescription(*column) + u'.');
}

void Narrator::readBoard() {
    m_announcer->announce(BoardAnnouncement(m_match.game()));
}

void Narrator::repeat() {
    m_announcer->announce(m_lastAnnouncement.isEmpty() ? m_window.accessibleDescription()
                                                       : m_lastAnnouncement);
}

void Narrator::scoreReset() {
    describeWindow();
    announce(ScoreResetAnnouncement());
}

void Narrator::announce(const QString& text) {
    m_lastAnnouncement = text;
    m_announcer->announce(text);
}

void Narrator::addPending(const QString& sentence) {
    if (!m_pending.isEmpty())
        m_pending += u' ';
    m_pending += sentence;
}

void Narrator::describeCell(int cell) {
    rename(m_cells[cell], CellName(cell, m_match.game().Board()[cell]));
}

void Narrator::describeColumn(int column) {
    rename(m_arrows[column], ColumnName(m_match.game(), column));
}

void Narrator::describeBoard() {
    for (int cell = 0; cell < game::CellCount; ++cell)
        describeCell(cell);
    for (int column = 0; column < game::Columns; ++column)
        describeColumn(column);
    describeWindow();
}

// Read with the window, as when it becomes active; moves are announced as they happen.
void Narrator::describeWindow() {
    if (m_match.hint())
        return; // the hint's description stands until its light goes out
    const std::optional<int> computer = m_match.computerPlayer();
    const game::Game& game = m_match.game();
    QString description;
    if (!computer) {
        description = game.IsFull() ? FullBoardDescription() : turnText();
    } else if (const std::optional<match::Outcome> outcome = m_match.outcome()) {
        const game::Level level = m_match.level();
        description = GameOverDescription(*outcome, game.CellOfMove(game.MoveCount() - 1),
                                          ScoreText(level, resources::LoadScore(level)));
    } else {
        description = OpponentDescription(*computer, m_match.level());
        // Player p made the moves of p's parity.
        int lastOfComputer = game.MoveCount() - 1;
        if (lastOfComputer >= 0 && lastOfComputer % 2 != *computer)
            --lastOfComputer;
        if (lastOfComputer >= 0)
            description += u' ' + ComputerMoveText(game.CellOfMove(lastOfComputer));
        description += u' ' + (m_match.computerToMove() ? ComputerThinkingAnnouncement()
                                                        : YourTurnAnnouncement());
    }
    if (m_window.accessibleDescription() != description)
        m_window.setAccessibleDescription(description);
}

QString Narrator::turnText() const {
    return TurnDescription(m_match.game().CurrentPlayer());
}

} // namespace quatrelle::main_window

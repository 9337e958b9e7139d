// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "narrator.h"

#include "runtime/announcer.h"
#include "spoken_texts.h"

namespace quatrelle::main_window {

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
    connect(&match, &match::Match::computerGameOver, this,
            [this](match::Outcome) { m_announcer->announce(ComputerGameOverAnnouncement()); });
    describeBoard();
}

void Narrator::dropped(game::Placement placed, bool byComputer) {
    describeCell(placed.cell);
    describeColumn(game::ColumnOf(placed.cell));
    describeTurn();
    QString said = byComputer ? ComputerDropAnnouncement(placed.cell) : DropAnnouncement(placed);
    // Whose turn it is is said only when it is news: once a line stands the win message comes
    // next, and the player who waits for the computer hears its reply instead.
    const game::Game& game = m_match.game();
    if (!m_match.lineStands() && !game.IsFull() && !m_match.computerToMove())
        said += u' ' + (byComputer ? YourTurnAnnouncement() : TurnAnnouncement(turnText()));
    m_announcer->announce(said);
}

void Narrator::refused(match::Refusal why, int where) {
    m_announcer->announce(RefusalAnnouncement(why, where));
}

void Narrator::takenBack(const QList<game::Placement>& taken) {
    for (const game::Placement& placed : taken) {
        describeCell(placed.cell);
        describeColumn(game::ColumnOf(placed.cell));
    }
    describeTurn();
    m_announcer->announce(TakeBackAnnouncement(taken) + u' ' + TurnAnnouncement(turnText()));
}

void Narrator::newGameStarted() {
    describeBoard();
    m_announcer->announce(NewGameAnnouncement(turnText()));
}

void Narrator::hintChanged(std::optional<int> column) {
    if (!column) {
        describeTurn();
        return;
    }
    m_window.setAccessibleDescription(HintDescription(*column));
    m_announcer->announce(HintDescription(*column) + u'.');
}

void Narrator::describeCell(int cell) {
    m_cells[cell].setAccessibleName(CellName(cell, m_match.game().Board()[cell]));
}

void Narrator::describeColumn(int column) {
    m_arrows[column].setAccessibleName(ColumnName(m_match.game(), column));
}

void Narrator::describeBoard() {
    for (int cell = 0; cell < game::CellCount; ++cell)
        describeCell(cell);
    for (int column = 0; column < game::Columns; ++column)
        describeColumn(column);
    describeTurn();
}

// Read with the window, as when it becomes active; moves are announced as they happen.
void Narrator::describeTurn() {
    m_window.setAccessibleDescription(turnText());
}

QString Narrator::turnText() const {
    const int player = m_match.game().CurrentPlayer();
    return TurnDescription(player, m_match.computerPlayer() == player);
}

} // namespace quatrelle::main_window

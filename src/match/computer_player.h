// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <optional>

namespace quatrelle::match {

class Match;
class SolverThread;

// The computer as one of the two players, at the match's level. When its player is to move it
// chooses on the solver's thread and plays through the match's drop, as a player's click does,
// a short while after the opponent's move so that it reads as a reply. It waits while the match
// is held, and plays once it is resumed. Once a line stands it plays no more.
class ComputerPlayer : public QObject {
    Q_OBJECT

public:
    static constexpr int ReplyDelay = 400; // milliseconds

    ComputerPlayer(Match& match, SolverThread& solver, int player);

    int player() const { return m_player; }
    // True from the moment its player is to move until its piece has dropped.
    bool isToMove() const;
    // The solver has answered: the reply waits for its delay, or for the match to be resumed.
    bool hasChosen() const { return m_column.has_value(); }

    // The board changed: whatever was under way answers a position that is gone. The match has
    // already dropped the solver's question.
    void positionChanged();
    // Plays the chosen column once the reply's delay has passed and the match is not held.
    void playWhenReady();

private:
    Match& m_match;
    SolverThread& m_solver;
    int m_player;
    QTimer m_delay;
    std::optional<int> m_column; // the chosen column, once the solver has answered
};

} // namespace quatrelle::match

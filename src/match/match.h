// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "choice_book.h"
#include "game/board.h"
#include "game/levels.h"
#include "score_book.h"

#include <QList>
#include <QObject>
#include <memory>
#include <optional>

namespace quatrelle::match {

class ComputerPlayer;
class SolverThread;

// Why a request left the game as it was.
enum class Refusal {
    FullColumn,        // a drop into a full column; `where` is the column
    FloatingCell,      // a click on a cell with nothing below it; `where` is the cell
    HintWithLine,      // no hint once a line stands
    HintOnFullBoard,   // no hint with no move left
    HintWhileThinking, // the computer is choosing its move
    NothingToTakeBack,
    GameOver,         // a drop once a game against the computer has ended
    ComputerThinking, // the player's drop while the computer chooses; `where` is the column
};

// How a game against the computer ended, as the player sees it.
enum class Outcome { PlayerWon, ComputerWon, Draw };

// The game being played: the board and its history, whose turn it is, the hint, and the
// computer player when there is one. The windows call its operations and show what its
// signals tell; it knows no window. Every change of the board happens in one order: what was
// asked of the solver about the old board is dropped, the views are told, then the computer,
// when it is to move, starts choosing.
class Match : public QObject {
    Q_OBJECT

public:
    // With a computer player (0 yellow, 1 red), the computer plays that colour at the level.
    explicit Match(std::optional<int> computerPlayer = std::nullopt,
                   game::Level level = game::DefaultLevel, QObject* parent = nullptr);
    // The computer plays as the choices say, and the player's choices are kept there.
    explicit Match(ChoiceBook choices, QObject* parent = nullptr);
    ~Match() override;

    const game::Game& game() const { return m_game; }
    // The computer's player (0 or 1), when the computer plays.
    std::optional<int> computerPlayer() const;
    game::Level level() const { return m_choices.current().level; }
    // The player's choice of who plays the computer's side, and how well: a change starts a new
    // game. False when the choice could not be kept for the next start.
    bool choose(const game::Choices& chosen);
    // True from the moment the computer is to move until its piece has dropped: meanwhile the
    // player's drops are refused.
    bool computerToMove() const;
    // The computer knows its reply, which waits for its delay to pass or for a hold to end.
    bool computerHasChosen() const;
    // Some player has four in a line on the board.
    bool lineStands() const;
    // Against the computer, how the game ended: at its first line, or on a full board. Between
    // two players a game never ends this way: play goes on after a line.
    std::optional<Outcome> outcome() const;
    // The column of the hint being shown, if any.
    std::optional<int> hint() const { return m_hint; }
    // The score of every level. A game against the computer counts at its end, and no longer
    // once that end is taken back; one given up once both sides have moved (a new game, another
    // opponent or level, or leaving) counts as given up.
    ScoreBook& scores() { return m_scores; }
    const ScoreBook& scores() const { return m_scores; }

    // The player's drop into a column; refused while the computer is to move, and once the game
    // against it has ended.
    void drop(int column);
    // The player's click on a cell: the drop into its column when the cell is where that drop
    // would land; refused for a cell with nothing below it, while the computer is to move, or
    // once the game against it has ended; nothing for an occupied one.
    void dropAtCell(int cell);
    // Against the computer a player takes back their own move, and the computer's reply to it
    // when there is one; between two players, the last move.
    void takeBack();
    void newGame();
    // Asks the solver for a best column of the player to move; the answer comes later, through
    // hintChanged, unless the board changes first. Asked again while a hint is shown, it puts
    // the hint out.
    void askHint();
    // Puts out the hint being shown.
    void dismissHint();

    // While a message or another window covers the board, the computer does not play. Holds
    // nest: the computer plays once each has been resumed.
    void hold();
    void resume();
    bool isHeld() const { return m_holds > 0; }

Q_SIGNALS:
    // A piece landed, the player's or the computer's.
    void dropped(game::Placement placed, bool byComputer);
    // After every drop, once the drop has been shown: a line may stand now.
    void dropEnded();
    // Against the computer, after the drop that ended the game (the first line, or the last
    // cell), once it has been shown: no piece drops again until a take-back or a new game.
    void computerGameOver(quatrelle::match::Outcome outcome);
    void refused(quatrelle::match::Refusal why, int where = -1);
    // The pieces taken back, the last one played first.
    void takenBack(const QList<game::Placement>& taken);
    // A game against the computer was left once both sides had moved, and counted as given up
    // at its level; the new game, or the program's end, follows.
    void gameGivenUp(quatrelle::game::Level level);
    // Also when the computer's side or level changes.
    void newGameStarted();
    // A hint's column, or nullopt when its light goes out.
    void hintChanged(std::optional<int> column);

private:
    friend class ComputerPlayer;
    // The drop of whoever plays: the player's click or key, or the computer.
    void place(int column, bool byComputer);
    // Drops what the solver was asked about the board as it was, tells the views, and lets the
    // computer choose on the new board.
    template <typename TellViews> void changeBoard(TellViews tellViews);
    SolverThread& solverThread();
    void startNewGame();
    // Counts the game against the computer on the board as given up, if both sides have moved
    // and it has not ended.
    void giveUp();

    game::Game m_game;
    // Made when the computer plays or the first hint is asked for, so that a game without them
    // allocates nothing of the solver.
    std::unique_ptr<SolverThread> m_solver;
    std::unique_ptr<ComputerPlayer> m_computer;
    ChoiceBook m_choices;
    std::optional<int> m_hint;
    int m_holds = 0;
    ScoreBook m_scores;
    std::optional<Outcome> m_counted; // the end of the game on the board, once counted
};

} // namespace quatrelle::match

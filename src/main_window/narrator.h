// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/board.h"
#include "match/match.h"
#include "runtime/control_array.h"
#include "runtime/image_control.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <optional>

class QMessageBox;

namespace quatrelle::runtime {
class Announcer;
}

namespace quatrelle::main_window {

// What a screen reader reads of the main window and speaks of the game. It listens to the
// match: it names every cell and column, keeps the window's description true (whose turn, the
// hint, or the end of a game against the computer), and speaks each change where the player
// is, in the order a player needs it.
//
// Against the computer a move and its reply are one announcement, the reply first: the player's
// drop waits for it, so that the next key, which makes a screen reader cut what it is saying,
// cuts the player's own move rather than the news. Any key pressed while a reader's voice would
// still be saying the last news (a move, a reply, a refusal, a result) cuts it: the whole of it
// is said again, once, in front of the next announcement. A new game waits likewise for the
// computer's opening.
class Narrator : public QObject {
    Q_OBJECT

public:
    using Controls = runtime::ControlArray<runtime::ImageControl>;
    Narrator(QWidget& window, Controls& cells, Controls& arrows, const match::Match& match);

    // A game against the computer has ended and its score is counted: the window says so.
    void gameOver();
    // A result's message is about to show. A screen reader reads it as an alert, which cuts
    // whatever it was saying, so the message itself says the result, then the moves that ended
    // the game; what the box shows is unchanged. R in the message says it all again.
    void nameResult(QMessageBox* box);
    // The whole board, in one sentence.
    void readBoard();
    // The last announcement again, or the window's description before any.
    void repeat();
    // The level's score was reset: the window's description shows it, and a player hears it.
    void scoreReset();
    // The player put the hint out, or asked for the analysis of an empty board.
    void hintPutOut();
    void nothingToAnalyse();
    // A reader's voice may still be saying the last news, which a key would cut.
    bool isSayingNews() const { return !m_news.isEmpty() && !m_newsSaidBy.hasExpired(); }

private:
    void dropped(game::Placement placed, bool byComputer);
    void refused(match::Refusal why, int where);
    void takenBack(const QList<game::Placement>& taken);
    void newGameStarted();
    void gameGivenUp(game::Level level);
    void hintChanged(std::optional<int> column);

    // Says the text, after what was cut of the news before; the part of it that is news (a move,
    // a reply, a refusal) is carried in turn if it is cut.
    void announce(const QString& text, const QString& news = {});
    QString takeCutNews();
    // What was just said is news that a key may cut before a voice has said it whole.
    void keepSaying(const QString& news, int saidAfterMs = 0);
    // A key now cuts the news that a voice is still saying: the next announcement says it.
    void keyPressed();
    // The news is said otherwise (the board, the last announcement), or is gone from the board:
    // nothing is carried.
    void forgetNews();
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Adds a sentence to what waits for the computer's move or the result.
    void addPending(const QString& sentence);
    void describeBoard();
    void describeCell(int cell);
    void describeColumn(int column);
    void describeWindow();
    QString turnText() const;

    QWidget& m_window;
    Controls& m_cells;
    Controls& m_arrows;
    const match::Match& m_match;
    runtime::Announcer* m_announcer;
    QString m_lastAnnouncement;
    // What waits to be said with the computer's next move or the result: the new game's
    // heading, the player's move, a drop that leaves a line.
    QString m_pending;
    // The last news, and until when a reader's voice may still be saying it.
    QString m_news;
    QDeadlineTimer m_newsSaidBy;
    QString m_cutNews;             // said again in front of the next announcement
    std::optional<int> m_opponent; // the computer's player when the last game began
    QString m_givenUp;             // the game just given up, said with the new game
};

} // namespace quatrelle::main_window

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/levels.h"
#include "match/match.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <array>
#include <functional>
#include <optional>

namespace quatrelle::main_window {

// The window's commands, each an action with its shortcuts, shared by the keys and the context
// menu: a shortcut is declared once, a held key acts once, and a screen reader reads the menu.
// The actions belong to the window, so that their shortcuts work wherever its focus is. Those
// that are the match's act on it; a choice of opponent or level is the match's to keep. The
// windows that the help and the analysis open are the window's business.
class Commands : public QObject {
    Q_OBJECT

public:
    Commands(QWidget& window, match::Match& match);

    // Opens the menu at a point of the screen and returns once it has closed. Opened by a key,
    // its first entry is active at once, so that a screen reader reads it.
    void openMenu(const QPoint& at, bool byKeyboard = false);
    // Made when first opened: a player who never asks for it never pays for it.
    QMenu& menu();

    QAction newGame;
    QAction hint;
    QAction takeBack;
    QAction readBoard; // says the whole board
    QAction repeat;    // says the last announcement again
    QAction analyse;   // opens the review of the game on the board
    QAction help;
    QAction about;
    QAction quit;

Q_SIGNALS:
    // The score of the level being played is back to nothing.
    void scoreReset();
    // The player put the hint being shown out.
    void hintPutOut();
    // The menu is about to open.
    void menuOpening();

private:
    void choose(std::optional<int> computerPlayer, game::Level level);
    // A person has dropped a piece in a game that has not ended: a change would throw it away.
    bool gameUnderWay() const;
    // Asks before what cannot be undone; the computer waits for the answer. «Non» is the
    // default, as Enter or Escape answer.
    bool confirmed(const QString& question);
    // Ticks the opponent and the level being played; the level only counts against the
    // computer.
    void showChoices();

    QWidget& m_window;
    match::Match& m_match;
    QMenu* m_menu = nullptr; // the window's child
    QMenu* m_levelMenu = nullptr;
    QActionGroup m_opponents;
    QActionGroup m_levels;
    std::array<QAction, 3> m_opponent;
    std::array<QAction, 4> m_level;
    QAction m_openMenu;
    QAction m_score; // the level's score, to read; shown against the computer alone
    QAction m_resetScore;
};

} // namespace quatrelle::main_window

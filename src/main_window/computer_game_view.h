// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "match/match.h"
#include "resources/picture_files.h"
#include "runtime/control_array.h"
#include "runtime/image_control.h"

#include <QLabel>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPropertyAnimation>
#include <functional>
#include <optional>

namespace quatrelle::main_window {

// What a game against the computer shows beyond the two-player board: the computer's piece
// falls into its cell and stays marked until the player's next drop or a take-back; the end
// comes as a message in the player's words, with the level's score, after which the cells of the
// line are marked until a new game or a take-back. Between two players it shows nothing.
class ComputerGameView : public QObject {
    Q_OBJECT

public:
    static constexpr int FallDuration = 150; // milliseconds, well within the computer's delay

    using Controls = runtime::ControlArray<runtime::ImageControl>;
    // `redraw` shows the cells again, each as pictureOf says.
    ComputerGameView(QWidget& window, const Controls& cells, match::Match& match,
                     std::function<void()> redraw);

    // The picture that a cell shows instead of its piece, if any: an empty cell while the
    // piece falls towards it, a marked piece once it has landed and on the line.
    std::optional<resources::Picture> pictureOf(int cell) const;

    // The message that ends a game against the computer, with its score line: «Vous avez
    // gagné ! - Sie haben gewonnen !», «L'ordinateur a gagné ! - Der Computer hat gewonnen !»
    // or «Match nul ! - Unentschieden !».
    static QString ResultText(match::Outcome outcome);

Q_SIGNALS:
    // The game has ended, and its end has been counted; its message comes next.
    void gameEnded(quatrelle::match::Outcome outcome);
    // The result's message is about to show.
    void resultShowing(QMessageBox* box);
    // The result's message has been closed and the line marked.
    void resultShown(quatrelle::match::Outcome outcome);

private:
    void dropped(game::Placement placed, bool byComputer);
    void landed();
    void gameOver(match::Outcome outcome);
    void showResult(match::Outcome outcome);
    void clearMarks();
    void takenBack();

    QWidget& m_window;
    const Controls& m_cells;
    match::Match& m_match;
    std::function<void()> m_redraw;
    QLabel m_fallingPiece;
    QPropertyAnimation m_fall;
    int m_fallingCell = -1;
    int m_computerCell = -1;
    QList<int> m_line;                             // every cell of the lines that ended the game
    std::optional<match::Outcome> m_pendingResult; // shown once the computer's piece has landed
};

} // namespace quatrelle::main_window

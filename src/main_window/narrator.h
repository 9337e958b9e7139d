// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/board.h"
#include "match/match.h"
#include "runtime/control_array.h"
#include "runtime/image_control.h"

#include <QObject>
#include <QString>

namespace quatrelle::runtime {
class Announcer;
}

namespace quatrelle::main_window {

// What a screen reader reads of the main window and speaks of the game. It listens to the
// match: it names every cell and column, keeps the window's description on whose turn it is
// or on the hint, and speaks each change where the player is, in the order a player needs it.
class Narrator : public QObject {
    Q_OBJECT

public:
    using Controls = runtime::ControlArray<runtime::ImageControl>;
    Narrator(QWidget& window, Controls& cells, Controls& arrows, const match::Match& match);

private:
    void dropped(game::Placement placed, bool byComputer);
    void refused(match::Refusal why, int where);
    void takenBack(const QList<game::Placement>& taken);
    void newGameStarted();
    void hintChanged(std::optional<int> column);

    void describeBoard();
    void describeCell(int cell);
    void describeColumn(int column);
    void describeTurn();
    QString turnText() const;

    QWidget& m_window;
    Controls& m_cells;
    Controls& m_arrows;
    const match::Match& m_match;
    runtime::Announcer* m_announcer;
};

} // namespace quatrelle::main_window

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mouse.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <functional>

class QMouseEvent;
class QWidget;

namespace quatrelle::runtime {

// Tells, during a drag, when a window manager ignores the program's move requests (Xwayland
// under some compositors): the window has stayed where the drag found it for this many pointer
// moves and this long. Once it has followed a move, it is never taken to ignore them.
class IgnoredMoveWatch {
public:
    static constexpr int UnansweredMoves = 3;
    static constexpr qint64 UnansweredTime = 100; // milliseconds

    void restart() { *this = IgnoredMoveWatch(); }
    // One pointer move of the drag: whether the window is still where the drag found it, and
    // the time since the drag's first move. True when the system's move should take over.
    bool ignored(bool windowUnmoved, qint64 sinceFirstMove);

private:
    int m_unanswered = 0;
    bool m_followed = false;
};

// The pointer on a frameless window's own surface, given to the window's handlers as they
// expect it: a press, each move and a release, in twips within the window. A move's position
// is taken from the pointer on the screen, so that the grabbed point stays under it even when
// the pointer runs ahead of a window that has not yet moved.
//
// Where the window system would not honour the window's own moves, the drag is the system's
// instead: where the compositor alone places windows, once the pointer has moved with a button
// held, so that a click, the right one that opens the menu among them, stays a click; and
// mid-drag where the window manager turns out to ignore them, the window's drag then ending as on
// a release.
class WindowDrag : public QObject {
public:
    struct Handlers {
        std::function<void(const MouseState&)> down;
        std::function<void(const MouseState&)> move;
        std::function<void(const MouseState&)> up;
    };

    WindowDrag(QWidget& window, Handlers handlers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pressed(const QMouseEvent& event);
    void moved(const QMouseEvent& event);
    // A pointer move of the drag: true once the system's move has taken the drag over.
    bool systemTookOver(const QMouseEvent& event);

    QWidget& m_window;
    Handlers m_handlers;
    bool m_dragging = false;
    bool m_systemMoveOnDrag =
        false;          // a press that the compositor moves the window for, if it drags
    QPoint m_pressedAt; // on the screen
    QPoint m_origin;    // where the window stood at the press
    QElapsedTimer m_sinceFirstMove;
    IgnoredMoveWatch m_watch;
};

} // namespace quatrelle::runtime

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>

class QMouseEvent;
class QWidget;

namespace quatrelle::runtime {

// Places a top-level window in the middle of the primary screen's available area.
void CentreOnScreen(QWidget& window);

// Where a window of the given size, its frame included, stands so that it leaves `kept` (a part
// of another window, on the screen) uncovered: beside it where the screen's available area has
// room, right then left, else below or above it; where none has, in the largest of those
// strips, as large as the wanted size's area allows. Never outside the available area.
QRect PlaceBeside(const QRect& available, const QRect& kept, QSize wanted);

// The geometry for a window beside another, through PlaceBeside on the window's screen: beside
// the whole of `other` when the wanted size has room there, else beside its part `kept`. The
// window's frame, once the window manager has given it one, counts with it, and before that a
// usual title bar.
QRect GeometryBeside(const QWidget& window, const QWidget& other, const QRect& kept, QSize wanted);

// On Wayland the compositor alone places windows, and a mask only limits where input lands: a
// program can neither move its window itself nor cut its outline there.
bool CompositorPlacesWindows();

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

// Hands a frameless window's drag to the system's move when the window manager ignores the
// moves the program asks for: it follows one drag from the press, pointer move by pointer move.
class SystemMoveFallback {
public:
    void pressed(const QMouseEvent& event);
    // A pointer move of the drag: true once the system's move has taken the drag over.
    bool tookOver(const QMouseEvent& event, QWidget& window);

private:
    QPoint m_origin; // where the window stood at the press
    QElapsedTimer m_sinceFirstMove;
    IgnoredMoveWatch m_watch;
};

// A modal message box whose centre stands on its parent window's centre. Left to itself, a
// box guesses a frame for a frameless parent and comes out above and left of it.
class CentredMessageBox : public QMessageBox {
public:
    CentredMessageBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons,
                      QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void request(QPoint topLeft);
    void correctPlacement();

    QPoint m_wanted;    // where the box's client area should stand
    QPoint m_requested; // where it last asked to stand
    int m_corrections = 0;
    QElapsedTimer m_shown; // moves long after the box came up are the user's
    QTimer m_settling;     // the window manager's answers to one request have all come
};

} // namespace quatrelle::runtime

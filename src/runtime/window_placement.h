// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>

class QWidget;

namespace quatrelle::runtime {

// Places a top-level window in the middle of the primary screen's available area.
void CentreOnScreen(QWidget& window);

// Where a window of the given size, its frame included, stands so that it leaves `kept` (a part
// of another window, on the screen) uncovered: beside it where the screen's available area has
// room, right then left, else below or above it; where none has, in the largest of those
// strips, as large as the wanted size's area allows. Never outside the available area.
QRect PlaceBeside(const QRect& available, const QRect& kept, QSize wanted);

// Where a window stands beside the whole of another window (`whole`), smaller if need be, so
// that the other's controls stay within reach; where that would leave it too small to read,
// beside the other's part `kept` alone, through PlaceBeside. A `sibling` already standing
// beside them is left clear too wherever that costs the window no size: two windows beside the
// board stand side by side rather than one on the other.
QRect PlaceClearOf(const QRect& available, const QRect& whole, const QRect& kept, QSize wanted,
                   const QRect& sibling = {});

// The geometry for a window beside another, through PlaceClearOf on the window's screen, clear
// of the sibling's frame, when one is given and shown. The window's frame, once the window
// manager has given it one, counts with it, and before that a usual title bar.
QRect GeometryBeside(const QWidget& window, const QWidget& other, const QRect& kept, QSize wanted,
                     const QWidget* sibling = nullptr);

// On Wayland the compositor alone places windows, and a mask only limits where input lands: a
// program can neither move its window itself nor cut its outline there.
bool CompositorPlacesWindows();

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

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_drag.h"

#include "twips.h"
#include "window_placement.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace quatrelle::runtime {

bool IgnoredMoveWatch::ignored(bool windowUnmoved, qint64 sinceFirstMove) {
    if (!windowUnmoved)
        m_followed = true;
    if (m_followed)
        return false;
    return ++m_unanswered >= UnansweredMoves && sinceFirstMove >= UnansweredTime;
}

namespace {

// Where the window system really has the window: the pointer's place on the screen less its
// place in the window, both as the window system reported them.
QPoint windowOrigin(const QMouseEvent& event) {
    return (event.globalPosition() - event.position()).toPoint();
}

} // namespace

WindowDrag::WindowDrag(QWidget& window, Handlers handlers)
    : QObject(&window)
    , m_window(window)
    , m_handlers(std::move(handlers)) {
    window.installEventFilter(this);
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event) {
    // A disabled window takes no pointer, as its own handlers would not.
    if (watched != &m_window || !m_window.isEnabled())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        pressed(*static_cast<QMouseEvent*>(event));
        break;
    case QEvent::MouseMove:
        moved(*static_cast<QMouseEvent*>(event));
        break;
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        m_systemMoveOnDrag = false;
        m_handlers.up(MouseStateOf(*static_cast<QMouseEvent*>(event)));
        break;
    default:
        break;
    }
    // The event goes on, so that another watcher of the window, its menu among them, sees it
    // whichever of the two was installed first; the window's own handlers leave it alone.
    return false;
}

void WindowDrag::pressed(const QMouseEvent& event) {
    if (CompositorPlacesWindows()) {
        m_systemMoveOnDrag = true;
        m_pressedAt = event.globalPosition().toPoint();
        return;
    }
    m_dragging = true;
    m_origin = windowOrigin(event);
    m_sinceFirstMove.invalidate();
    m_watch.restart();
    m_handlers.down(MouseStateOf(event));
}

void WindowDrag::moved(const QMouseEvent& event) {
    if (m_systemMoveOnDrag && event.buttons() != Qt::NoButton &&
        (event.globalPosition().toPoint() - m_pressedAt).manhattanLength() >=
            QApplication::startDragDistance()) {
        m_systemMoveOnDrag = false;
        if (m_window.windowHandle())
            m_window.windowHandle()->startSystemMove();
    }
    if (m_dragging && systemTookOver(event)) {
        m_dragging = false;
        m_handlers.up(MouseStateOf(event));
        return;
    }
    const QPointF local = event.globalPosition() - QPointF(m_window.pos());
    m_handlers.move({PixelsToTwipsX(local.x()), PixelsToTwipsY(local.y())});
}

bool WindowDrag::systemTookOver(const QMouseEvent& event) {
    if (!m_sinceFirstMove.isValid()) {
        m_sinceFirstMove.start();
        return false;
    }
    return m_watch.ignored(windowOrigin(event) == m_origin, m_sinceFirstMove.elapsed()) &&
           m_window.windowHandle() && m_window.windowHandle()->startSystemMove();
}

} // namespace quatrelle::runtime

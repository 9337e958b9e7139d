// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_placement.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace quatrelle::runtime {

void CentreOnScreen(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

bool CompositorPlacesWindows() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

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

void SystemMoveFallback::pressed(const QMouseEvent& event) {
    m_origin = windowOrigin(event);
    m_sinceFirstMove.invalidate();
    m_watch.restart();
}

bool SystemMoveFallback::tookOver(const QMouseEvent& event, QWidget& window) {
    if (!m_sinceFirstMove.isValid()) {
        m_sinceFirstMove.start();
        return false;
    }
    return m_watch.ignored(windowOrigin(event) == m_origin, m_sinceFirstMove.elapsed()) &&
           window.windowHandle() && window.windowHandle()->startSystemMove();
}

namespace {

// Time enough for a window manager to settle where it puts a new window, and for the answers
// to one request to arrive.
constexpr qint64 PlacementSettlesWithin = 1000; // milliseconds
constexpr int AnswersArriveWithin = 50;         // milliseconds

} // namespace

CentredMessageBox::CentredMessageBox(Icon icon, const QString& title, const QString& text,
                                     StandardButtons buttons, QWidget* parent)
    : QMessageBox(icon, title, text, buttons, parent) {
    m_settling.setSingleShot(true);
    m_settling.setInterval(AnswersArriveWithin);
    connect(&m_settling, &QTimer::timeout, this, &CentredMessageBox::correctPlacement);
}

void CentredMessageBox::showEvent(QShowEvent* event) {
    // The box takes its final size here, before it is mapped; placing its client area rather
    // than its frame keeps it where it is put by window managers that honour that.
    QMessageBox::showEvent(event);
    if (const QWidget* parent = parentWidget()) {
        QRect placed(QPoint(), size());
        placed.moveCenter(parent->window()->geometry().center());
        m_wanted = placed.topLeft();
        m_corrections = 0;
        m_shown.start();
        request(m_wanted);
    }
}

void CentredMessageBox::request(QPoint topLeft) {
    m_requested = topLeft;
    setGeometry(QRect(topLeft, size()));
}

void CentredMessageBox::moveEvent(QMoveEvent* event) {
    QMessageBox::moveEvent(event);
    if (isVisible() && m_shown.isValid() && m_shown.elapsed() <= PlacementSettlesWithin)
        m_settling.start();
}

// Some window managers (i3) put their frame, not the box, where a new box asked to stand, and
// honour a second request as it is meant; one that kept adding its frame would be asked once
// more, as far off the other way.
void CentredMessageBox::correctPlacement() {
    const QPoint landed = geometry().topLeft();
    if (landed == m_wanted || m_corrections >= 2)
        return;
    const QPoint offset = m_corrections == 0 ? QPoint() : landed - m_requested;
    ++m_corrections;
    request(m_wanted - offset);
}

} // namespace quatrelle::runtime

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_note.h"

#include "runtime/announcer.h"
#include "runtime/window_placement.h"

#include <QApplication>
#include <QScreen>
#include <QToolTip>

namespace quatrelle::main_window {

BoardNote::BoardNote(QWidget& window)
    : QLabel(&window, Qt::ToolTip | Qt::FramelessWindowHint)
    , m_window(window) {
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(6);
    setTextFormat(Qt::PlainText);
    m_shown.setSingleShot(true);
    m_shown.setInterval(ShownFor);
    connect(&m_shown, &QTimer::timeout, this, &QWidget::hide);
}

void BoardNote::say(const QString& text, bool heard) {
    setText(text);
    // Named by its words, not as the game's windows are.
    setWindowTitle(text);
    adjustSize();
    if (const QScreen* screen = m_window.screen())
        setGeometry(
            runtime::PlaceBeside(screen->availableGeometry(), m_window.frameGeometry(), size()));
    show();
    if (heard)
        runtime::Announcer::in(m_window).announce(text);
    qApp->installEventFilter(this);
    m_shown.start();
}

bool BoardNote::eventFilter(QObject*, QEvent* event) {
    if (!isVisible() || event->type() == QEvent::MouseButtonPress ||
        event->type() == QEvent::KeyPress) {
        hide();
        qApp->removeEventFilter(this);
    }
    return false;
}

} // namespace quatrelle::main_window

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "first_start_note.h"

#include "menu_hint.h"
#include "runtime/announcer.h"
#include "runtime/first_paint.h"
#include "runtime/window_placement.h"

#include <QApplication>
#include <QScreen>
#include <QToolTip>
#include <chrono>

namespace quatrelle::main_window {

FirstStartNote::FirstStartNote(QWidget& window)
    // A tooltip's kind of window: it takes no focus, and the window manager leaves it where it
    // is put.
    : QLabel(MenuHint::text(), &window, Qt::ToolTip | Qt::FramelessWindowHint)
    , m_window(window) {
    setObjectName(QStringLiteral("firstStartNote"));
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(6);
    m_shown.setSingleShot(true);
    m_shown.setInterval(ShownFor);
    connect(&m_shown, &QTimer::timeout, this, &QWidget::hide);
    runtime::WhenFirstActive(window, std::chrono::seconds(1), [this] { appear(); });
}

void FirstStartNote::appear() {
    adjustSize();
    const QScreen* screen = m_window.screen();
    if (screen)
        setGeometry(
            runtime::PlaceBeside(screen->availableGeometry(), m_window.frameGeometry(), size()));
    show();
    runtime::Announcer::in(m_window).announce(text());
    qApp->installEventFilter(this);
    m_shown.start();
}

bool FirstStartNote::eventFilter(QObject*, QEvent* event) {
    if (!isVisible() || event->type() == QEvent::MouseButtonPress ||
        event->type() == QEvent::KeyPress) {
        hide();
        qApp->removeEventFilter(this);
    }
    return false;
}

} // namespace quatrelle::main_window

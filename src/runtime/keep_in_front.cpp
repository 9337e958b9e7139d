// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keep_in_front.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace quatrelle::runtime {

KeepInFront::KeepInFront(QWidget& front, QWidget& behind)
    : QObject(&front)
    , m_front(front)
    , m_behind(behind) {
    // The hint is set on the native windows, made now if they are not yet.
    front.winId();
    behind.winId();
    front.windowHandle()->setTransientParent(behind.windowHandle());
    behind.windowHandle()->installEventFilter(this);
}

bool KeepInFront::eventFilter(QObject* watched, QEvent* event) {
    if (!m_behind.isEnabled() && m_front.isVisible() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::FocusIn)) {
        m_front.raise();
        m_front.activateWindow();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quatrelle::runtime

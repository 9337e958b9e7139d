// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "click_menu.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <utility>

namespace quatrelle::runtime {

ClickMenu::ClickMenu(QWidget& window, std::function<void(const QPoint& at, bool byKeyboard)> open)
    : QObject(&window)
    , m_window(window)
    , m_open(std::move(open)) {
    window.installEventFilter(this);
}

bool ClickMenu::eventFilter(QObject* watched, QEvent* event) {
    // A disabled window, behind another, takes no click and opens no menu.
    if (watched != &m_window || !m_window.isEnabled())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* press = static_cast<QMouseEvent*>(event);
        // A control's press that the control passed on is the control's, not the surface's.
        m_openOnRelease = press->button() == Qt::RightButton &&
                          press->buttons() == Qt::RightButton &&
                          !m_window.childAt(press->position().toPoint());
        m_pressedAt = press->globalPosition().toPoint();
        break;
    }
    case QEvent::MouseMove:
        if ((static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - m_pressedAt)
                .manhattanLength() >= QApplication::startDragDistance())
            m_openOnRelease = false;
        break;
    case QEvent::MouseButtonRelease: {
        const auto* release = static_cast<QMouseEvent*>(event);
        if (release->button() == Qt::RightButton && std::exchange(m_openOnRelease, false))
            m_open(release->globalPosition().toPoint(), false);
        break;
    }
    case QEvent::ContextMenu: {
        // A control's menu event reaches the window once the control has passed it on. The
        // window system turns the Menu key into a menu event before any shortcut sees it.
        const auto* asked = static_cast<QContextMenuEvent*>(event);
        if (asked->reason() != QContextMenuEvent::Mouse || m_window.childAt(asked->pos()))
            m_open(asked->globalPos(), asked->reason() == QContextMenuEvent::Keyboard);
        return true;
    }
    default:
        break;
    }
    return false;
}

} // namespace quatrelle::runtime

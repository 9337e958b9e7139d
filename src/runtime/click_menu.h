// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <QWidget>
#include <functional>

namespace quatrelle::runtime {

// Opens a window's menu where a frameless window that any button drags can have one: on the
// release of a right click on its surface that moved less than Qt's drag distance, with no other
// button held, since a right press may begin a drag; at once on a right click on a control,
// which never drags; and wherever the window system asks from the keyboard.
class ClickMenu : public QObject {
public:
    // `open` learns whether the menu was asked for from the keyboard.
    ClickMenu(QWidget& window, std::function<void(const QPoint& at, bool byKeyboard)> open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    std::function<void(const QPoint& at, bool byKeyboard)> m_open;
    bool m_openOnRelease = false;
    QPoint m_pressedAt;
};

} // namespace quatrelle::runtime

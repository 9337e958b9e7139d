// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

namespace quatrelle::main_window {

// A mouse player finds the menu, and the game against the computer in it, by resting the
// pointer on the window's bare surface: a tooltip names the right click. The controls keep
// their own tooltips or none. Once the menu has been opened, by any means, the hint is retired
// for good.
class MenuHint : public QObject {
    Q_OBJECT

public:
    explicit MenuHint(QWidget& window);
    void menuOpened();
    // The way to the menu, and to the computer, in a few words.
    static QString text();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    bool m_retired;
};

} // namespace quatrelle::main_window

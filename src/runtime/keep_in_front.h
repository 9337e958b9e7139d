// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

namespace quatrelle::runtime {

// Keeps a window in front of the window it belongs to, which is disabled while it shows.
// Transient for that window, it stays in front under every window manager and compositor that
// honours the hint; it still has no owner widget, which would disable it together with the
// other. For those that do not, a click on the disabled window or its activation brings it
// back in front.
class KeepInFront : public QObject {
public:
    KeepInFront(QWidget& front, QWidget& behind);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_front;
    QWidget& m_behind;
};

} // namespace quatrelle::runtime

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu_hint.h"

#include "resources/settings.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>
#include <utility>

namespace quatrelle::main_window {

MenuHint::MenuHint(QWidget& window)
    : QObject(&window)
    , m_window(window)
    , m_retired(resources::MenuOpenedBefore()) {
    window.installEventFilter(this);
}

void MenuHint::menuOpened() {
    if (std::exchange(m_retired, true))
        return;
    QToolTip::hideText();
    resources::RememberMenuOpened();
}

// A control without a tooltip passes the request on to the window: only the bare surface
// answers it.
bool MenuHint::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_window || event->type() != QEvent::ToolTip || m_retired)
        return false;
    const auto* help = static_cast<QHelpEvent*>(event);
    if (m_window.childAt(help->pos()))
        return false;
    QToolTip::showText(help->globalPos(), text(), &m_window);
    return true;
}

QString MenuHint::text() {
    return tr("Clic droit : le menu, pour jouer seul contre l'ordinateur.");
}

} // namespace quatrelle::main_window

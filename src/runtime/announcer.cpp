// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcer.h"

#include <QAccessibleWidget>

namespace quatrelle::runtime {

namespace {

QAccessibleInterface* accessibleAnnouncer(const QString&, QObject* object) {
    if (auto* announcer = qobject_cast<Announcer*>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* window)
    : QWidget(window) {
    static const bool installed = (QAccessible::installFactory(accessibleAnnouncer), true);
    Q_UNUSED(installed);
    setGeometry(0, 0, 0, 0); // nothing to paint and nowhere to click
    hide();
}

void Announcer::announce(const QString& text) {
    // Hidden first, so that the same text twice is spoken twice.
    hide();
    setAccessibleName(text);
    show();
}

} // namespace quatrelle::runtime

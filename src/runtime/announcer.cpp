// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcer.h"

#include <QAccessibleWidget>

namespace quatrelle::runtime {

namespace {

QAccessibleInterface* accessibleAnnouncer(const QString&, QObject* object) {
    if (qobject_cast<Announcer*>(object))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StatusBar);
    if (object->isWidgetType() && qobject_cast<Announcer*>(object->parent()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* window)
    : QWidget(window)
    , m_notice(new QWidget(this)) {
    static const bool installed = (QAccessible::installFactory(accessibleAnnouncer), true);
    Q_UNUSED(installed);
    setGeometry(0, 0, 0, 0); // nothing to paint and nowhere to click
    m_notice->setGeometry(0, 0, 0, 0);
    m_notice->hide();
}

Announcer& Announcer::in(QWidget& window) {
    if (auto* announcer = window.findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly))
        return *announcer;
    return *new Announcer(&window);
}

void Announcer::announce(const QString& text) {
    // Hidden first, so that the same text twice is spoken twice.
    m_notice->hide();
    m_notice->setAccessibleName(text);
    m_notice->show();
}

} // namespace quatrelle::runtime

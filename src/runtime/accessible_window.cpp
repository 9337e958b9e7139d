// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible_window.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QWidget>

namespace quatrelle::runtime {

namespace {

constexpr char ExposedRoleProperty[] = "quatrelleAccessibleWindowRole";

class AccessibleWindow : public QAccessibleWidget {
public:
    AccessibleWindow(QWidget* window, QAccessible::Role role)
        : QAccessibleWidget(window, role) {}

    // A menu takes the keyboard but leaves its window active; asked as the window loses the
    // focus to the menu, "still active" would reach a screen reader as the window activated
    // anew, and it would read the whole window over the menu's first entry.
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (QApplication::activePopupWidget())
            state.active = false;
        return state;
    }

    int childCount() const override { return static_cast<int>(shownChildren().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = shownChildren();
        return index >= 0 && index < children.size()
                   ? QAccessible::queryAccessibleInterface(children.at(index))
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? static_cast<int>(
                           shownChildren().indexOf(qobject_cast<QWidget*>(child->object())))
                     : -1;
    }

private:
    QList<QWidget*> shownChildren() const {
        QList<QWidget*> shown;
        for (QObject* object : widget()->children())
            if (auto* child = qobject_cast<QWidget*>(object);
                child && !child->isWindow() && !child->isHidden())
                shown.append(child);
        return shown;
    }
};

QAccessibleInterface* accessibleWindow(const QString&, QObject* object) {
    auto* window = qobject_cast<QWidget*>(object);
    if (!window || !window->isWindow())
        return nullptr;
    const QVariant role = window->property(ExposedRoleProperty);
    return role.isValid() ? new AccessibleWindow(window, role.value<QAccessible::Role>()) : nullptr;
}

} // namespace

void ExposeAsWindow(QWidget& window, QAccessible::Role role) {
    static const bool installed = (QAccessible::installFactory(accessibleWindow), true);
    Q_UNUSED(installed);
    window.setProperty(ExposedRoleProperty, QVariant::fromValue(role));
}

} // namespace quatrelle::runtime

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace quatrelle::testing {

// Closes every modal message box as it appears, the way a player would: by clicking its only
// button; and every menu that a right click opened, as a click elsewhere does. What each box
// showed and said is kept for the test to read, and the menus are counted.
class ModalCloser : public QObject {
public:
    struct Seen {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QString details; // the informative text under the text
        QStringList buttons;
        QStringList said; // its texts as a screen reader reads them
    };

    ModalCloser() {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, &ModalCloser::closeActive);
        m_timer.start();
    }

    const QList<Seen>& seen() const { return m_seen; }
    int menus() const { return m_menus; }
    // Closes a message by Enter, as a keyboard player does, rather than by a click.
    bool byKey = false;

private:
    void closeActive() {
        if (QWidget* menu = QApplication::activePopupWidget()) {
            ++m_menus;
            menu->close();
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        Seen seen{box->windowTitle(), box->text(), box->icon(), box->informativeText(), {}, {}};
        for (QAbstractButton* button : box->buttons())
            seen.buttons.append(button->text());
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(box);
        for (int i = 0; i < read->childCount(); ++i) {
            const QString name = read->child(i)->text(QAccessible::Name);
            if (read->child(i)->role() == QAccessible::StaticText && !name.isEmpty())
                seen.said.append(name);
        }
        m_seen.append(seen);
        if (byKey)
            QTest::keyClick(box, Qt::Key_Return);
        else if (QAbstractButton* button = box->buttons().value(0))
            button->click();
    }

    QTimer m_timer;
    QList<Seen> m_seen;
    int m_menus = 0;
};

} // namespace quatrelle::testing

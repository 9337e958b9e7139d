// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace quatrelle::runtime {

// Makes a screen reader speak a text wherever the keyboard focus is. Screen readers speak
// changes only to the focused object, with one exception they all honour: a notification
// that appears. The announcer is an invisible, empty status line in its window, whose one
// notification appears anew with each text; it takes no room, no pointer and no focus, so
// nobody sees it. Orca names the role of a notification before its text ("notification",
// a second of speech each time) unless it stands in a status line, which is what the
// announcer is: the window's news. In a dialog, Orca says the dialog's title and text before
// each notification: a dialog's news is said from the window it belongs to.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* window);
    // The window's announcer, made with the first news said there.
    static Announcer& in(QWidget& window);

    void announce(const QString& text);

private:
    QWidget* m_notice;
};

} // namespace quatrelle::runtime

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QTextEdit>

class QKeyEvent;

namespace quatrelle::runtime {
class Announcer;
}

namespace quatrelle::help {

// The help: the rules in a few lines, the levels, the menu, every key and what a screen reader
// hears, as scrolling text with a caret, so that a screen reader reads it by line with the arrows;
// Ctrl+Down and Ctrl+Up, or H and Shift+H, go from heading to heading. It stays beside the board
// without covering or blocking it, and closes with Escape.
class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent);

    // The help's text, as a screen reader reads it.
    QString plainText() const { return m_text.toPlainText(); }
    // Stands beside `kept`, a part of the screen that it must not cover, or above or below it,
    // or smaller.
    void placeBeside(const QRect& kept, const QWidget* sibling = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static QString helpHtml();
    // Puts the caret on the next heading, or the previous one, if there is one.
    void goToHeading(bool forward);
    // Whether a key went to a heading: H, Shift+H, Ctrl+Down, Ctrl+Up.
    bool goesToHeading(const QKeyEvent& key);

    QTextEdit m_text;
    runtime::Announcer* m_announcer;
};

} // namespace quatrelle::help

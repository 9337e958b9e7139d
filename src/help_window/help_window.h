// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QTextBrowser>

namespace quatrelle::help {

// The help: the rules in a few lines, the levels, the menu, every key and what a screen reader
// hears, as scrolling text. It stays beside the board without blocking it, closes with Escape,
// and a screen reader reads it whole when it opens.
class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent);

    // The help's text, as a screen reader reads it.
    QString plainText() const { return m_text.toPlainText(); }

private:
    static QString helpHtml();

    QTextBrowser m_text;
};

} // namespace quatrelle::help

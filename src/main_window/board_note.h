// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QTimer>

namespace quatrelle::main_window {

// A few words beside the board, for a few seconds or until the next click or key: what the
// window at rest has no place for, the way to the computer at the very first start, or a game
// given up in one click. A tooltip's kind of window, which takes no focus, and which the window
// manager leaves where it is put.
class BoardNote : public QLabel {
    Q_OBJECT

public:
    explicit BoardNote(QWidget& window);

    // Shows the text beside the window; a screen reader hears it where `heard` asks for it.
    void say(const QString& text, bool heard);

    static constexpr int ShownFor = 10000; // milliseconds

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    QTimer m_shown;
};

} // namespace quatrelle::main_window

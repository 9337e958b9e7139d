// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QTimer>

namespace quatrelle::main_window {

// At the very first start, a note beside the board shows the way to the menu and to the game
// against the computer, which nothing on the window at rest names, and a screen reader hears it
// once. It goes after a few seconds or at the first click or key, and never comes again.
class FirstStartNote : public QLabel {
    Q_OBJECT

public:
    // Shown once the window is first active; `window` stays as it is.
    explicit FirstStartNote(QWidget& window);

    static constexpr int ShownFor = 10000; // milliseconds

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void appear();

    QWidget& m_window;
    QTimer m_shown;
};

} // namespace quatrelle::main_window

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resources/flat_button.h"
#include "runtime/label_control.h"

#include <QTimer>
#include <QWidget>

namespace quatrelle::about {

// The about window: the program's picture, a line of credits that scrolls from right to left
// without end, and "Fermer". It is loaded afresh for every showing and unloaded on closing,
// so its controls and text exist only while it is on screen. Escape closes it as "Fermer" does.
class frmSplash : public QWidget {
    Q_OBJECT

public:
    frmSplash();
    ~frmSplash() override;

    // Loads the window if it is not loaded, then shows it centred on the screen.
    void Show();
    // Discards the controls and the text and hides the window.
    void Unload();
    bool isLoaded() const { return m_controls != nullptr; }

    // The controls of a loaded window; nullptr when unloaded.
    runtime::LabelControl* Label1() const;
    resources::FlatBttn* FlatBttn1() const;
    QTimer* Timer1() const;

    // The outer width in twips, from which the text enters.
    float outerWidthTwips() const;

    // One scroll step, as the timer makes it every 50 ms.
    void Timer1_Timer();

Q_SIGNALS:
    // After every unloading, whichever way the window was closed.
    void Unloaded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    class Controls;

    void Form_Load();
    void FlatBttn1_Click();

    Controls* m_controls = nullptr; // a child widget; nullptr while unloaded
};

} // namespace quatrelle::about

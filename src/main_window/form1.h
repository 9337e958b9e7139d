// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "about_window/frm_splash.h"
#include "board_keys.h"
#include "commands.h"
#include "computer_game_view.h"
#include "match/match.h"
#include "resources/flat_button.h"
#include "resources/settings.h"
#include "runtime/control_array.h"
#include "runtime/image_control.h"

#include <QWidget>
#include <memory>

namespace quatrelle::main_window {

class BoardNote;
class Narrator;

// The main window: a title-less, rounded board of 7 columns by 5 rows with its arrow row and
// four command buttons. It turns clicks and keys into the match's operations, redraws from the
// match's signals, announces wins, and moves when its surface is dragged.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // The computer plays the chosen colour, if any, at the chosen level; the player's choices
    // in the menu are kept where the choices are.
    explicit Form1(match::ChoiceBook choices = {});
    ~Form1() override;

    // The refusal signal of a drop or a cell click: it shows and changes nothing.
    void DoBeep();

    const game::Game& gameState() const { return m_match.game(); }
    const runtime::ControlArray<runtime::ImageControl>& cubes() const { return imgCube; }
    const runtime::ControlArray<runtime::ImageControl>& arrows() const { return imgFleche; }
    const runtime::ControlArray<runtime::ImageControl>& cubePictures() const { return BaseCube; }
    const runtime::ControlArray<runtime::ImageControl>& arrowPictures() const { return Fleche; }
    const runtime::ControlArray<resources::FlatBttn>& buttons() const { return FlatBttn1; }
    // The about window, once it has been asked for; nullptr before.
    about::frmSplash* aboutWindow() const { return m_about.get(); }
    bool isDragging() const { return IsDragging != 0; }
    // The arrows and the cells, on the screen: what a window beside this one must leave seen.
    QRect boardOnScreen() const;

Q_SIGNALS:
    // Emitted by DoBeep, so that a listener can tell a refusal happened.
    void beeped();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createStoredControls();
    void Form_Load();

    void imgFleche_Click(std::int16_t Index);
    void imgCube_Click(std::int16_t Index);
    void imgFleche_MouseMove(std::int16_t Index, const runtime::MouseState& state);
    void imgFleche_GotFocus(std::int16_t Index);
    void imgFleche_LostFocus(std::int16_t Index);
    void imgCube_MouseMove(std::int16_t Index, const runtime::MouseState& state);
    void ResetArrows();
    // An arrow as no pointer lights it: lit for the keyboard's focus, else plain.
    void showArrow(int column);
    // The cells as the board holds them, and the hint.
    void showCells();
    void CheckVictory();
    void ShowWinner(std::int16_t n);
    // "Le joueur 1 a gagné! - Der Spieler 1 hat gewonnen !", in the player's language.
    static QString WinText(std::int16_t n);

    void FlatBttn1_Click(std::int16_t Index);
    void FlatBttn1_MouseMove(std::int16_t Index, const runtime::MouseState& state);
    void NewGame();
    void ShowAbout();
    void connectCommands();

    void Form_MouseDown(const runtime::MouseState& state);
    void Form_MouseMove(const runtime::MouseState& state);
    void Form_MouseUp(const runtime::MouseState& state);

    match::Match m_match;

    runtime::ControlArray<runtime::ImageControl> imgFleche;
    runtime::ControlArray<runtime::ImageControl> imgCube;
    runtime::ControlArray<runtime::ImageControl> BaseCube;
    runtime::ControlArray<runtime::ImageControl> Fleche;
    runtime::ControlArray<resources::FlatBttn> FlatBttn1;

    std::unique_ptr<about::frmSplash> m_about;
    std::unique_ptr<BoardKeys> m_boardKeys;
    Commands* m_commands = nullptr;
    ComputerGameView* m_computerGame = nullptr;
    Narrator* m_narrator = nullptr;
    BoardNote* m_givenUpNote = nullptr; // made when first a game is given up

    std::int16_t DragStartX = 0;
    std::int16_t DragStartY = 0;
    std::int16_t IsDragging = 0; // -1 while a drag is in progress
};

} // namespace quatrelle::main_window

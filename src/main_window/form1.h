#pragma once

#include "about_window/frm_splash.h"
#include "game/board.h"
#include "resources/flat_button.h"
#include "runtime/announcer.h"
#include "runtime/control_array.h"
#include "runtime/image_control.h"
#include "runtime/window_placement.h"

#include <QElapsedTimer>
#include <QPoint>
#include <QWidget>
#include <memory>
#include <optional>

namespace quatrelle::main_window {

class ComputerPlayer;
class SolverThread;

// The main window: a title-less, rounded board of 7 columns by 5 rows with its arrow row and
// four command buttons. It owns the game, turns clicks and the digit keys into drops, announces
// wins, and moves when its surface is dragged.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // With a computer player (0 yellow, 1 red), the computer plays that colour.
    explicit Form1(std::optional<int> computerPlayer = std::nullopt);
    ~Form1() override;

    // The refusal signal of a drop or a cell click: it shows and changes nothing.
    void DoBeep();

    const game::Game& gameState() const { return m_game; }
    const runtime::ControlArray<runtime::ImageControl>& cubes() const { return imgCube; }
    const runtime::ControlArray<runtime::ImageControl>& arrows() const { return imgFleche; }
    const runtime::ControlArray<runtime::ImageControl>& cubePictures() const { return BaseCube; }
    const runtime::ControlArray<runtime::ImageControl>& arrowPictures() const { return Fleche; }
    const runtime::ControlArray<resources::FlatBttn>& buttons() const { return FlatBttn1; }
    // The about window, once it has been asked for; nullptr before.
    about::frmSplash* aboutWindow() const { return m_about.get(); }
    bool isDragging() const { return IsDragging != 0; }

    // The computer's drop, through the same path as an arrow click.
    void playComputerMove(int column);

Q_SIGNALS:
    // Emitted by DoBeep, so that a listener can tell a refusal happened.
    void beeped();
    // The board or the player to move changed: a drop, a move taken back, a new game.
    void turnChanged();
    // The window takes input again: a win message or the about window has closed.
    void inputReady();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createStoredControls();
    void Form_Load();

    void imgFleche_Click(std::int16_t Index);
    // The drop of whoever plays: the player's click or key, or the computer.
    void dropInto(std::int16_t column);
    void clearHint();
    void imgCube_Click(std::int16_t Index);
    void imgFleche_MouseMove(std::int16_t Index, const runtime::MouseState& state);
    void imgFleche_GotFocus(std::int16_t Index);
    void imgFleche_LostFocus(std::int16_t Index);
    // The board takes the keyboard focus on one arrow at a time.
    void focusColumn(int column);
    // An arrow as no pointer lights it: lit for a hint or the keyboard's focus, else plain.
    void showArrow(int column);
    // The arrow's column when an arrow has the keyboard focus.
    std::optional<int> focusedColumn() const;
    // Left, Right, Home, End and the drop keys on the focused column. False for other keys.
    bool handleBoardKey(const QKeyEvent& event);
    void imgCube_MouseMove(std::int16_t Index, const runtime::MouseState& state);
    void ResetArrows();
    void describeBoard();
    void describeCell(int cell);
    void describeColumn(int column);
    void describeTurn();
    QString turnText() const;
    void CheckVictory();
    void ShowWinner(std::int16_t n);

    void FlatBttn1_Click(std::int16_t Index);
    void FlatBttn1_MouseMove(std::int16_t Index, const runtime::MouseState& state);
    void NewGame();
    void ShowAbout();
    // The keys beyond the columns' digits: hint, take back, new game, quit. False for others.
    bool handleCommandKey(const QKeyEvent& event);
    void showHint();
    void takeBack();
    bool computerToMove() const;
    SolverThread& solverThread();
    void bringAboutForward();

    void Form_MouseDown(const runtime::MouseState& state);
    void Form_MouseMove(const runtime::MouseState& state);
    void Form_MouseUp(const runtime::MouseState& state);

    game::Game m_game;

    runtime::ControlArray<runtime::ImageControl> imgFleche;
    runtime::ControlArray<runtime::ImageControl> imgCube;
    runtime::ControlArray<runtime::ImageControl> BaseCube;
    runtime::ControlArray<runtime::ImageControl> Fleche;
    runtime::ControlArray<resources::FlatBttn> FlatBttn1;

    std::unique_ptr<about::frmSplash> m_about;

    // Made when the computer plays or a hint is first asked for, so that a game without them
    // allocates nothing of the solver.
    std::unique_ptr<SolverThread> m_solver;
    ComputerPlayer* m_computer = nullptr;
    runtime::Announcer* m_announcer = nullptr;
    // The column whose arrow takes the focus when the keyboard enters the board.
    int m_boardColumn = game::Columns / 2;
    // The column whose arrow a hint lit, until the pointer moves or a piece drops.
    std::optional<int> m_hintColumn;

    std::int16_t DragStartX = 0;
    std::int16_t DragStartY = 0;
    std::int16_t IsDragging = 0; // -1 while a drag is in progress

    // Where the window really stood when the drag began, and how long its move requests have
    // gone unanswered: a window manager that ignores them hands the drag to the system's move.
    QPoint m_dragOrigin;
    QElapsedTimer m_sinceFirstMove;
    runtime::IgnoredMoveWatch m_moveWatch;
};

} // namespace quatrelle::main_window

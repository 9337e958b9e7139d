#pragma once

#include <QObject>
#include <QTimer>
#include <optional>

namespace quatrelle::main_window {

class Form1;
class SolverThread;

// The computer as one of the two players. It watches the turn of the main window's game and,
// when its player is to move, plays through the same drop as an arrow click, a short while
// after the opponent's move so that it reads as a reply. It waits while the main window takes
// no input (a win message or the about window is open) and plays once it does again.
class ComputerPlayer : public QObject {
    Q_OBJECT

public:
    static constexpr int ReplyDelay = 400; // milliseconds

    ComputerPlayer(Form1& form, SolverThread& solver, int player);

    int player() const { return m_player; }
    // True from the moment its player is to move until its piece has dropped.
    bool isToMove() const;

private:
    void turnChanged();
    void playWhenReady();

    Form1& m_form;
    SolverThread& m_solver;
    int m_player;
    QTimer m_delay;
    std::optional<int> m_column; // the chosen column, once the solver has answered
};

} // namespace quatrelle::main_window

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/position.h"
#include "game/solver.h"

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace quatrelle::match {

// Asks the solver away from the event loop, so that the window answers while the solver
// searches. One question at a time: a new one, or cancel(), drops the one under way, whose
// answer never arrives.
class SolverThread : public QObject {
    Q_OBJECT

public:
    SolverThread();
    ~SolverThread() override;

    // Runs on the solver's thread: the columns that answer it.
    using Question = std::function<std::vector<int>(game::Solver& solver)>;
    using Answer = std::function<void(const std::vector<int>& columns)>;
    // The answer runs on this object's thread, through its event loop.
    void ask(Question question, Answer answer);
    // Any question: it runs on the solver's thread and returns what its answer does, which runs
    // on this object's thread.
    using Task = std::function<std::function<void()>(game::Solver& solver)>;
    void run(Task task);
    void cancel();

private:
    std::unique_ptr<game::Solver> m_solver;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    // Counts the questions, so that the answer of a dropped one is recognised and ignored.
    quint64 m_question = 0;
};

} // namespace quatrelle::match

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver_thread.h"

#include "game/opening_table.h"

namespace quatrelle::match {

SolverThread::SolverThread()
    : m_solver(std::make_unique<game::Solver>(&game::OpeningTable::BuiltIn())) {
    m_solver->SetStopFlag(&m_stop);
}

SolverThread::~SolverThread() {
    cancel();
}

void SolverThread::cancel() {
    ++m_question;
    if (m_thread.joinable()) {
        m_stop = true;
        m_thread.join();
        m_stop = false;
    }
}

void SolverThread::ask(Question question, Answer answer) {
    run([question = std::move(question), answer = std::move(answer)](game::Solver& solver) {
        return [answer, columns = question(solver)] { answer(columns); };
    });
}

void SolverThread::run(Task task) {
    cancel();
    const quint64 question = m_question;
    m_thread = std::thread([this, task = std::move(task), question] {
        std::function<void()> answer;
        try {
            answer = task(*m_solver);
        } catch (const game::Solver::Stopped&) {
            return;
        }
        QMetaObject::invokeMethod(
            this,
            [this, question, answer] {
                if (question == m_question)
                    answer();
            },
            Qt::QueuedConnection);
    });
}

} // namespace quatrelle::match

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

void SolverThread::ask(Question asked, Answer answer) {
    cancel();
    const quint64 question = m_question;
    m_thread = std::thread([this, asked = std::move(asked), question, answer = std::move(answer)] {
        std::vector<int> columns;
        try {
            columns = asked(*m_solver);
        } catch (const game::Solver::Stopped&) {
            return;
        }
        QMetaObject::invokeMethod(
            this,
            [this, question, answer, columns] {
                if (question == m_question)
                    answer(columns);
            },
            Qt::QueuedConnection);
    });
}

} // namespace quatrelle::match

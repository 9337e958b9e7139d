// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "side_windows.h"

#include "analysis_window/analysis_window.h"
#include "help_window/help_window.h"
#include "spoken_texts.h"

namespace quatrelle::main_window {

SideWindows::SideWindows(QWidget& window, const match::Match& match, std::function<QRect()> board)
    : QObject(&window)
    , m_window(window)
    , m_match(match)
    , m_board(std::move(board)) {}

void SideWindows::showHelp() {
    if (!m_help)
        m_help = new help::HelpWindow(&m_window);
    if (!m_help->isVisible())
        m_help->placeBeside(m_board(), m_analysis);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void SideWindows::showAnalysis() {
    if (!m_analysis) {
        m_analysis = new analysis::AnalysisWindow(&m_window);
        m_analysis->setBoardReader(BoardAnnouncement);
        const auto follow = [this] { m_analysis->follow(PlayedColumns(m_match.game())); };
        connect(&m_match, &match::Match::dropped, m_analysis, follow);
        connect(&m_match, &match::Match::takenBack, m_analysis, follow);
        connect(&m_match, &match::Match::newGameStarted, m_analysis, follow);
    }
    if (!m_analysis->isVisible())
        m_analysis->placeBeside(m_board(), m_help);
    m_analysis->analyse(PlayedColumns(m_match.game()), m_match.computerPlayer());
}

std::vector<int> PlayedColumns(const game::Game& game) {
    std::vector<int> columns;
    for (int move = 0; move < game.MoveCount(); ++move)
        columns.push_back(game::ColumnOf(game.CellOfMove(move)));
    return columns;
}

} // namespace quatrelle::main_window

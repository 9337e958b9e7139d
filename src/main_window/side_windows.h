// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "match/match.h"

#include <QObject>
#include <QRect>
#include <functional>
#include <vector>

class QWidget;

namespace quatrelle::help {
class HelpWindow;
}
namespace quatrelle::analysis {
class AnalysisWindow;
}

namespace quatrelle::main_window {

// The windows that open beside the board and do not stop the game: the help and the analysis.
// Each is made when first asked for, and opens beside the board, and beside the other where the
// screen has room; while the analysis is open it follows the game.
class SideWindows : public QObject {
    Q_OBJECT

public:
    // `board` tells where on the screen the board is, which both leave seen.
    SideWindows(QWidget& window, const match::Match& match, std::function<QRect()> board);

    void showHelp();
    // Reviews the game as it stands; asked again, reviews it anew.
    void showAnalysis();

private:
    QWidget& m_window;
    const match::Match& m_match;
    std::function<QRect()> m_board;
    help::HelpWindow* m_help = nullptr;             // the window's child, made when first asked for
    analysis::AnalysisWindow* m_analysis = nullptr; // likewise
};

// The columns played, in order: the game as the analysis reads it.
std::vector<int> PlayedColumns(const game::Game& game);

} // namespace quatrelle::main_window

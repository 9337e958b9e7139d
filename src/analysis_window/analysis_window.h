// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "match/game_review.h"
#include "review_views.h"

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QBoxLayout;

namespace quatrelle::runtime {
class Announcer;
}

namespace quatrelle::analysis {

// The review of a game: every move with the value before it and what it did, a graph of the
// value, and a small board that shows the position of the move chosen in the list or on the
// graph. It stays beside the board without covering it or blocking play, follows the game
// while it is open, and closes with Escape. The moves show at once and their values fill in as
// the solver finds them; a screen reader reads each line whole, and reads the summary with the
// window as it opens once the review is done, or hears it when the review is done if the
// window opened first; R says it again. The board and the graph take the focus with Tab and are
// read in words.
class AnalysisWindow : public QDialog {
    Q_OBJECT

public:
    explicit AnalysisWindow(QWidget* parent);

    // Reviews the game given by its columns (against the computer, its player) and shows the
    // window once the review is done, so that a screen reader reads the summary with it; a review
    // that takes longer than ShowWithin shows its moves filling in, and its summary is announced.
    void analyse(std::vector<int> columns, std::optional<int> computerPlayer);
    static constexpr int ShowWithin = 1000; // milliseconds
    // The game under review has moved on or back while the window is open: its lines and graph
    // follow, and only the moves that changed are reviewed again. Nothing is said: the game's
    // own window has just said the move.
    void follow(std::vector<int> columns);
    // How the small board is read, as the game's window reads its own.
    void setBoardReader(std::function<QString(const game::Game&)> reader);
    // Stands beside `kept`, a part of the screen that it must not cover, or above or below it,
    // or smaller; its parts are arranged to the room it finds.
    void placeBeside(const QRect& kept, const QWidget* sibling = nullptr);

    const QListWidget& moveList() const { return m_list; }
    const ValueGraph& graph() const { return m_graph; }
    const SmallBoard& smallBoard() const { return m_board; }
    QString summary() const { return m_summary.text(); }
    bool isDone() const { return m_review && m_review->isFinished(); }

Q_SIGNALS:
    void done();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void review(std::vector<int> columns, std::vector<game::MoveReview> known);
    std::vector<game::MoveReview> knownReviews(const std::vector<int>& columns) const;
    void reviewed(int move);
    void finished();
    void select(int move);
    void showReview();
    void fill();
    QString lineOf(std::size_t move) const;
    void drawGraph();
    QString summaryText() const;
    void describe(const QString& summary);
    void arrange(QSize size);

    QLabel m_summary;
    QListWidget m_list;
    SmallBoard m_board;
    ValueGraph m_graph;
    QBoxLayout* m_body;
    QBoxLayout* m_pictures;
    runtime::Announcer* m_announcer;
    std::unique_ptr<match::GameReview> m_review;
    std::optional<int> m_computerPlayer;
    std::function<QString(const game::Game&)> m_boardReader;
    QTimer m_showTimer;
    bool m_following = false;
};

} // namespace quatrelle::analysis

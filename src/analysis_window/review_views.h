// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/analysis.h"

#include <QWidget>
#include <optional>
#include <vector>

namespace quatrelle::analysis {

// The board after some moves of a game, small, its last piece ringed.
class SmallBoard : public QWidget {
    Q_OBJECT

public:
    explicit SmallBoard(QWidget* parent = nullptr);
    void setPosition(const std::vector<int>& columns, int moves);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<int> m_columns;
    int m_moves = 0;
};

// The value of the game move after move, for one player: wins above the middle, the sooner the
// higher, losses below, draws on it; an error is ringed, a blunder filled. A click chooses the
// nearest move.
class ValueGraph : public QWidget {
    Q_OBJECT

public:
    explicit ValueGraph(QWidget* parent = nullptr);
    // The values are drawn for `viewer`, 0 yellow or 1 red.
    void setReviews(const std::vector<game::MoveReview>& reviews, int moves, int viewer);
    void setCurrent(int move);

Q_SIGNALS:
    void moveClicked(int move);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    double xOf(int point) const;

    std::vector<game::MoveReview> m_reviews;
    int m_moves = 0;
    int m_current = -1;
    int m_viewer = 0;
};

} // namespace quatrelle::analysis

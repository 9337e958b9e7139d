// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/analysis.h"

#include <QPolygonF>
#include <QWidget>
#include <optional>
#include <vector>

namespace quatrelle::analysis {

// The board after some moves of a game, small, its last piece ringed, and, where the last move
// lost value, the cell of the better column ringed in green.
class SmallBoard : public QWidget {
    Q_OBJECT

public:
    explicit SmallBoard(QWidget* parent = nullptr);
    void setPosition(const std::vector<int>& columns, int moves, int betterColumn = -1);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<int> m_columns;
    int m_moves = 0;
    int m_betterColumn = -1;
};

// The value of the game move after move, for one side (against the computer, the player's;
// between two players, yellow's): its wins above the middle line, the sooner the higher, in its
// colour, the other side's below in theirs, draws on the line. The move numbers run along the
// bottom; an error is ringed, a blunder filled, as the legend says. A click chooses the nearest
// move; with the focus, Left, Right, Home and End choose the one before or after, the first or
// the last.
class ValueGraph : public QWidget {
    Q_OBJECT

public:
    explicit ValueGraph(QWidget* parent = nullptr);
    void setReviews(const std::vector<game::MoveReview>& reviews, int moves,
                    std::optional<int> computerPlayer);
    void setCurrent(int move);
    // The side whose values are drawn: 0 yellow, 1 red.
    int viewer() const { return m_computerPlayer ? 1 - *m_computerPlayer : 0; }
    // The drawn points, from the empty board to the last move reviewed before any line.
    QPolygonF points() const;
    // Where the values are drawn: a win at once on the top edge, a loss at once on the bottom.
    QRectF plotArea() const;

Q_SIGNALS:
    void moveClicked(int move);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    double xOf(int point) const;
    double yOf(int value) const;
    void drawAxes(QPainter& painter) const;
    void drawLegend(QPainter& painter) const;

    std::vector<game::MoveReview> m_reviews;
    int m_moves = 0;
    int m_current = -1;
    std::optional<int> m_computerPlayer;
};

} // namespace quatrelle::analysis

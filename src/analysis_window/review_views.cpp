// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "review_views.h"

#include "game/board.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace quatrelle::analysis {

namespace {

constexpr int CellSize = 22;
const QColor Yellow(255, 255, 0);
const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);

// A value, placed between -1 (the opponent wins at once) and 1: a win or a loss
// stands at least 0.35 from the middle, so that the slowest is not taken for a draw.
double heightOf(int value) {
    if (value == 0)
        return 0;
    const double nearness = 0.35 + 0.65 * std::abs(value) / game::Solver::MaxScore;
    return value > 0 ? nearness : -nearness;
}

// A value after a move, for the viewer.
int valueFor(int viewer, const game::MoveReview& review) {
    return review.player == viewer ? review.valueAfter : -review.valueAfter;
}

} // namespace

SmallBoard::SmallBoard(QWidget* parent)
    : QWidget(parent) {
    setFixedSize(game::Columns * CellSize + 8, game::Rows * CellSize + 8);
}

void SmallBoard::setPosition(const std::vector<int>& columns, int moves) {
    m_columns = columns;
    m_moves = moves;
    update();
}

void SmallBoard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Blue);
    game::Game game;
    int last = -1;
    for (int move = 0; move < m_moves; ++move)
        if (const auto placed = game.Drop(m_columns[static_cast<std::size_t>(move)]))
            last = placed->cell;
    for (int cell = 0; cell < game::CellCount; ++cell) {
        const QRectF box(4 + game::ColumnOf(cell) * CellSize + 2,
                         4 + game::RowOf(cell) * CellSize + 2, CellSize - 4, CellSize - 4);
        const std::int16_t value = game.Board()[cell];
        painter.setPen(cell == last ? QPen(Qt::white, 2) : Qt::NoPen);
        painter.setBrush(value == 1 ? Yellow : value == 2 ? Red : QColor(Qt::black));
        painter.drawEllipse(box);
    }
}

ValueGraph::ValueGraph(QWidget* parent)
    : QWidget(parent) {
    setMinimumSize(220, 110);
}

void ValueGraph::setReviews(const std::vector<game::MoveReview>& reviews, int moves, int viewer) {
    m_reviews = reviews;
    m_moves = moves;
    m_viewer = viewer;
    update();
}

void ValueGraph::setCurrent(int move) {
    m_current = move;
    update();
}

// Point 0 is the empty board; point n, the board after move n.
double ValueGraph::xOf(int point) const {
    return 6 + (width() - 12) * (m_moves > 0 ? double(point) / m_moves : 0);
}

void ValueGraph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    const double middle = height() / 2.0;
    const auto yOf = [&](int value) { return middle - heightOf(value) * (middle - 6); };
    painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    painter.drawLine(QPointF(0, middle), QPointF(width(), middle));
    if (m_current >= 0) {
        painter.setPen(QPen(Qt::darkGray, 1));
        painter.drawLine(QPointF(xOf(m_current + 1), 0), QPointF(xOf(m_current + 1), height()));
    }
    QPolygonF line;
    if (!m_reviews.empty() && m_reviews.front().verdict != game::Verdict::AfterLine)
        line << QPointF(xOf(0), yOf(m_viewer == 0 ? m_reviews.front().valueBefore
                                                  : -m_reviews.front().valueBefore));
    for (std::size_t move = 0; move < m_reviews.size(); ++move) {
        if (m_reviews[move].verdict == game::Verdict::AfterLine)
            break;
        line << QPointF(xOf(int(move) + 1), yOf(valueFor(m_viewer, m_reviews[move])));
    }
    painter.setPen(QPen(Qt::black, 2));
    painter.drawPolyline(line);
    for (std::size_t move = 0; move < m_reviews.size(); ++move) {
        const game::Verdict verdict = m_reviews[move].verdict;
        if (verdict != game::Verdict::Error && verdict != game::Verdict::Blunder)
            continue;
        painter.setPen(QPen(Red, 2));
        painter.setBrush(verdict == game::Verdict::Blunder ? QBrush(Red) : Qt::NoBrush);
        painter.drawEllipse(line.value(int(move) + 1), 5, 5);
    }
}

void ValueGraph::mousePressEvent(QMouseEvent* event) {
    if (m_moves == 0)
        return;
    const double step = (width() - 12.0) / m_moves;
    const int point = int(std::lround((event->position().x() - 6) / step));
    Q_EMIT moveClicked(std::clamp(point, 1, m_moves) - 1);
}

} // namespace quatrelle::analysis

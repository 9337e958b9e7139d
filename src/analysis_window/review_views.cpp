// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "review_views.h"

#include "game/board.h"
#include "review_texts.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace quatrelle::analysis {

namespace {

constexpr int CellSize = 22;
const QColor Yellow(255, 255, 0);
const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor BetterGreen(0, 230, 0);

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

void SmallBoard::setPosition(const std::vector<int>& columns, int moves, int betterColumn) {
    m_columns = columns;
    m_moves = moves;
    m_betterColumn = betterColumn;
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
    // The better column's piece would have stood where the column's next piece now falls.
    const int better = m_betterColumn >= 0 ? game.LandingCell(m_betterColumn) : -1;
    for (int cell = 0; cell < game::CellCount; ++cell) {
        const QRectF box(4 + game::ColumnOf(cell) * CellSize + 2,
                         4 + game::RowOf(cell) * CellSize + 2, CellSize - 4, CellSize - 4);
        const std::int16_t value = game.Board()[cell];
        painter.setPen(cell == last     ? QPen(Qt::white, 2)
                       : cell == better ? QPen(BetterGreen, 3)
                                        : Qt::NoPen);
        painter.setBrush(value == 1 ? Yellow : value == 2 ? Red : QColor(Qt::black));
        painter.drawEllipse(box);
    }
}

ValueGraph::ValueGraph(QWidget* parent)
    : QWidget(parent) {
    setMinimumSize(200, 140);
}

void ValueGraph::setReviews(const std::vector<game::MoveReview>& reviews, int moves,
                            std::optional<int> computerPlayer) {
    m_reviews = reviews;
    m_moves = moves;
    m_computerPlayer = computerPlayer;
    update();
}

void ValueGraph::setCurrent(int move) {
    m_current = move;
    update();
}

QRectF ValueGraph::plotArea() const {
    const QFontMetricsF metrics(font());
    const double left = metrics.horizontalAdvance(MovesAxisLabel()) + 10;
    const double top = metrics.height() + 6;               // the legend
    const double bottom = height() - metrics.height() - 6; // the move numbers
    return QRectF(QPointF(left, top), QPointF(width() - 8, bottom));
}

// Point 0 is the empty board; point n, the board after move n.
double ValueGraph::xOf(int point) const {
    const QRectF area = plotArea();
    return area.left() + area.width() * (m_moves > 0 ? double(point) / m_moves : 0);
}

double ValueGraph::yOf(int value) const {
    const QRectF area = plotArea();
    return area.center().y() - heightOf(value) * area.height() / 2;
}

QPolygonF ValueGraph::points() const {
    QPolygonF line;
    if (m_reviews.empty() || m_reviews.front().verdict == game::Verdict::AfterLine)
        return line;
    line << QPointF(xOf(0), yOf(viewer() == 0 ? m_reviews.front().valueBefore
                                              : -m_reviews.front().valueBefore));
    for (std::size_t move = 0; move < m_reviews.size(); ++move) {
        if (m_reviews[move].verdict == game::Verdict::AfterLine)
            break;
        line << QPointF(xOf(int(move) + 1), yOf(valueFor(viewer(), m_reviews[move])));
    }
    return line;
}

// Each half in the colour of the side it wins for, named in its corner; the draw line between;
// the move numbers below.
void ValueGraph::drawAxes(QPainter& painter) const {
    const QRectF area = plotArea();
    const double middle = area.center().y();
    const QColor paleYellow(255, 248, 190), paleRed(255, 214, 214);
    const int other = 1 - viewer();
    painter.fillRect(QRectF(area.topLeft(), QPointF(area.right(), middle)),
                     viewer() == 0 ? paleYellow : paleRed);
    painter.fillRect(QRectF(QPointF(area.left(), middle), area.bottomRight()),
                     other == 0 ? paleYellow : paleRed);
    painter.setPen(Qt::black);
    const QRectF inside = area.adjusted(4, 2, -4, -2);
    painter.drawText(inside, Qt::AlignLeft | Qt::AlignTop, WinnerLabel(viewer(), m_computerPlayer));
    painter.drawText(inside, Qt::AlignLeft | Qt::AlignBottom, WinnerLabel(other, m_computerPlayer));
    painter.drawText(QRectF(area.left() - 4 - area.left(), middle - 20, area.left(), 40),
                     Qt::AlignRight | Qt::AlignVCenter, DrawLabel());
    painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    painter.drawLine(QPointF(area.left(), middle), QPointF(area.right(), middle));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    const QFontMetricsF metrics(font());
    const QRectF numbers(0, area.bottom() + 2, width(), metrics.height() + 4);
    painter.drawText(numbers.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     MovesAxisLabel());
    const int step = m_moves <= 12 ? 1 : m_moves <= 30 ? 5 : 10;
    for (int point = step; point <= m_moves; point += step) {
        const double x = xOf(point);
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 3));
        painter.drawText(QRectF(x - 15, numbers.top(), 30, numbers.height()), Qt::AlignCenter,
                         QString::number(point));
    }
}

// A ring for an error, a disk for a blunder, named above the graph.
void ValueGraph::drawLegend(QPainter& painter) const {
    const QFontMetricsF metrics(font());
    const double middle = (metrics.height() + 6) / 2;
    double x = plotArea().left();
    for (const bool blunder : {false, true}) {
        painter.setPen(QPen(Red, 2));
        painter.setBrush(blunder ? QBrush(Red) : Qt::NoBrush);
        painter.drawEllipse(QPointF(x + 5, middle), 5, 5);
        painter.setPen(Qt::black);
        const QString name = blunder ? BlunderLabel() : ErrorLabel();
        painter.drawText(QPointF(x + 14, middle + metrics.ascent() / 2 - 1), name);
        x += 14 + metrics.horizontalAdvance(name) + 16;
    }
}

void ValueGraph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    drawAxes(painter);
    drawLegend(painter);
    if (m_current >= 0) {
        const QRectF area = plotArea();
        painter.setPen(QPen(Qt::darkGray, 1));
        painter.drawLine(QPointF(xOf(m_current + 1), area.top()),
                         QPointF(xOf(m_current + 1), area.bottom()));
    }
    const QPolygonF line = points();
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
    const double step = plotArea().width() / m_moves;
    const int point = int(std::lround((event->position().x() - plotArea().left()) / step));
    Q_EMIT moveClicked(std::clamp(point, 1, m_moves) - 1);
}

void ValueGraph::keyPressEvent(QKeyEvent* event) {
    int move = m_current;
    switch (event->key()) {
    case Qt::Key_Left:
        --move;
        break;
    case Qt::Key_Right:
        ++move;
        break;
    case Qt::Key_Home:
        move = 0;
        break;
    case Qt::Key_End:
        move = m_moves - 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (m_moves > 0)
        Q_EMIT moveClicked(std::clamp(move, 0, m_moves - 1));
}

} // namespace quatrelle::analysis

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis_window.h"

#include "review_texts.h"
#include "runtime/accessible_window.h"
#include "runtime/announcer.h"
#include "runtime/window_placement.h"

#include <QAction>
#include <QBoxLayout>
#include <QKeyEvent>
#include <algorithm>

namespace quatrelle::analysis {

namespace {

constexpr QSize WantedSize(640, 360);

} // namespace

AnalysisWindow::AnalysisWindow(QWidget* parent)
    : QDialog(parent)
    , m_body(new QBoxLayout(QBoxLayout::LeftToRight))
    , m_pictures(new QBoxLayout(QBoxLayout::TopToBottom))
    , m_announcer(&runtime::Announcer::in(parent ? *parent->window() : *this)) {
    setWindowTitle(tr("Analyse de la partie - Quatrelle"));
    m_summary.setWordWrap(true);
    // Named for what it is: a screen reader reads the text of a dialog's unnamed labels as it
    // opens, after its description, which says the summary already.
    m_summary.setAccessibleName(tr("Résumé"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(&m_summary);
    m_body->addWidget(&m_list, 1);
    m_pictures->addWidget(&m_board);
    m_pictures->addWidget(&m_graph, 1);
    m_body->addLayout(m_pictures);
    layout->addLayout(m_body, 1);
    m_list.setAccessibleName(tr("Coups", "the list of the moves played"));
    m_list.setWordWrap(true);
    m_list.setMinimumSize(120, 60);
    m_list.installEventFilter(this);
    for (QWidget* picture : {static_cast<QWidget*>(&m_board), static_cast<QWidget*>(&m_graph)})
        picture->setFocusPolicy(Qt::TabFocus);
    resize(WantedSize);
    runtime::ExposeAsWindow(*this, QAccessible::Dialog);
    connect(&m_list, &QListWidget::currentRowChanged, this, &AnalysisWindow::select);
    m_showTimer.setSingleShot(true);
    m_showTimer.setInterval(ShowWithin);
    connect(&m_showTimer, &QTimer::timeout, this, &AnalysisWindow::showReview);
    connect(&m_graph, &ValueGraph::moveClicked, this,
            [this](int move) { m_list.setCurrentRow(move); });
    // R says the summary again, wherever the focus is in the window; a shortcut, since the
    // list would take the letter to search its lines.
    auto* repeat = new QAction(this);
    repeat->setShortcut(Qt::Key_R);
    connect(repeat, &QAction::triggered, this, [this] { m_announcer->announce(m_summary.text()); });
    addAction(repeat);
}

void AnalysisWindow::setBoardReader(std::function<QString(const game::Game&)> reader) {
    m_boardReader = std::move(reader);
}

void AnalysisWindow::analyse(std::vector<int> columns, std::optional<int> computerPlayer) {
    const bool sameSides = m_computerPlayer == computerPlayer;
    m_computerPlayer = computerPlayer;
    m_following = false;
    std::vector<game::MoveReview> known =
        sameSides ? knownReviews(columns) : std::vector<game::MoveReview>();
    // Started first: a review whose moves are all known finishes within review(), and must find
    // the window about to open rather than say its summary over it.
    m_showTimer.start();
    review(std::move(columns), std::move(known));
}

void AnalysisWindow::follow(std::vector<int> columns) {
    if (!isVisible() || !m_review || columns == m_review->columns())
        return;
    m_following = true;
    std::vector<game::MoveReview> known = knownReviews(columns);
    review(std::move(columns), std::move(known));
}

// A move's review depends only on the moves before it: those that the game under review shares
// with the one reviewed last keep theirs.
std::vector<game::MoveReview> AnalysisWindow::knownReviews(const std::vector<int>& columns) const {
    if (!m_review)
        return {};
    const std::vector<int>& before = m_review->columns();
    const auto shared = std::mismatch(before.begin(), before.end(), columns.begin(), columns.end());
    const std::size_t kept =
        std::min(std::size_t(shared.first - before.begin()), m_review->reviews().size());
    return {m_review->reviews().begin(), m_review->reviews().begin() + std::ptrdiff_t(kept)};
}

void AnalysisWindow::review(std::vector<int> columns, std::vector<game::MoveReview> known) {
    m_review = std::make_unique<match::GameReview>(std::move(columns), std::move(known));
    connect(m_review.get(), &match::GameReview::reviewed, this, &AnalysisWindow::reviewed);
    connect(m_review.get(), &match::GameReview::finished, this, &AnalysisWindow::finished);
    // A hidden window is filled as it opens: a screen reader that reads a hidden window's
    // description keeps it, and would read a stale one when the window opens.
    if (isVisible())
        fill();
    m_review->start();
}

// Everything the window shows, from the review as far as it has come.
void AnalysisWindow::fill() {
    m_list.clear();
    for (std::size_t move = 0; move < m_review->columns().size(); ++move)
        m_list.addItem(lineOf(move));
    describe(m_review->isFinished() ? summaryText() : tr("Analyse en cours…"));
    drawGraph();
    m_list.setCurrentRow(m_list.count() - 1);
    if (m_list.count() == 0)
        select(-1);
}

// A move's line, with its review once there is one.
QString AnalysisWindow::lineOf(std::size_t move) const {
    const std::vector<game::MoveReview>& reviews = m_review->reviews();
    return MoveLine(int(move), m_review->columns()[move], m_computerPlayer,
                    move < reviews.size() ? std::optional(reviews[move]) : std::nullopt);
}

void AnalysisWindow::drawGraph() {
    const std::vector<game::MoveReview>& reviews = m_review->reviews();
    m_graph.setReviews(reviews, m_list.count(), m_computerPlayer);
    m_graph.setAccessibleDescription(GraphText(reviews, m_graph.viewer(), m_computerPlayer));
}

QString AnalysisWindow::summaryText() const {
    return m_review->columns().empty()
               ? tr("La grille est vide.")
               : SummaryText(game::Summarise(m_review->reviews()), m_computerPlayer);
}

// A screen reader reads a window's description with its title as the window opens, and with it
// where the list of moves, which has the focus then, stands.
void AnalysisWindow::describe(const QString& summary) {
    m_summary.setText(summary);
    setAccessibleDescription(
        m_list.count() == 0
            ? summary
            : summary + u' ' +
                  tr("La liste s'ouvre sur le coup %1, le dernier.", "%1 is the last move's number")
                      .arg(m_list.count()));
}

// The list's ends say that they are the ends: a key that moves nowhere would say nothing.
bool AnalysisWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_list && event->type() == QEvent::KeyPress && m_list.count() > 0) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int row = m_list.currentRow();
        if (row == m_list.count() - 1 &&
            (key == Qt::Key_Down || key == Qt::Key_End || key == Qt::Key_PageDown))
            m_announcer->announce(tr("Dernier coup de la partie."));
        else if (row == 0 && (key == Qt::Key_Up || key == Qt::Key_Home || key == Qt::Key_PageUp))
            m_announcer->announce(tr("Premier coup de la partie."));
    }
    return QDialog::eventFilter(watched, event);
}

// The list, first in the window's focus chain, takes the focus as the window becomes active: a
// screen reader presents the window with its summary, then the list.
void AnalysisWindow::showReview() {
    m_showTimer.stop();
    fill();
    show();
    raise();
    activateWindow();
}

void AnalysisWindow::reviewed(int move) {
    if (!isVisible())
        return; // filled as it opens
    m_list.item(move)->setText(lineOf(std::size_t(move)));
    drawGraph();
    if (move == m_list.currentRow())
        select(move); // its better column is known now
}

void AnalysisWindow::finished() {
    if (m_showTimer.isActive()) {
        showReview(); // read whole, its summary with it, as it opens
    } else if (isVisible()) {
        describe(summaryText());
        if (!m_following)
            m_announcer->announce(m_summary.text());
    }
    Q_EMIT done();
}

void AnalysisWindow::select(int move) {
    if (!m_review)
        return;
    const std::vector<game::MoveReview>& reviews = m_review->reviews();
    const int better = move >= 0 && std::size_t(move) < reviews.size()
                           ? reviews[std::size_t(move)].betterColumn
                           : -1;
    m_board.setPosition(m_review->columns(), move + 1, better);
    m_graph.setCurrent(move);
    // A screen reader says the new name of the graph that has the focus.
    m_graph.setAccessibleName(GraphPointText(reviews, move, m_graph.viewer()));
    m_board.setAccessibleName(
        move >= 0 ? tr("Grille après le coup %1", "%1 is the move's number").arg(move + 1)
                  : tr("Grille vide"));
    if (m_boardReader) {
        game::Game game;
        for (int played = 0; played <= move; ++played)
            game.Drop(m_review->columns()[std::size_t(played)]);
        m_board.setAccessibleDescription(m_boardReader(game));
    }
}

// Tall and narrow, the pictures go above the list, side by side if there is room; wide and low,
// everything stands in one row; else the list has the left, the pictures the right. Both low and
// narrow, as beside the board of a small screen at twice the density, the pictures give way to
// the summary and the lines, which say all that they show.
void AnalysisWindow::arrange(QSize size) {
    const bool low = size.height() < 300;
    const bool slim = size.width() < 560;
    const bool narrow = !low && slim;
    const bool cramped = low && slim;
    m_body->setDirection(narrow ? QBoxLayout::BottomToTop : QBoxLayout::LeftToRight);
    m_pictures->setDirection(low || (narrow && size.width() >= 420) ? QBoxLayout::LeftToRight
                                                                    : QBoxLayout::TopToBottom);
    m_board.setVisible(!cramped);
    m_graph.setVisible(!cramped);
}

void AnalysisWindow::placeBeside(const QRect& kept, const QWidget* sibling) {
    const QRect placed = runtime::GeometryBeside(*this, *parentWidget(), kept, WantedSize, sibling);
    arrange(placed.size());
    setGeometry(placed);
}

} // namespace quatrelle::analysis

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis_window.h"

#include "review_texts.h"
#include "runtime/accessible_window.h"
#include "runtime/announcer.h"

#include <QAction>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quatrelle::analysis {

AnalysisWindow::AnalysisWindow(QWidget* parent)
    : QDialog(parent)
    , m_announcer(new runtime::Announcer(this)) {
    setWindowTitle(tr("Analyse de la partie - Quatrelle"));
    m_summary.setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(&m_summary);
    auto* body = new QHBoxLayout;
    body->addWidget(&m_list, 1);
    auto* pictures = new QVBoxLayout;
    pictures->addWidget(&m_board);
    pictures->addWidget(&m_graph, 1);
    body->addLayout(pictures);
    layout->addLayout(body, 1);
    m_list.setAccessibleName(tr("Coups", "the list of the moves played"));
    m_list.setWordWrap(true);
    resize(640, 320);
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

void AnalysisWindow::analyse(std::vector<int> columns, std::optional<int> computerPlayer) {
    m_computerPlayer = computerPlayer;
    m_list.clear();
    for (std::size_t move = 0; move < columns.size(); ++move)
        m_list.addItem(MoveLine(int(move), columns[move], computerPlayer, std::nullopt));
    m_summary.setText(tr("Analyse en cours…"));
    m_review = std::make_unique<match::GameReview>(std::move(columns));
    connect(m_review.get(), &match::GameReview::reviewed, this, &AnalysisWindow::reviewed);
    connect(m_review.get(), &match::GameReview::finished, this, &AnalysisWindow::finished);
    m_graph.setReviews({}, m_list.count(), viewer());
    m_list.setCurrentRow(m_list.count() - 1);
    m_showTimer.start();
    m_review->start();
}

// Against the computer the graph is the player's; between two players, yellow's.
int AnalysisWindow::viewer() const {
    return m_computerPlayer ? 1 - *m_computerPlayer : 0;
}

// The list takes the focus once the window shows: a screen reader that met the focus in a
// hidden window would present it, and never the window with its summary.
void AnalysisWindow::showReview() {
    m_showTimer.stop();
    show();
    raise();
    activateWindow();
    m_list.setFocus();
}

void AnalysisWindow::reviewed(int move) {
    const std::vector<game::MoveReview>& reviews = m_review->reviews();
    m_list.item(move)->setText(MoveLine(move, reviews[std::size_t(move)].column, m_computerPlayer,
                                        reviews[std::size_t(move)]));
    m_graph.setReviews(reviews, m_list.count(), viewer());
}

void AnalysisWindow::finished() {
    const QString summary = SummaryText(game::Summarise(m_review->reviews()), m_computerPlayer);
    m_summary.setText(summary);
    if (m_showTimer.isActive())
        showReview(); // read whole, its summary with it, as it opens
    else
        m_announcer->announce(summary);
    Q_EMIT done();
}

void AnalysisWindow::select(int move) {
    if (move < 0 || !m_review)
        return;
    m_board.setPosition(m_review->columns(), move + 1);
    m_graph.setCurrent(move);
}

} // namespace quatrelle::analysis

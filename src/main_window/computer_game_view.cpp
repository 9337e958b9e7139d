// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "computer_game_view.h"

#include "game/victory.h"
#include "resources/pictures.h"
#include "runtime/window_placement.h"
#include "spoken_texts.h"

#include <QApplication>
#include <QEasingCurve>
#include <algorithm>

namespace quatrelle::main_window {

ComputerGameView::ComputerGameView(QWidget& window, const Controls& cells, match::Match& match,
                                   std::function<void()> redraw)
    : QObject(&window)
    , m_window(window)
    , m_cells(cells)
    , m_match(match)
    , m_redraw(std::move(redraw))
    , m_fallingPiece(&window)
    , m_fall(&m_fallingPiece, "pos") {
    m_fallingPiece.hide();
    m_fallingPiece.setScaledContents(true);
    m_fallingPiece.setAttribute(Qt::WA_TransparentForMouseEvents);
    m_fall.setDuration(FallDuration);
    m_fall.setEasingCurve(QEasingCurve::InQuad); // a piece falls faster and faster
    connect(&m_fall, &QPropertyAnimation::finished, this, &ComputerGameView::landed);
    connect(&match, &match::Match::dropped, this, &ComputerGameView::dropped);
    connect(&match, &match::Match::computerGameOver, this, &ComputerGameView::gameOver);
    connect(&match, &match::Match::takenBack, this, &ComputerGameView::takenBack);
    connect(&match, &match::Match::newGameStarted, this, &ComputerGameView::clearMarks);
}

std::optional<resources::Picture> ComputerGameView::pictureOf(int cell) const {
    if (cell == m_fallingCell)
        return resources::Picture::EmptyCell;
    if (cell != m_computerCell && !m_line.contains(cell))
        return std::nullopt;
    return m_match.game().Board()[cell] == 1 ? resources::Picture::YellowMarked
                                             : resources::Picture::RedMarked;
}

QString ComputerGameView::ResultText(match::Outcome outcome) {
    switch (outcome) {
    case match::Outcome::PlayerWon:
        return tr("Vous avez gagné ! - Sie haben gewonnen !");
    case match::Outcome::ComputerWon:
        return tr("L'ordinateur a gagné ! - Der Computer hat gewonnen !");
    case match::Outcome::Draw:
        return tr("Match nul ! - Unentschieden !");
    }
    return {};
}

// The computer's piece falls from above its column into its cell; the player's own lands at
// once, as between two players, and puts the computer's mark out.
void ComputerGameView::dropped(game::Placement placed, bool byComputer) {
    m_computerCell = -1;
    if (!byComputer)
        return;
    m_fall.stop();
    m_fallingCell = placed.cell;
    const runtime::ImageControl& target = m_cells[placed.cell];
    const runtime::ImageControl& top = m_cells[game::ColumnOf(placed.cell)];
    m_fallingPiece.setPixmap(resources::LoadPicture(
        placed.value == 1 ? resources::Picture::YellowMarked : resources::Picture::RedMarked));
    m_fallingPiece.setGeometry(target.geometry());
    m_fall.setStartValue(top.pos() - QPoint(0, top.height()));
    m_fall.setEndValue(target.pos());
    m_fallingPiece.raise();
    m_fallingPiece.show();
    m_fall.start();
}

void ComputerGameView::landed() {
    m_fallingPiece.hide();
    m_computerCell = std::exchange(m_fallingCell, -1);
    m_redraw();
    if (const std::optional<match::Outcome> outcome = std::exchange(m_pendingResult, std::nullopt))
        showResult(*outcome);
}

void ComputerGameView::gameOver(match::Outcome outcome) {
    Q_EMIT gameEnded(outcome);
    if (m_fallingCell >= 0)
        m_pendingResult = outcome;
    else
        showResult(outcome);
}

// The message, then the line: the player reads who won before seeing where.
void ComputerGameView::showResult(match::Outcome outcome) {
    runtime::CentredMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(),
                                   ResultText(outcome), QMessageBox::Ok, &m_window);
    // The score wraps, where it must, between its words, never inside a count, whatever the
    // language puts between them; a screen reader reads it as it is written.
    const QString score = ScoreText(m_match);
    box.setInformativeText(ScoreText(m_match, true));
    for (QLabel* label : box.findChildren<QLabel*>())
        if (label->text() == box.informativeText())
            label->setAccessibleName(score);
    Q_EMIT resultShowing(&box);
    m_match.hold();
    box.exec();
    m_match.resume();
    const std::vector<int> lines = game::CellsOfLines(m_match.game().Board());
    m_line = QList<int>(lines.begin(), lines.end());
    m_redraw();
    Q_EMIT resultShown(outcome);
}

void ComputerGameView::takenBack() {
    clearMarks();
}

void ComputerGameView::clearMarks() {
    m_fall.stop();
    m_fallingPiece.hide();
    m_fallingCell = m_computerCell = -1;
    m_pendingResult.reset();
    m_line.clear();
    m_redraw();
}

} // namespace quatrelle::main_window

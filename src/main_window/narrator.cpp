// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "narrator.h"

#include "runtime/announcer.h"
#include "spoken_texts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QStringList>

namespace quatrelle::main_window {

namespace {

// A reader's voice says about fifteen characters a second, and starts a moment after the text
// is sent.
constexpr int VoiceCharactersPerSecond = 15;
constexpr int VoiceStartMs = 500;
// A screen reader says an alert's kind and title first: «alerte Quatrelle.»
constexpr int AlertHeadingMs = 1200;

// A screen reader announces every change of a name: one that did not change stays quiet, so
// that a new game does not bury its announcement under forty-two renamings.
void rename(QWidget& control, const QString& name) {
    if (control.accessibleName() != name)
        control.setAccessibleName(name);
}

} // namespace

Narrator::Narrator(QWidget& window, Controls& cells, Controls& arrows, const match::Match& match)
    : QObject(&window)
    , m_window(window)
    , m_cells(cells)
    , m_arrows(arrows)
    , m_match(match)
    , m_announcer(&runtime::Announcer::in(window)) {
    connect(&match, &match::Match::dropped, this, &Narrator::dropped);
    connect(&match, &match::Match::refused, this, &Narrator::refused);
    connect(&match, &match::Match::takenBack, this, &Narrator::takenBack);
    connect(&match, &match::Match::newGameStarted, this, &Narrator::newGameStarted);
    connect(&match, &match::Match::gameGivenUp, this, &Narrator::gameGivenUp);
    // Every key cuts what a screen reader is saying, whichever window has it.
    qApp->installEventFilter(this);
    connect(&match, &match::Match::hintChanged, this, &Narrator::hintChanged);
    m_opponent = match.computerPlayer();
    // The window's description says who plays at start, and the computer's opening waits for
    // the window to be read.
    describeBoard();
}

void Narrator::dropped(game::Placement placed, bool byComputer) {
    describeCell(placed.cell);
    describeColumn(game::ColumnOf(placed.cell));
    describeWindow();
    const game::Game& game = m_match.game();
    if (!m_match.computerPlayer()) {
        // Whose turn it is is said only when it is news. Once a line stands the win message
        // comes next, and says the drop with it.
        const QString drop = DropAnnouncement(placed);
        if (m_match.lineStands()) {
            addPending(drop);
            return;
        }
        // Whose turn it is is no news to carry: the next drop says it again.
        announce(game.IsFull() ? drop + u' ' + FullBoardDescription()
                               : drop + u' ' + TurnAnnouncement(turnText()),
                 drop);
        return;
    }
    if (!byComputer) {
        // Said with the reply, after it; or with the result.
        addPending(PlayerMoveText(placed.cell));
        return;
    }
    const QString reply = ComputerMoveText(placed.cell);
    // The new game's heading, when the computer opens, comes before its move.
    const bool opening = game.MoveCount() == 1;
    if (opening)
        addPending(reply);
    else
        m_pending = m_pending.isEmpty() ? reply : reply + u' ' + m_pending;
    if (m_match.outcome())
        return; // the result's message says the end
    if (opening)
        addPending(BriefYourTurnAnnouncement());
    const QString said = std::exchange(m_pending, QString());
    announce(said, said);
}

void Narrator::keepSaying(const QString& news, int saidAfterMs) {
    m_news = news;
    m_newsSaidBy.setRemainingTime(VoiceStartMs + saidAfterMs +
                                  1000 * static_cast<int>(news.size()) / VoiceCharactersPerSecond);
}

// Decided as the key is pressed, whatever the key does: one that only moves the focus has the
// screen reader say where it went, over the news.
void Narrator::keyPressed() {
    if (isSayingNews())
        m_cutNews = m_news;
    m_news.clear();
}

// What a key cut, or the news that a voice is still saying, which the next announcement cuts
// as it appears: it is said again in front, once.
QString Narrator::takeCutNews() {
    QString cut = std::exchange(m_cutNews, QString());
    if (cut.isEmpty() && isSayingNews())
        cut = m_news;
    m_news.clear();
    return cut;
}

void Narrator::forgetNews() {
    m_news.clear();
    m_cutNews.clear();
}

bool Narrator::eventFilter(QObject* watched, QEvent* event) {
    // A key reaches the application first as a shortcut's question, then as a key press, to one
    // widget after another: the first of them decides, the others find no news left to cut.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)
        keyPressed();
    // R in a result's message says it again.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_R) {
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            m_cutNews.clear();
            runtime::Announcer::in(*box).announce(m_lastAnnouncement);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

// The result's message follows, and says the last moves.
void Narrator::gameOver() {
    describeWindow();
}

void Narrator::nameResult(QMessageBox* box) {
    const QString moves = std::exchange(m_pending, QString());
    QString said = box->text();
    for (const QString& sentence : {takeCutNews(), moves})
        if (!sentence.isEmpty())
            said += u' ' + sentence;
    // Its news line made now, before the box shows, so that R later adds nothing to a box
    // that a screen reader has already read.
    runtime::Announcer::in(*box);
    box->installEventFilter(this);
    // The box shows its text in a label of its own, which is what a screen reader reads; the
    // score of a game against the computer, which it reads from the box's other label, R says
    // too, then and later.
    for (QLabel* label : box->findChildren<QLabel*>()) {
        if (label->text() == box->text()) {
            label->setAccessibleName(said);
            break;
        }
    }
    m_lastAnnouncement = m_match.computerPlayer() ? said + u' ' + ScoreText(m_match) + u'.' : said;
    // A key pressed while the alert is still said has the result said again.
    keepSaying(said, AlertHeadingMs);
}

void Narrator::refused(match::Refusal why, int where) {
    // That the computer is still choosing is old news once it has played: it is not carried.
    const QString refusal = RefusalAnnouncement(why, where);
    const bool whileThinking =
        why == match::Refusal::ComputerThinking || why == match::Refusal::HintWhileThinking;
    announce(refusal, whileThinking ? QString() : refusal);
}

void Narrator::takenBack(const QList<game::Placement>& taken) {
    m_pending.clear();
    forgetNews();
    for (const game::Placement& placed : taken) {
        describeCell(placed.cell);
        describeColumn(game::ColumnOf(placed.cell));
    }
    describeWindow();
    const std::optional<int> computer = m_match.computerPlayer();
    announce(TakeBackAnnouncement(taken, computer) + u' ' +
             (computer ? BriefYourTurnAnnouncement() : TurnAnnouncement(turnText())));
}

// «Nouveau jeu» gives a game against the computer up in one click: the new game says so first.
void Narrator::gameGivenUp(game::Level level) {
    m_givenUp = GivenUpAnnouncement(level);
}

void Narrator::newGameStarted() {
    const bool opponentChanged = std::exchange(m_opponent, m_match.computerPlayer()) != m_opponent;
    m_pending = std::exchange(m_givenUp, QString());
    forgetNews();
    describeBoard();
    if (!m_opponent) {
        addPending(NewGameAnnouncement(turnText(), opponentChanged));
        announce(std::exchange(m_pending, QString()));
        return;
    }
    // A screen reader does not read the window's description again as the menu or a question
    // closes: the announcement says who plays.
    addPending(NewComputerGameAnnouncement(*m_opponent, m_match.level()));
    // A computer that opens is heard with its first move.
    if (!m_match.computerToMove()) {
        addPending(YourTurnAnnouncement());
        announce(std::exchange(m_pending, QString()));
    }
}

void Narrator::hintChanged(std::optional<int> column) {
    if (!column) {
        describeWindow();
        return;
    }
    m_window.setAccessibleDescription(HintDescription(*column));
    announce(HintDescription(*column) + u'.');
}

// The board and the last announcement say where the computer played: nothing is carried.
void Narrator::readBoard() {
    forgetNews();
    m_announcer->announce(BoardAnnouncement(m_match.game()));
}

void Narrator::repeat() {
    forgetNews();
    m_announcer->announce(m_lastAnnouncement.isEmpty() ? m_window.accessibleDescription()
                                                       : m_lastAnnouncement);
}

void Narrator::scoreReset() {
    describeWindow();
    announce(ScoreResetAnnouncement());
}

void Narrator::hintPutOut() {
    announce(HintPutOutAnnouncement());
}

void Narrator::nothingToAnalyse() {
    announce(NothingToAnalyseAnnouncement());
}

void Narrator::announce(const QString& text, const QString& news) {
    QString cut = takeCutNews();
    if (text.startsWith(cut))
        cut.clear(); // said again whole all the same
    m_lastAnnouncement = cut.isEmpty() ? text : cut + u' ' + text;
    m_announcer->announce(m_lastAnnouncement);
    // What was carried is said now, and not carried again: the news is this one's, heard after
    // what comes before it.
    if (!news.isEmpty())
        keepSaying(news, 1000 * int(m_lastAnnouncement.indexOf(news)) / VoiceCharactersPerSecond);
}

void Narrator::addPending(const QString& sentence) {
    if (!m_pending.isEmpty())
        m_pending += u' ';
    m_pending += sentence;
}

void Narrator::describeCell(int cell) {
    rename(m_cells[cell], CellName(cell, m_match.game().Board()[cell]));
}

void Narrator::describeColumn(int column) {
    rename(m_arrows[column], ColumnName(m_match.game(), column));
}

void Narrator::describeBoard() {
    for (int cell = 0; cell < game::CellCount; ++cell)
        describeCell(cell);
    for (int column = 0; column < game::Columns; ++column)
        describeColumn(column);
    describeWindow();
}

// Read with the window, as when it becomes active; moves are announced as they happen.
void Narrator::describeWindow() {
    if (m_match.hint())
        return; // the hint's description stands until its light goes out
    const std::optional<int> computer = m_match.computerPlayer();
    const game::Game& game = m_match.game();
    QString description;
    if (!computer) {
        description = game.IsFull() ? FullBoardDescription() : turnText();
    } else if (const std::optional<match::Outcome> outcome = m_match.outcome()) {
        description = GameOverDescription(*outcome, game.CellOfMove(game.MoveCount() - 1));
    } else {
        // Short enough to hear whole on every return to the window: the computer's last move
        // and whose turn it is; the score is behind R once a game ends, the board behind B.
        // Who plays is said until both sides have moved, so that a screen reader slow to come
        // to the window, as on a loaded machine, still hears it after the computer's opening.
        QStringList parts;
        if (game.MoveCount() < 2)
            parts << OpponentDescription(*computer, m_match.level());
        if (const std::optional<int> lastOfComputer = game.LastMoveOf(*computer))
            parts << ComputerMoveText(game.CellOfMove(*lastOfComputer));
        parts << (m_match.computerToMove() ? ComputerThinkingAnnouncement()
                                           : YourTurnAnnouncement());
        description = parts.join(u' ');
    }
    if (m_window.accessibleDescription() != description)
        m_window.setAccessibleDescription(description);
}

QString Narrator::turnText() const {
    return TurnDescription(m_match.game().CurrentPlayer());
}

} // namespace quatrelle::main_window

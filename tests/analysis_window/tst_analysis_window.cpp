// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis_window/analysis_window.h"
#include "main_window/side_windows.h"
#include "runtime/announcer.h"
#include "support/window_tests.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace quatrelle;
using analysis::AnalysisWindow;

namespace {

// Yellow lays 4, 5, 6 along the bottom under red's pieces: red's second piece on 5 lets yellow
// open both ends, and yellow's 7 makes the line; red's 1 comes after it, as two players may go on.
const std::vector<int> LineThenOneMore{3, 3, 4, 4, 5, 5, 6, 0};

QStringList linesOf(const AnalysisWindow& window) {
    QStringList lines;
    for (int row = 0; row < window.moveList().count(); ++row)
        lines.append(window.moveList().item(row)->text());
    return lines;
}

} // namespace

class TestAnalysisWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        const QString problem = testing::prepareWindowTests();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    void aKnownGameReadsFromItsLinesAndItsGraph_data();
    void aKnownGameReadsFromItsLinesAndItsGraph();
    void theWindowFollowsTheGame();
    void neverCoversTheBoard();
};

void TestAnalysisWindow::aKnownGameReadsFromItsLinesAndItsGraph_data() {
    QTest::addColumn<std::optional<int>>("computerPlayer");
    QTest::addColumn<QString>("lastMoves");
    QTest::addColumn<bool>("viewerWon");
    QTest::addColumn<QString>("graphSays");
    QTest::addColumn<QString>("summary");
    QTest::newRow("two players, drawn for yellow")
        << std::optional<int>()
        << QStringLiteral("Coup 6, rouge, colonne 6 : perdant en 1 coup "
                          "de jaune ; bon coup.|Coup 7, jaune, colonne 7 "
                          ": gagnant en 1 coup de jaune ; quatre en ligne.")
        << true << QStringLiteral("Valeur pour jaune : nul au départ, gagné au coup 4.")
        << QStringLiteral("Jaune : 0 erreur, 0 gaffe. Rouge : 1 erreur, 0 gaffe, la première au "
                          "coup 4. La partie s'est jouée au coup 4.");
    // The computer played yellow: the graph is the player's, red's, and shows the loss.
    QTest::newRow("against the computer as yellow, drawn for the player")
        << std::optional<int>(0)
        << QStringLiteral("Coup 6, vous, colonne 6 : perdant en 1 coup de l'ordinateur ; bon coup."
                          "|Coup 7, l'ordinateur, colonne 7 : gagnant en 1 coup de l'ordinateur ; "
                          "quatre en ligne.")
        << false << QStringLiteral("Valeur pour vous : nul au départ, perdu au coup 4.")
        << QStringLiteral("L'ordinateur : 0 erreur, 0 gaffe. Vous : 1 erreur, 0 gaffe, la "
                          "première au coup 4. La partie s'est jouée au coup 4.");
}

// What a player reads: each move's line, the graph's points on the side of the player they are
// drawn for, the graph in words, and the small board read as the game's window reads a board.
void TestAnalysisWindow::aKnownGameReadsFromItsLinesAndItsGraph() {
    QFETCH(std::optional<int>, computerPlayer);
    QFETCH(QString, lastMoves);
    QFETCH(bool, viewerWon);
    QFETCH(QString, graphSays);
    QFETCH(QString, summary);
    QWidget parent;
    AnalysisWindow window(&parent);
    window.setBoardReader(
        [](const game::Game& game) { return QStringLiteral("%1 pieces").arg(game.MoveCount()); });
    QSignalSpy done(&window, &AnalysisWindow::done);
    window.analyse(LineThenOneMore, computerPlayer);
    // Nothing changes in a window still hidden: a screen reader keeps what it read there.
    QCOMPARE(window.accessibleDescription(), QString());
    QVERIFY(done.wait(20000));
    QCOMPARE(window.accessibleDescription(),
             summary + QStringLiteral(" La liste s'ouvre sur le coup 8, le dernier."));
    const QStringList lines = linesOf(window);
    QCOMPARE(lines.size(), 8);
    QCOMPARE(window.findChild<QLabel*>()->text(), summary);
    QCOMPARE(lines.mid(5, 2).join(u'|'), lastMoves);
    QVERIFY2(lines[7].endsWith(QStringLiteral(" : après la ligne, la partie était jouée.")),
             qPrintable(lines[7]));

    const QPolygonF points = window.graph().points();
    QCOMPARE(points.size(), 8); // the empty board and the moves up to the line
    const double middle = window.graph().plotArea().center().y();
    QCOMPARE(points.last().y() < middle, viewerWon);
    QCOMPARE(window.graph().accessibleDescription(), graphSays);
    QCOMPARE(window.smallBoard().accessibleName(), QStringLiteral("Grille après le coup 8"));
    QCOMPARE(window.smallBoard().accessibleDescription(), QStringLiteral("8 pieces"));
}

// A move played while the window is open adds its line and its point; a take-back removes them,
// and the moves before keep their reviews. The graph walks the moves from the keyboard.
void TestAnalysisWindow::theWindowFollowsTheGame() {
    QWidget parent;
    AnalysisWindow window(&parent);
    const std::vector<int> opening(LineThenOneMore.begin(), LineThenOneMore.begin() + 5);
    window.analyse(opening, std::nullopt);
    QTRY_VERIFY_WITH_TIMEOUT(window.isDone() && window.isVisible(), 20000);
    const QStringList before = linesOf(window);
    std::vector<int> played = opening;
    played.push_back(5);
    window.follow(played);
    QTRY_VERIFY_WITH_TIMEOUT(window.isDone(), 20000);
    QCOMPARE(linesOf(window).mid(0, 5), before);
    QCOMPARE(linesOf(window)[5], QStringLiteral("Coup 6, rouge, colonne 6 : perdant en 1 coup de "
                                                "jaune ; bon coup."));
    QCOMPARE(window.graph().points().size(), 7);
    QCOMPARE(window.moveList().currentRow(), 5);
    // From the keyboard, the graph chooses the move before, and names it with its value.
    QTest::keyClick(window.findChild<analysis::ValueGraph*>(), Qt::Key_Left);
    QCOMPARE(window.moveList().currentRow(), 4);
    QCOMPARE(window.graph().accessibleName(),
             QStringLiteral("Graphique de la valeur, coup 5 : gagné"));
    window.follow(opening);
    QTRY_VERIFY_WITH_TIMEOUT(window.isDone(), 20000);
    QCOMPARE(linesOf(window), before);
    QCOMPARE(window.graph().points().size(), 6);

    // Opened for a game, it follows the game's own drops and take-backs.
    match::Match match;
    QWidget game;
    QRect board(QPoint(), QSize(100, 100));
    board.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
    main_window::SideWindows sideWindows(game, match, [board] { return board; });
    for (const int column : opening)
        match.drop(column);
    sideWindows.showAnalysis();
    auto* opened = game.findChild<AnalysisWindow*>();
    QVERIFY(opened);
    QTRY_VERIFY_WITH_TIMEOUT(opened->isDone() && opened->isVisible(), 20000);
    QVERIFY(!opened->frameGeometry().intersects(board));
    match.drop(5);
    QTRY_COMPARE(opened->moveList().count(), 6);
    // Following the game, it says nothing over it: its summary waits for R.
    QTRY_VERIFY_WITH_TIMEOUT(opened->isDone(), 20000);
    const auto* news = game.findChild<runtime::Announcer*>();
    QVERIFY(!news || news->findChild<QWidget*>()->accessibleName() != opened->summary());
    match.takeBack();
    QTRY_VERIFY_WITH_TIMEOUT(opened->isDone() && opened->moveList().count() == 5, 20000);
    QCOMPARE(linesOf(*opened), before);
    // Asked again while open, it reviews anew where the player has put it.
    const QPoint putThere = opened->pos() + QPoint(7, 5);
    opened->move(putThere);
    sideWindows.showAnalysis();
    QTRY_VERIFY_WITH_TIMEOUT(opened->isDone(), 20000);
    QCOMPARE(opened->pos(), putThere);
}

// Beside the board of a centred game window, smaller where the screen leaves only a strip: run
// again on a small screen at twice the density, where the strip is both low and narrow.
void TestAnalysisWindow::neverCoversTheBoard() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget parent;
    QRect game(QPoint(), QSize(403, 275));
    game.moveCenter(screen.center());
    parent.setGeometry(game);
    const QRect board = game.adjusted(100, 16, -25, -20);
    AnalysisWindow window(&parent);
    window.placeBeside(board);
    window.analyse(LineThenOneMore, std::nullopt);
    QTRY_VERIFY_WITH_TIMEOUT(window.isDone() && window.isVisible(), 20000);
    QVERIFY(screen.contains(window.geometry()));
    QVERIFY(!window.geometry().intersects(board));
}

QTEST_MAIN(TestAnalysisWindow)
#include "tst_analysis_window.moc"

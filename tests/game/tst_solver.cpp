// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/analysis.h"
#include "game/board.h"
#include "game/levels.h"
#include "game/move_string.h"
#include "game/opening_table.h"
#include "game/solver.h"
#include "game/victory.h"

#include <QMap>
#include <QTest>
#include <algorithm>
#include <random>

using namespace quatrelle::game;
using namespace quatrelle::testing;

namespace {

constexpr int Unknown = -100;

// The plain exhaustive search that the solver must agree with: every move to the end, on the
// game's own board and line scan. A win with the next piece, with m pieces down, scores
// (36 - m) / 2, as the solver counts.
int referenceScore(const Game& game) {
    int best = Unknown;
    for (int column = 0; column < Columns; ++column) {
        Game next = game;
        if (!next.Drop(column))
            continue;
        int score = 0;
        if (FindWinningLine(next.Board()))
            score = (CellCount + 1 - game.MoveCount()) / 2;
        else if (next.MoveCount() < CellCount)
            score = -referenceScore(next);
        best = std::max(best, score);
    }
    return best;
}

// A random game of the given length with no line on the board; nullopt when one formed.
std::optional<Game> randomGame(std::mt19937& random, int moves) {
    Game game;
    while (game.MoveCount() < moves) {
        game.Drop(static_cast<int>(random() % Columns));
        if (FindWinningLine(game.Board()))
            return std::nullopt;
    }
    return game;
}

// The solver's score of one move, from the mover's view.
int scoreOfMove(Solver& solver, const Position& position, int column) {
    Position after = position;
    after.Play(column);
    if (Position::IsLine(after.Current() ^ after.Mask()))
        return Solver::WinNextScore(position);
    return -solver.Solve(after);
}

std::vector<int> referenceBest(const Game& game) {
    std::vector<int> scores(Columns, Unknown);
    for (int column = 0; column < Columns; ++column) {
        Game next = game;
        if (!next.Drop(column))
            continue;
        if (FindWinningLine(next.Board()))
            scores[column] = (CellCount + 1 - game.MoveCount()) / 2;
        else
            scores[column] = next.MoveCount() < CellCount ? -referenceScore(next) : 0;
    }
    const int best = *std::max_element(scores.begin(), scores.end());
    std::vector<int> columns;
    for (int column = 0; column < Columns; ++column)
        if (scores[column] == best)
            columns.push_back(column);
    return columns;
}

std::vector<int> columnsOf(const Game& game) {
    std::vector<int> columns;
    for (int move = 0; move < game.MoveCount(); ++move)
        columns.push_back(ColumnOf(game.CellOfMove(move)));
    return columns;
}

// What a move did, by the exhaustive search: its value for the mover before and after it.
std::pair<int, int> referenceValues(const Game& game, int column) {
    Game next = game;
    next.Drop(column);
    if (FindWinningLine(next.Board()))
        return {referenceScore(game), (CellCount + 1 - game.MoveCount()) / 2};
    return {referenceScore(game), next.MoveCount() < CellCount ? -referenceScore(next) : 0};
}

// The names of the verdicts, as the rows of the tests give them; an error is told apart by
// what it threw away.
QString verdictName(Verdict verdict, int before) {
    switch (verdict) {
    case Verdict::Best:
        return QStringLiteral("kept");
    case Verdict::SlowerWin:
        return QStringLiteral("slower win");
    case Verdict::FasterLoss:
        return QStringLiteral("faster loss");
    case Verdict::Error:
        return before > 0 ? QStringLiteral("win to draw") : QStringLiteral("draw to loss");
    case Verdict::Blunder:
        return QStringLiteral("win to loss");
    case Verdict::AfterLine:
        return QStringLiteral("after the line");
    }
    return {};
}

// The verdict a move earns by its values, as a player reads them.
QString expectedVerdict(int before, int after) {
    if (after == before)
        return QStringLiteral("kept");
    if (before > 0)
        return after > 0    ? QStringLiteral("slower win")
               : after == 0 ? QStringLiteral("win to draw")
                            : QStringLiteral("win to loss");
    return before == 0 ? QStringLiteral("draw to loss") : QStringLiteral("faster loss");
}

} // namespace

class TestSolver : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void agreesWithExhaustiveSearchNearTheEnd();
    void knownPositions_data();
    void knownPositions();
    void reviewsKnownGames_data();
    void reviewsKnownGames();
    void aPerfectGameHasNoError();
    void openingTableHoldsWhatTheSolverFinds();
    void searchesThatMeetTheTableAgreeWithThoseThatDoNot();
    void levelsCompleteTheirLineAndStopTheOpponents_data();
    void levelsCompleteTheirLineAndStopTheOpponents();
    void plainMoveOnceALineStands();
};

// Outcome and distance, for the position and for every move, on thousands of positions; with
// the opening table too, whose entries may stand in for a search.
void TestSolver::agreesWithExhaustiveSearchNearTheEnd() {
    std::mt19937 random(20261207);
    Solver plain;
    Solver withTable(&OpeningTable::BuiltIn());
    int checked = 0;
    int wins = 0;
    int losses = 0;
    QMap<QString, int> verdicts; // of a random move, reviewed
    while (checked < 3000) {
        const int empty = 4 + checked % 7;
        const auto game = randomGame(random, CellCount - empty);
        if (!game)
            continue;
        ++checked;
        const Position position = Position::FromGame(*game);
        const int expected = referenceScore(*game);
        QCOMPARE(plain.Solve(position), expected);
        wins += expected > 0;
        losses += expected < 0;
        const std::vector<int> best = referenceBest(*game);
        QCOMPARE(plain.BestColumns(position), best);
        QCOMPARE(withTable.BestColumns(position), best);
        const int column = best[random() % best.size()];
        QCOMPARE(scoreOfMove(plain, position, column), expected);
        // Both sides playing best from here, the line comes after as many of the mover's moves
        // (a win) or of the opponent's (a loss) as the value says.
        if (expected != 0) {
            Position playedOut = position;
            int pieces = 0;
            for (; !playedOut.HasLine(); ++pieces)
                playedOut.Play(plain.BestColumns(playedOut).front());
            QCOMPARE(MovesToEnd(expected, game->MoveCount()), (pieces + 1) / 2);
        }
        QVERIFY(std::find(best.begin(), best.end(),
                          ChooseColumn(Level::Unbeatable, position, withTable, random)) !=
                best.end());
        // A random move, reviewed: its values and what it did, and a column that does better.
        int played = static_cast<int>(random() % Columns);
        while (!position.CanPlay(played))
            played = (played + 1) % Columns;
        std::vector<int> moves = columnsOf(*game);
        moves.push_back(played);
        const MoveReview review = ReviewMove(withTable, moves, game->MoveCount());
        const auto [before, after] = referenceValues(*game, played);
        QCOMPARE(review.valueBefore, before);
        QCOMPARE(review.valueAfter, after);
        const QString verdict = verdictName(review.verdict, before);
        QCOMPARE(verdict, expectedVerdict(before, after));
        ++verdicts[verdict];
        if (review.verdict != Verdict::Best)
            QVERIFY(std::find(best.begin(), best.end(), review.betterColumn) != best.end());
    }
    // Both outcomes and draws were met, and every kind of move, or the comparison proved little.
    QVERIFY(wins > 300 && losses > 300 && checked - wins - losses > 300);
    QCOMPARE(verdicts.size(), 6);
    for (auto kind = verdicts.cbegin(); kind != verdicts.cend(); ++kind)
        QVERIFY2(kind.value() >= 20, qPrintable(kind.key()));
}

void TestSolver::knownPositions_data() {
    QTest::addColumn<QString>("moves");
    QTest::addColumn<int>("score");
    QTest::addColumn<QList<int>>("best");
    // Yellow has three in the bottom row and the fourth cell open: it wins with this piece.
    QTest::newRow("win now") << "001122" << 15 << QList<int>{3};
    // Yellow's fourth piece in the bottom row makes three with both ends open, which red
    // cannot both close: the win comes with yellow's piece after next, six pieces down.
    QTest::newRow("two threats") << "2030" << 15 << QList<int>{4};
}

void TestSolver::knownPositions() {
    QFETCH(QString, moves);
    QFETCH(int, score);
    QFETCH(QList<int>, best);
    Game game;
    play(game, moves.toStdString());
    Solver solver;
    const Position position = Position::FromGame(game);
    QCOMPARE(solver.Solve(position), score);
    const std::vector<int> columns = solver.BestColumns(position);
    QCOMPARE(QList<int>(columns.begin(), columns.end()), best);
}

// Games whose last move threw something away, or did not: the review tells what, and the
// summary counts it and says where the game was decided. Near the end the values are checked
// by the exhaustive search too.
void TestSolver::reviewsKnownGames_data() {
    QTest::addColumn<QString>("moves");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("win to draw") << "300456024445553222133453260"
                                 << "win to draw";
    QTest::newRow("draw to loss") << "233333224444425216650155161"
                                  << "draw to loss";
    QTest::newRow("win to loss") << "3331535221642112551653200066604"
                                 << "win to loss";
    QTest::newRow("slower win") << "351215212105532210050660664"
                                << "slower win";
    QTest::newRow("faster loss") << "52561040326310032334621110664"
                                 << "faster loss";
}

void TestSolver::reviewsKnownGames() {
    QFETCH(QString, moves);
    QFETCH(QString, verdict);
    Game game;
    play(game, moves.chopped(1).toStdString());
    const int played = moves.back().digitValue();
    std::vector<int> columns = columnsOf(game);
    columns.push_back(played);
    Solver solver(&OpeningTable::BuiltIn());
    std::vector<MoveReview> reviews;
    for (int move = 0; move < int(columns.size()); ++move)
        reviews.push_back(ReviewMove(solver, columns, move));
    const MoveReview& last = reviews.back();
    QCOMPARE(verdictName(last.verdict, last.valueBefore), verdict);
    if (CellCount - game.MoveCount() <= 10) {
        const auto [before, after] = referenceValues(game, played);
        QCOMPARE(expectedVerdict(before, after), verdict);
    }
    // Only a move that changes who wins decides the game.
    const GameSummary summary = Summarise(reviews);
    const bool decides = last.verdict == Verdict::Error || last.verdict == Verdict::Blunder;
    QCOMPARE(summary.decidedAt == int(columns.size()) - 1, decides);
}

// Both players play a best move each time: every move keeps the value, nothing decides the
// game but its start.
void TestSolver::aPerfectGameHasNoError() {
    Solver solver(&OpeningTable::BuiltIn());
    Position position;
    std::vector<int> columns;
    while (!position.IsFull() && !position.HasLine()) {
        columns.push_back(solver.BestColumns(position).back());
        position.Play(columns.back());
    }
    std::vector<MoveReview> reviews;
    for (int move = 0; move < int(columns.size()); ++move)
        reviews.push_back(ReviewMove(solver, columns, move));
    for (const MoveReview& review : reviews)
        QCOMPARE(review.verdict, Verdict::Best);
    QCOMPARE(Summarise(reviews).decidedAt, -1);
}

// Each shallow entry is the best of its moves, from the entries below it; a random sample of
// the deeper ones is solved again from scratch. Every stored column is a best one.
void TestSolver::openingTableHoldsWhatTheSolverFinds() {
    const OpeningTable& table = OpeningTable::BuiltIn();
    QVERIFY(table.EntryCount() > 100);
    QVERIFY(table.Depth() > 8);
    const std::uint8_t empty = OpeningTable::StoredKey(Position{}) == 0 ? 0 : 1;
    QCOMPARE(empty, 0);
    QVERIFY(table.Find(Position{}));

    std::mt19937 random(std::random_device{}());
    Solver solver;
    int solved = 0;
    for (std::size_t i = 0; i < table.EntryCount(); ++i) {
        const OpeningTable::Entry entry = table.EntryAt(i);
        const Position position = Position::FromKey(entry.key);
        QCOMPARE(position.Key(), entry.key);
        QVERIFY(entry.columns != 0);
        int best = Unknown;
        bool complete = true;
        for (int column = 0; column < Columns; ++column) {
            if (!position.CanPlay(column))
                continue;
            Position after = position;
            after.Play(column);
            std::optional<int> score;
            if (Position::IsLine(after.Current() ^ after.Mask()))
                score = (CellCount + 1 - position.MoveCount()) / 2;
            else if (after.CanWinNext())
                score = -(CellCount + 1 - after.MoveCount()) / 2;
            else if (const auto child = table.Find(after))
                score = -child->score;
            if (!score) {
                complete = false;
                continue;
            }
            best = std::max(best, *score);
            if (entry.columns & (1u << column))
                QVERIFY(*score >= entry.score);
        }
        if (complete) {
            QCOMPARE(best, entry.score);
        } else if (random() % 40 == 0 && position.MoveCount() >= 8) {
            ++solved;
            QCOMPARE(solver.Solve(position), entry.score);
            for (int column = 0; column < Columns; ++column)
                if (entry.columns & (1u << column))
                    QCOMPARE(scoreOfMove(solver, position, column), entry.score);
        }
    }
    QVERIFY(solved > 10);
}

// A search that meets the table part-way takes each entry's score from the side of the player
// to move there: positions one move before a deep entry that decides the game, but not in the
// table themselves, score the same with the table as without it.
void TestSolver::searchesThatMeetTheTableAgreeWithThoseThatDoNot() {
    const OpeningTable& table = OpeningTable::BuiltIn();
    Solver plain;
    Solver withTable(&table);
    int checked = 0;
    for (std::size_t i = 0; i < table.EntryCount() && checked < 40; i += 97) {
        const OpeningTable::Entry entry = table.EntryAt(i);
        const Position child = Position::FromKey(entry.key);
        if (entry.score == 0 || child.MoveCount() < 9)
            continue;
        // The parent: the top piece of the player who moved last taken off one column.
        const Position::Bits lastMover = child.Mask() ^ child.Current();
        for (int column = 0; column < Columns; ++column) {
            const Position::Bits cells = child.Mask() & Position::ColumnCells(column);
            const Position::Bits top = cells ^ (cells >> 1 & cells);
            if (!(top & lastMover))
                continue;
            const Position parent = Position::FromKey(((lastMover & ~top) + (child.Mask() & ~top)));
            if (parent.HasLine() || parent.CanWinNext() || table.Find(parent))
                continue;
            ++checked;
            QCOMPARE(withTable.Solve(parent), plain.Solve(parent));
            break;
        }
    }
    QVERIFY(checked >= 20);
}

// What each level plays in a position, over 1,000 seeds: how often it plays one of the expected
// columns. Every level completes its own line; from level 2 up, every level stops the
// opponent's line and sees the open two on the bottom row that would become two threats; the
// beginner stops a line a third of the time (314 of these seeds; 85 without its rule of
// stopping one in four, which the bounds of 240 and 390 keep out, 5 standard deviations from
// 314). The perfect level opens in the centre, and among drawing moves sets the opponent the
// hardest task.
void TestSolver::levelsCompleteTheirLineAndStopTheOpponents_data() {
    QTest::addColumn<QString>("moves");
    QTest::addColumn<int>("level");
    QTest::addColumn<QList<int>>("columns");
    QTest::addColumn<int>("fewest"); // of 1,000 seeds, the fewest that play one of those columns
    QTest::addColumn<int>("most");
    for (const int level : {1, 2, 3, 4}) {
        const QByteArray name = "level " + QByteArray::number(level);
        // Yellow has three in the bottom row, red three above them.
        QTest::newRow(name + ", own line") << "001122" << level << QList<int>{3} << 1000 << 1000;
        // Yellow has three in the bottom row and red must stop the fourth.
        if (level > 1)
            QTest::newRow(name + ", the opponent's line")
                << "00112" << level << QList<int>{3} << 1000 << 1000;
    }
    // Yellow has three up the first column, away from the centre that the beginner likes.
    QTest::newRow("level 1, the opponent's line") << "01010" << 1 << QList<int>{0} << 240 << 390;
    // One cell left, in the last column.
    QTest::newRow("level 1, the last cell")
        << "1563251352343020425421113654040660" << 1 << QList<int>{6} << 1000 << 1000;
    // Yellow's two side by side in the bottom row, with three empty cells on each side: a third
    // beside them would make three with both ends open, unless red takes one of those cells now.
    QTest::newRow("level 2, the open two") << "263" << 2 << QList<int>{1, 4} << 1000 << 1000;
    // Red to move: after red's 1, yellow has a threat that red must answer, then a piece that
    // makes two threats; red's other columns but 2 and 5 let yellow make two threats at once.
    QTest::newRow("level 2, two threats behind a threat")
        << "3230214" << 2 << QList<int>{1, 4} << 1000 << 1000;
    QTest::newRow("level 4, the empty board") << "" << 4 << QList<int>{3} << 1000 << 1000;
    // Columns 1 and 3 both keep the draw; after 1, yellow has fewer replies that keep it, so the
    // perfect level leaves the centre for it.
    QTest::newRow("level 4, the fewest replies that hold")
        << "01433361" << 4 << QList<int>{1} << 1000 << 1000;
}

void TestSolver::levelsCompleteTheirLineAndStopTheOpponents() {
    QFETCH(QString, moves);
    QFETCH(int, level);
    QFETCH(QList<int>, columns);
    QFETCH(int, fewest);
    QFETCH(int, most);
    Game game;
    play(game, moves.toStdString());
    QVERIFY(!FindWinningLine(game.Board()));
    const Position position = Position::FromGame(game);
    Solver solver(&OpeningTable::BuiltIn());
    int expected = 0;
    for (unsigned seed = 0; seed < 1000; ++seed) {
        std::mt19937 random(seed);
        const int column = ChooseColumn(static_cast<Level>(level), position, solver, random);
        QVERIFY(position.CanPlay(column));
        expected += columns.contains(column);
    }
    QVERIFY2(expected >= fewest && expected <= most, QByteArray::number(expected));
}

void TestSolver::plainMoveOnceALineStands() {
    const auto plain = [](std::string_view moves) {
        Game game;
        play(game, moves);
        return PlainColumn(Position::FromGame(game));
    };
    // Yellow's bottom row stands in each; red to move. Red completes its own second row before
    // it stops yellow's fifth piece at column 4.
    QCOMPARE(plain("0011223"), 3);
    // Red stops yellow's bottom row from growing into a second line.
    QCOMPARE(plain("0616253"), 4);
    // Nothing to complete or to stop: the centre column.
    QCOMPARE(plain("0416263"), 3);
    // A full board has no move.
    QCOMPARE(plain("00000111112222233333444445555566666"), -1);
}

QTEST_APPLESS_MAIN(TestSolver)
#include "tst_solver.moc"

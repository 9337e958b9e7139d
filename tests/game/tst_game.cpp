// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/board.h"
#include "game/move_string.h"
#include "game/reference_scan.h"
#include "game/victory.h"

#include <QTest>
#include <climits>
#include <random>

using namespace quatrelle::game;
using namespace quatrelle::testing;

namespace {

// A board written as five rows of seven characters, top row first: '.' empty, '1' and '2'
// the players' pieces. Spaces are ignored.
BoardArray boardFrom(std::string_view picture) {
    BoardArray board{};
    int cell = 0;
    for (const char c : picture) {
        if (c == ' ')
            continue;
        board.at(cell++) = c == '.' ? 0 : static_cast<std::int16_t>(c - '0');
    }
    Q_ASSERT(cell == CellCount);
    return board;
}

using Cells = std::array<std::int16_t, 4>;

} // namespace

Q_DECLARE_METATYPE(BoardArray)
Q_DECLARE_METATYPE(Cells)

class TestGame : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void dropsLandFromTheBottomAndAlternate();
    void fullColumnsAndUnknownColumnsAreRefused();
    void fullBoardRefusesEverythingUntilNewGame();
    void cellValueAnswersNegativeIndexes();
    void playableAndFloatingCells();
    void scanFindsTheFirstLine_data();
    void scanFindsTheFirstLine();
    void winKeepsBeingFoundAfterLaterDrops();
    void randomGamesAgreeWithReferenceScan();
};

void TestGame::dropsLandFromTheBottomAndAlternate() {
    Game game;
    QCOMPARE(game.CurrentPlayer(), 0);

    const auto first = game.Drop(3);
    QVERIFY(first);
    QCOMPARE(first->cell, 31);
    QCOMPARE(first->value, 1);
    QCOMPARE(game.Board()[31], 1);
    QCOMPARE(game.CurrentPlayer(), 1);

    const auto second = game.Drop(3);
    QVERIFY(second);
    QCOMPARE(second->cell, 24);
    QCOMPARE(second->value, 2);
    QCOMPARE(game.CurrentPlayer(), 0);

    play(game, "333");
    QCOMPARE(game.Board()[3], 1);
    QCOMPARE(game.Board()[10], 2);
    QCOMPARE(game.Board()[17], 1);
    QVERIFY(columnsAreUnbroken(game.Board()));
}

void TestGame::fullColumnsAndUnknownColumnsAreRefused() {
    for (const int column : {0, 6}) {
        Game game;
        const std::string fill(5, static_cast<char>('0' + column));
        play(game, fill);
        // The search ends one row above the top: column c answers c - 7.
        QCOMPARE(game.LandingCell(column), column - 7);
        const BoardArray before = game.Board();
        const auto player = game.CurrentPlayer();
        QVERIFY(!game.Drop(column));
        QCOMPARE(game.Board(), before);
        QCOMPARE(game.CurrentPlayer(), player);
    }

    // Columns that do not exist would have the search read or write past the cells (column 7
    // would land on element 35): they are refused and nothing changes.
    Game game;
    play(game, "0123456");
    const BoardArray before = game.Board();
    for (const int column : {-1, 7, 8, 100, -100, INT_MAX, INT_MIN}) {
        QVERIFY2(game.LandingCell(column) < 0, qPrintable(QString::number(column)));
        QVERIFY(!game.Drop(column));
    }
    QCOMPARE(game.Board(), before);
    QCOMPARE(game.Board()[35], 0);
    QCOMPARE(game.CurrentPlayer(), 1);
}

void TestGame::fullBoardRefusesEverythingUntilNewGame() {
    Game game;
    play(game, "00000111112222233333444445555566666");
    QVERIFY(std::none_of(game.Board().begin(), game.Board().begin() + CellCount,
                         [](std::int16_t v) { return v == 0; }));
    QCOMPARE(game.Board()[35], 0);
    QCOMPARE(game.CurrentPlayer(), 1);
    for (int column = 0; column < Columns; ++column)
        QVERIFY(!game.Drop(column));
    QCOMPARE(game.CurrentPlayer(), 1);

    game.NewGame();
    QCOMPARE(game.Board(), BoardArray{});
    QCOMPARE(game.CurrentPlayer(), 0);
    QCOMPARE(game.Drop(0)->value, 1);
}

void TestGame::cellValueAnswersNegativeIndexes() {
    Game game;
    play(game, "0");
    QCOMPARE(game.CellValue(-1), -1);
    QCOMPARE(game.CellValue(-7), -1);
    QCOMPARE(game.CellValue(28), 1);
    QCOMPARE(game.CellValue(35), 0);
    QCOMPARE(CellIndex(1, 1), 0);
    QCOMPARE(CellIndex(7, 5), 34);
    QCOMPARE(CellIndex(4, 2), 10);
}

void TestGame::playableAndFloatingCells() {
    Game game;
    for (int cell = 0; cell < CellCount; ++cell) {
        QCOMPARE(game.IsPlayable(cell), cell >= 28);
        QCOMPARE(game.IsFloating(cell), cell < 28);
    }
    play(game, "2222");
    QVERIFY(!game.IsPlayable(30) && !game.IsFloating(30)); // occupied: neither
    QVERIFY(game.IsPlayable(2));                           // on top of four pieces
    QVERIFY(game.IsFloating(1));
    play(game, "2");
    QVERIFY(!game.IsPlayable(2));
    QVERIFY(!game.IsPlayable(-1) && !game.IsPlayable(35) && !game.IsFloating(35));
}

void TestGame::scanFindsTheFirstLine_data() {
    QTest::addColumn<BoardArray>("board");
    QTest::addColumn<int>("player");
    QTest::addColumn<Cells>("cells");
    QTest::addColumn<QList<int>>("all"); // every cell of every line

    const Cells none{};
    // clang-format off
    QTest::newRow("empty board") << boardFrom(".......  .......  .......  .......  .......") << 0 << none << QList<int>{};
    QTest::newRow("bottom row, columns 1 to 4")
        << boardFrom(".......  .......  .......  .......  1111...") << 1 << Cells{28, 29, 30, 31} << QList<int>{28, 29, 30, 31};
    QTest::newRow("bottom row, columns 4 to 7")
        << boardFrom(".......  .......  .......  .......  ...1111") << 1 << Cells{31, 32, 33, 34} << QList<int>{31, 32, 33, 34};
    QTest::newRow("top row, right edge")
        << boardFrom("...2222  ...1111  .......  .......  .......") << 2 << Cells{3, 4, 5, 6} << QList<int>{3, 4, 5, 6, 10, 11, 12, 13};
    QTest::newRow("row wrap 11-12-13-14 is no line")
        << boardFrom(".......  ....111  1......  .......  .......") << 0 << none << QList<int>{};
    QTest::newRow("three in a row is no line")
        << boardFrom(".......  .......  .......  .......  111.111") << 0 << none << QList<int>{};
    QTest::newRow("vertical rows 2 to 5, last column")
        << boardFrom(".......  ......2  ......2  ......2  ......2") << 2 << Cells{13, 20, 27, 34} << QList<int>{13, 20, 27, 34};
    QTest::newRow("vertical rows 1 to 4, first column")
        << boardFrom("1......  1......  1......  1......  2......") << 1 << Cells{0, 7, 14, 21} << QList<int>{0, 7, 14, 21};
    QTest::newRow("diagonal up from the bottom-left corner")
        << boardFrom(".......  ...1...  ..1....  .1.....  1......") << 1 << Cells{28, 22, 16, 10} << QList<int>{10, 16, 22, 28};
    QTest::newRow("diagonal up to the right edge")
        << boardFrom(".......  ......2  .....2.  ....2..  ...2...") << 2 << Cells{31, 25, 19, 13} << QList<int>{13, 19, 25, 31};
    QTest::newRow("diagonal down from column 4 row 1")
        << boardFrom("...2...  ....2..  .....2.  ......2  .......") << 2 << Cells{3, 11, 19, 27} << QList<int>{3, 11, 19, 27};
    QTest::newRow("diagonal down from the top-left corner")
        << boardFrom("1......  .1.....  ..1....  ...1...  .......") << 1 << Cells{0, 8, 16, 24} << QList<int>{0, 8, 16, 24};
    QTest::newRow("five in a row is found at its left end")
        << boardFrom(".......  .......  .......  .......  11111..") << 1 << Cells{28, 29, 30, 31} << QList<int>{28, 29, 30, 31, 32};
    QTest::newRow("both players: smaller start column wins")
        << boardFrom(".......  .......  .......  .2222..  11112..") << 1 << Cells{28, 29, 30, 31} << QList<int>{22, 23, 24, 25, 28, 29, 30, 31};
    QTest::newRow("both players: same column, smaller start row wins")
        << boardFrom(".......  .......  2222...  .......  1111...") << 2 << Cells{14, 15, 16, 17} << QList<int>{14, 15, 16, 17, 28, 29, 30, 31};
    QTest::newRow("same start cell: right before down")
        << boardFrom("1111...  1......  1......  1......  .......") << 1 << Cells{0, 1, 2, 3} << QList<int>{0, 1, 2, 3, 7, 14, 21};
    QTest::newRow("same start cell: down before the diagonal")
        << boardFrom("1......  11.....  1.1....  1..1...  .......") << 1 << Cells{0, 7, 14, 21} << QList<int>{0, 7, 8, 14, 16, 21, 24};
    QTest::newRow("one piece makes two lines")
        << boardFrom(".......  1......  1......  1......  1111...") << 1 << Cells{7, 14, 21, 28} << QList<int>{7, 14, 21, 28, 29, 30, 31};
    QTest::newRow("mixed pieces make no line")
        << boardFrom(".......  .......  .......  .......  1121...") << 0 << none << QList<int>{};
    // clang-format on
}

void TestGame::scanFindsTheFirstLine() {
    QFETCH(BoardArray, board);
    QFETCH(int, player);
    QFETCH(Cells, cells);
    QFETCH(QList<int>, all);

    const std::vector<int> inLines = CellsOfLines(board);
    QCOMPARE(QList<int>(inLines.begin(), inLines.end()), all);
    const auto line = FindWinningLine(board);
    QCOMPARE(line.has_value(), player != 0);
    if (line) {
        QCOMPARE(line->player, player);
        QCOMPARE(line->cells, cells);
    }
}

void TestGame::winKeepsBeingFoundAfterLaterDrops() {
    Game game;
    play(game, "0516263"); // yellow fills 28 to 31 with its fourth piece
    auto line = FindWinningLine(game.Board());
    QVERIFY(line);
    QCOMPARE(line->player, 1);
    QCOMPARE(game.CurrentPlayer(), 1); // the turn has already passed to red

    // Play goes on; the same line is announced after red's drop and after yellow's.
    play(game, "6");
    QCOMPARE(FindWinningLine(game.Board())->cells, (Cells{28, 29, 30, 31}));
    play(game, "4");
    QCOMPARE(FindWinningLine(game.Board())->player, 1);

    // A line that starts further left takes over once it is completed.
    Game other;
    play(other, "3031323"); // yellow stacks column 3 (10 to 31), red has 28, 29, 30
    QCOMPARE(FindWinningLine(other.Board())->cells, (Cells{10, 17, 24, 31}));
    play(other, "0505");
    QCOMPARE(FindWinningLine(other.Board())->player, 1);
    play(other, "0"); // red completes column 0 from 7 to 28
    QCOMPARE(FindWinningLine(other.Board())->player, 2);
    QCOMPARE(FindWinningLine(other.Board())->cells, (Cells{7, 14, 21, 28}));
}

void TestGame::randomGamesAgreeWithReferenceScan() {
    QCOMPARE(allLines().size(), std::size_t{50});
    int wins = 0;
    for (unsigned seed = 1; seed <= 400; ++seed) {
        std::mt19937 random(seed);
        Game game;
        int pieces = 0;
        for (int move = 0; move < 60; ++move) {
            if (random() % 50 == 0) {
                game.NewGame();
                pieces = 0;
                continue;
            }
            const int column = static_cast<int>(random() % Columns);
            const bool full = game.LandingCell(column) < 0;
            const auto placed = game.Drop(column);
            QCOMPARE(placed.has_value(), !full);
            pieces += placed ? 1 : 0;

            const auto expected = referenceScan(game.Board());
            const auto actual = FindWinningLine(game.Board());
            QVERIFY2(expected.has_value() == actual.has_value(),
                     qPrintable(QStringLiteral("seed %1 move %2").arg(seed).arg(move)));
            if (actual) {
                ++wins;
                QCOMPARE(actual->player, expected->player);
                QCOMPARE(actual->cells, expected->cells);
            }
            QVERIFY(columnsAreUnbroken(game.Board()));
            QCOMPARE(int(game.CurrentPlayer()), pieces % 2);
            QCOMPARE(game.Board()[35], 0);
        }
    }
    QVERIFY(wins > 1000); // the seeds reach many positions with lines, not just empty boards
}

QTEST_APPLESS_MAIN(TestGame)
#include "tst_game.moc"

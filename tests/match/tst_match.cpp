// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/opening_table.h"
#include "game/position.h"
#include "game/solver.h"
#include "match/computer_player.h"
#include "match/match.h"

#include <QTest>
#include <algorithm>
#include <string_view>

using namespace quatrelle;
using match::Match;

namespace {

constexpr int Reply = match::ComputerPlayer::ReplyDelay;
QString colourOf(std::int16_t value) {
    return value == 1 ? QStringLiteral("yellow") : QStringLiteral("red");
}

// What the match told its views, one line per signal, in order.
class Recorder : public QObject {
public:
    explicit Recorder(Match& match) {
        connect(&match, &Match::dropped, this, [this](game::Placement placed, bool byComputer) {
            log(QStringLiteral("%1 %2 at %3")
                    .arg(byComputer ? QStringLiteral("computer") : QStringLiteral("player"),
                         colourOf(placed.value))
                    .arg(placed.cell));
        });
        connect(&match, &Match::refused, this, [this](match::Refusal why) {
            log(QStringLiteral("refused %1").arg(static_cast<int>(why)));
        });
        connect(&match, &Match::takenBack, this, [this](const QList<game::Placement>& taken) {
            QStringList cells;
            for (const game::Placement& placed : taken)
                cells.append(QString::number(placed.cell));
            log(QStringLiteral("taken back ") + cells.join(u','));
        });
        connect(&match, &Match::newGameStarted, this, [this] { log(QStringLiteral("new game")); });
        connect(&match, &Match::hintChanged, this, [this](std::optional<int> column) {
            log(column ? QStringLiteral("hint %1").arg(*column) : QStringLiteral("hint off"));
        });
    }
    const QStringList& seen() const { return m_seen; }
    QString last() const { return m_seen.value(m_seen.size() - 1); }
    void clear() { m_seen.clear(); }

private:
    void log(const QString& line) { m_seen.append(line); }
    QStringList m_seen;
};

QString refusal(match::Refusal why) {
    return QStringLiteral("refused %1").arg(static_cast<int>(why));
}

void play(Match& match, std::string_view moves) {
    for (const char move : moves)
        match.drop(move - '0');
}

std::optional<int> computerFor(const QString& colour) {
    if (colour == QLatin1String("yellow"))
        return 0;
    if (colour == QLatin1String("red"))
        return 1;
    return std::nullopt;
}

// The player's moves, each waiting for the computer's reply when there is one.
void playAgainst(Match& match, std::string_view moves) {
    for (const char move : moves) {
        QTRY_VERIFY(!match.computerToMove());
        match.drop(move - '0');
    }
    QTRY_VERIFY(!match.computerToMove());
}

// Choices written "red 3": the computer's colour or "none", and the level.
game::Choices choicesFrom(const QString& written) {
    const QStringList parts = written.split(u' ');
    const QString colour = parts.value(0);
    return {colour == QLatin1String("none") ? std::nullopt
                                            : std::optional<int>(colour == QLatin1String("red")),
            static_cast<game::Level>(parts.value(1).toInt())};
}

} // namespace

class TestMatch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theChoicesKeepWhatThePlayerChose_data();
    void theChoicesKeepWhatThePlayerChose();
    void takeBackPolicy_data();
    void takeBackPolicy();
    void aPendingReplyMeetsARequest_data();
    void aPendingReplyMeetsARequest();
    void aGameAgainstTheComputerEnds_data();
    void aGameAgainstTheComputerEnds();
    void hintsAnswerTheBoardAsItIs_data();
    void hintsAnswerTheBoardAsItIs();
    void aChangeOfTheBoardComesInOneOrder();
};

// Between two players the last move goes back; against the computer, the player's move and
// the reply to it; a computer that opened keeps its opening.
// A run started from the command line plays its options for this run alone; what the player
// then chooses in the menu, and only that, is kept for the next start.
void TestMatch::theChoicesKeepWhatThePlayerChose_data() {
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("thisRun"); // "red", "none" or "-" for the opponent; a level or 0
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("playedAtStart");
    QTest::addColumn<QString>("keptAfter");
    QTest::newRow("a level after --computer keeps two players") << "none 2"
                                                                << "red 0"
                                                                << "red 3"
                                                                << "red 2"
                                                                << "none 3";
    QTest::newRow("two players after --level keep the level") << "yellow 2"
                                                              << "- 1"
                                                              << "none 1"
                                                              << "yellow 1"
                                                              << "none 2";
    QTest::newRow("--computer none, then a level") << "red 4"
                                                   << "none 0"
                                                   << "none 1"
                                                   << "none 4"
                                                   << "red 1";
    QTest::newRow("both chosen over both") << "none 2"
                                           << "yellow 4"
                                           << "red 1"
                                           << "yellow 4"
                                           << "red 1";
}

void TestMatch::theChoicesKeepWhatThePlayerChose() {
    QFETCH(QString, kept);
    QFETCH(QString, thisRun);
    QFETCH(QString, chosen);
    game::Choices stored = choicesFrom(kept);
    const QString runColour = thisRun.section(u' ', 0, 0);
    const int runLevel = thisRun.section(u' ', 1).toInt();
    match::ChoiceBook::ThisRun options;
    if (runColour != QLatin1String("-"))
        options.computerPlayer = choicesFrom(runColour + QLatin1String(" 2")).computerPlayer;
    if (runLevel != 0)
        options.level = static_cast<game::Level>(runLevel);
    Match match(match::ChoiceBook({[&] { return stored; },
                                   [&](const game::Choices& choices) {
                                       stored = choices;
                                       return true;
                                   }},
                                  options));
    QFETCH(QString, playedAtStart);
    QCOMPARE(match.computerPlayer(), choicesFrom(playedAtStart).computerPlayer);
    QCOMPARE(match.level(), choicesFrom(playedAtStart).level);
    QVERIFY(match.choose(choicesFrom(chosen)));
    QCOMPARE(match.computerPlayer(), choicesFrom(chosen).computerPlayer);
    QCOMPARE(match.level(), choicesFrom(chosen).level);
    QFETCH(QString, keptAfter);
    QCOMPARE(stored, choicesFrom(keptAfter));
    // What the command line chose, chosen back from the menu, is played again.
    QVERIFY(match.choose(choicesFrom(playedAtStart)));
    QCOMPARE(match.computerPlayer(), choicesFrom(playedAtStart).computerPlayer);
    QCOMPARE(match.level(), choicesFrom(playedAtStart).level);
}

void TestMatch::takeBackPolicy_data() {
    QTest::addColumn<QString>("computer");
    QTest::addColumn<QString>("moves");
    QTest::addColumn<int>("taken");
    QTest::addColumn<int>("left");
    QTest::newRow("two players") << "none"
                                 << "33" << 1 << 1;
    QTest::newRow("two players, empty board") << "none"
                                              << "" << 0 << 0;
    QTest::newRow("red replies") << "red"
                                 << "3" << 2 << 0;
    QTest::newRow("red replies twice") << "red"
                                       << "32" << 2 << 2;
    QTest::newRow("yellow's opening alone") << "yellow"
                                            << "" << 0 << 1;
    QTest::newRow("yellow's opening and a reply") << "yellow"
                                                  << "3" << 2 << 1;
}

void TestMatch::takeBackPolicy() {
    QFETCH(QString, computer);
    QFETCH(QString, moves);
    QFETCH(int, taken);
    QFETCH(int, left);
    Match match(computerFor(computer));
    playAgainst(match, moves.toStdString());
    const game::Game before = match.game();
    Recorder recorder(match);
    match.takeBack();
    QCOMPARE(match.game().MoveCount(), left);
    if (taken == 0) {
        QCOMPARE(recorder.seen(), QStringList{refusal(match::Refusal::NothingToTakeBack)});
        return;
    }
    // The pieces named are those gone from the board, the earliest one's player to move.
    const QStringList cells = recorder.last().mid(11).split(u',');
    QCOMPARE(cells.size(), taken);
    game::BoardArray expected = before.Board();
    for (const QString& cell : cells) {
        QVERIFY(expected[cell.toInt()] != game::Empty);
        expected[cell.toInt()] = game::Empty;
    }
    QCOMPARE(match.game().Board(), expected);
    QCOMPARE(match.game().CurrentPlayer() + 1, before.Board()[cells.last().toInt()]);
    QTest::qWait(Reply * 2); // and the computer does not answer the board taken back
    QCOMPARE(match.game().MoveCount(), left);
}

// Whatever arrives while the computer's reply is pending, the reply either lands on the board
// it was chosen for or not at all: a hint or a drop is refused, a new game or a take-back drops
// the reply, a hold makes it wait.
void TestMatch::aPendingReplyMeetsARequest_data() {
    QTest::addColumn<QString>("computer");
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("movesAfter");
    QTest::addColumn<int>("movesOnceResumed");
    QTest::newRow("hint") << "red"
                          << "hint" << refusal(match::Refusal::HintWhileThinking) << 2 << 2;
    QTest::newRow("drop") << "red"
                          << "drop" << refusal(match::Refusal::ComputerThinking) << 2 << 2;
    QTest::newRow("click on a cell")
        << "red"
        << "click" << refusal(match::Refusal::ComputerThinking) << 2 << 2;
    QTest::newRow("new game") << "red"
                              << "new game"
                              << "new game" << 0 << 0;
    QTest::newRow("new game, yellow opens it") << "yellow"
                                               << "new game"
                                               << "new game" << 1 << 1;
    QTest::newRow("take back") << "red"
                               << "take back"
                               << "taken back 31" << 0 << 0;
    QTest::newRow("hold") << "red"
                          << "hold"
                          << "" << 1 << 2;
    // The solver has answered, and the reply waits for its delay to pass: the answer is stale.
    QTest::newRow("take back once answered") << "red"
                                             << "answered, take back"
                                             << "taken back 31" << 0 << 0;
    QTest::newRow("take back once answered, then a hold") << "red"
                                                          << "answered, take back, hold"
                                                          << "taken back 31" << 0 << 0;
}

void TestMatch::aPendingReplyMeetsARequest() {
    QFETCH(QString, computer);
    QFETCH(QString, request);
    QFETCH(QString, answer);
    QFETCH(int, movesAfter);
    QFETCH(int, movesOnceResumed);
    Match match(computerFor(computer), game::Level::Beginner);
    if (computer == QLatin1String("yellow"))
        QTRY_COMPARE(match.game().MoveCount(), 1);
    play(match, "3");
    QVERIFY(match.computerToMove());
    Recorder recorder(match);
    for (const QString& step : request.split(QStringLiteral(", "))) {
        if (step == QLatin1String("answered"))
            QTRY_VERIFY(match.computerHasChosen());
        else if (step == QLatin1String("hint"))
            match.askHint();
        else if (step == QLatin1String("drop"))
            match.drop(0);
        else if (step == QLatin1String("click"))
            match.dropAtCell(28); // the bottom left cell, where a drop would land
        else if (step == QLatin1String("new game"))
            match.newGame();
        else if (step == QLatin1String("take back"))
            match.takeBack();
        else
            match.hold();
    }
    QCOMPARE(recorder.seen().value(0), answer);
    // What must happen is waited for; that nothing more does, held or not, is seen once a
    // reply's delay has passed twice, which a loaded machine can only lengthen.
    QTRY_COMPARE(match.game().MoveCount(), movesAfter);
    if (match.isHeld() && match.computerToMove())
        QTRY_VERIFY(match.computerHasChosen());
    QTest::qWait(Reply * 2);
    QCOMPARE(match.game().MoveCount(), movesAfter);
    match.resume();
    QVERIFY(!match.hint());
    QTRY_COMPARE(match.game().MoveCount(), movesOnceResumed);
    QTRY_VERIFY(!match.computerToMove());
}

// A game against the computer ends at its first line or on a full board: the end is told once,
// a drop is then refused and no hint given, and a take-back opens the game again.
void TestMatch::aGameAgainstTheComputerEnds_data() {
    QTest::addColumn<QString>("player");
    QTest::addColumn<int>("outcome");
    // Always the leftmost open column, against the unbeatable level.
    QTest::newRow("the computer wins") << "left" << static_cast<int>(match::Outcome::ComputerWon);
    // The solver's own best moves against it: the empty board is a draw.
    QTest::newRow("a draw") << "best" << static_cast<int>(match::Outcome::Draw);
}

void TestMatch::aGameAgainstTheComputerEnds() {
    QFETCH(QString, player);
    QFETCH(int, outcome);
    Match match(1, game::Level::Unbeatable);
    // Games counted before this one.
    int game::Score::*const count = outcome == static_cast<int>(match::Outcome::Draw)
                                        ? &game::Score::drawn
                                        : &game::Score::lost;
    match.scores().add(game::Level::Unbeatable, count, 5);
    QList<int> ends;
    connect(&match, &Match::computerGameOver, this,
            [&ends](match::Outcome ended) { ends.append(static_cast<int>(ended)); });
    game::Solver solver(&game::OpeningTable::BuiltIn());
    const auto playToTheEnd = [&](Match& played) {
        while (!played.outcome()) {
            QTRY_VERIFY(!played.computerToMove());
            if (played.outcome())
                break;
            const game::Position position = game::Position::FromGame(played.game());
            int column = 0;
            if (player == QLatin1String("best"))
                column = solver.BestColumns(position).front();
            else
                while (!position.CanPlay(column))
                    ++column;
            played.drop(column);
        }
    };
    playToTheEnd(match);
    QCOMPARE(ends, QList<int>{outcome});
    QCOMPARE(static_cast<int>(*match.outcome()), outcome);
    const game::Game over = match.game();
    Recorder recorder(match);
    QStringList refused{refusal(match::Refusal::GameOver)};
    match.drop(6);
    const bool drawn = outcome == static_cast<int>(match::Outcome::Draw);
    if (!drawn) { // a full board has no cell to click
        match.dropAtCell(over.LandingCell(6));
        refused.append(refusal(match::Refusal::GameOver));
    }
    match.askHint();
    refused.append(refusal(drawn ? match::Refusal::HintOnFullBoard : match::Refusal::HintWithLine));
    QCOMPARE(recorder.seen(), refused);
    QCOMPARE(match.game().Board(), over.Board());
    QCOMPARE(match.scores().score(game::Level::Unbeatable).*count, 6);
    match.takeBack();
    QVERIFY(!match.outcome());
    QVERIFY(match.game().MoveCount() < over.MoveCount());
    // The end taken back is no longer counted, and only once; a game left once both sides have
    // moved counts as given up, at its own level; an empty board gives nothing up.
    QCOMPARE(match.scores().score(game::Level::Unbeatable).*count, 5);
    match.takeBack();
    QCOMPARE(match.scores().score(game::Level::Unbeatable).*count, 5);
    match.choose({1, game::Level::Medium});
    match.newGame();
    QCOMPARE(match.scores().score(game::Level::Unbeatable).givenUp, 1);
    QCOMPARE(match.scores().score(game::Level::Medium), game::Score{});

    // Ended, then left for a new game: counted as it ended alone, and not into the next game,
    // where a take-back takes nothing off. Left before its end, as by quitting, a game is given
    // up.
    game::Score kept;
    {
        Match again(1, game::Level::Unbeatable);
        again.scores().setStorage({[&kept](game::Level) { return kept; },
                                   [&kept](game::Level, const game::Score& score) {
                                       kept = score;
                                       return true;
                                   }});
        playToTheEnd(again);
        again.newGame();
        again.drop(3);
        QTRY_COMPARE(again.game().MoveCount(), 2);
        again.takeBack();
        QCOMPARE(kept.*count, 1);
        QCOMPARE(kept.givenUp, 0);
        again.drop(3);
        QTRY_COMPARE(again.game().MoveCount(), 2);
    }
    QCOMPARE(kept.*count, 1);
    QCOMPARE(kept.givenUp, 1);
}

// A hint is a best column of the board as it stands when it is answered; a board that changes
// first drops it, and a hint is refused where no move can be advised.
void TestMatch::hintsAnswerTheBoardAsItIs_data() {
    QTest::addColumn<QString>("moves");
    QTest::addColumn<QString>("refused");
    QTest::newRow("opening, from the table") << "3" << QString();
    // Eight pieces, off the opening table: the solver searches a million positions.
    QTest::newRow("middle game, searched") << "01234560" << QString();
    QTest::newRow("a line stands") << "0516263" << refusal(match::Refusal::HintWithLine);
    QTest::newRow("full board, no line")
        << "15632513523430204254211136540406606" << refusal(match::Refusal::HintOnFullBoard);
}

void TestMatch::hintsAnswerTheBoardAsItIs() {
    QFETCH(QString, moves);
    QFETCH(QString, refused);
    Match match;
    play(match, moves.toStdString());
    QCOMPARE(match.game().MoveCount(), static_cast<int>(moves.size()));
    Recorder recorder(match);
    match.askHint();
    if (!refused.isEmpty()) {
        QCOMPARE(recorder.seen(), QStringList{refused});
        return;
    }
    game::Solver solver(&game::OpeningTable::BuiltIn());
    const auto best = [&solver, &match] {
        return solver.BestColumns(game::Position::FromGame(match.game()));
    };
    QTRY_VERIFY(match.hint());
    std::vector<int> columns = best();
    QVERIFY(std::find(columns.begin(), columns.end(), *match.hint()) != columns.end());

    // A drop puts the hint out; one asked just before a drop never comes.
    match.drop(*match.hint());
    QCOMPARE(recorder.last().left(6), QStringLiteral("player"));
    QVERIFY(!match.hint());
    match.askHint();
    match.drop(0);
    QTest::qWait(200);
    QVERIFY(!match.hint());
    // The next one answers the board after both drops, although a search was stopped.
    match.askHint();
    QTRY_VERIFY(match.hint());
    columns = best();
    QVERIFY(std::find(columns.begin(), columns.end(), *match.hint()) != columns.end());
    match.dismissHint();
    QCOMPARE(recorder.last(), QStringLiteral("hint off"));
}

// The hint goes out before the views see the new board, and a line is looked for only after
// they have: the win message never comes before the drop that made it.
void TestMatch::aChangeOfTheBoardComesInOneOrder() {
    Match match;
    play(match, "051626");
    match.askHint();
    QTRY_VERIFY(match.hint());
    QStringList order;
    connect(&match, &Match::hintChanged, this, [&] { order.append(QStringLiteral("hint")); });
    connect(&match, &Match::dropped, this, [&] { order.append(QStringLiteral("dropped")); });
    connect(&match, &Match::dropEnded, this, [&] {
        order.append(match.lineStands() ? QStringLiteral("line") : QStringLiteral("no line"));
    });
    match.drop(3);
    QCOMPARE(order, (QStringList{QStringLiteral("hint"), QStringLiteral("dropped"),
                                 QStringLiteral("line")}));
}

QTEST_GUILESS_MAIN(TestMatch)
#include "tst_match.moc"

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded random stream of mouse input sent to the real windows, with the program's
// invariants checked after every event; then long runs that must not grow the memory.

#include "game/reference_scan.h"
#include "main_window/form1.h"
#include "resources/application.h"
#include "support/modal_closer.h"

#include <QFile>
#include <QTest>
#include <random>

using namespace quatrelle;
using main_window::Form1;

namespace {

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/statm"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = status.readAll().split(' ');
    return fields.value(1).toLong() * 4; // pages of 4 KiB
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { resources::DescribeApplication(); }
    void randomInputKeepsEveryInvariant();
    void longGamesAndScrollingDoNotGrowMemory();

private:
    QString invariantBroken(const Form1& form, int piecesSinceNewGame) const;
};

QString TestMonkey::invariantBroken(const Form1& form, int piecesSinceNewGame) const {
    const game::BoardArray& board = form.gameState().Board();
    for (int i = 0; i < game::CellCount; ++i)
        if (board[i] < 0 || board[i] > 2)
            return QStringLiteral("cell %1 holds %2").arg(i).arg(board[i]);
    if (board[35] != 0)
        return QStringLiteral("element 35 holds %1").arg(board[35]);
    if (!testing::columnsAreUnbroken(board))
        return QStringLiteral("a column has a gap");
    const int pieces = testing::piecesOn(board);
    if (pieces != piecesSinceNewGame || form.gameState().CurrentPlayer() != pieces % 2)
        return QStringLiteral("%1 pieces, %2 drops, player %3")
            .arg(pieces)
            .arg(piecesSinceNewGame)
            .arg(form.gameState().CurrentPlayer());
    int lit = 0;
    const qint64 hovered = form.arrowPictures()[0].picture().cacheKey();
    form.arrows().forEach(
        [&](const runtime::ImageControl& arrow) { lit += arrow.picture().cacheKey() == hovered; });
    if (lit > 1)
        return QStringLiteral("%1 arrows highlighted").arg(lit);
    for (int i = 0; i < game::CellCount; ++i)
        if (form.cubes()[i].picture().cacheKey() !=
            form.cubePictures()[board[i]].picture().cacheKey())
            return QStringLiteral("cell %1 shows the wrong picture").arg(i);
    const bool aboutLoaded = form.aboutWindow() && form.aboutWindow()->isLoaded();
    if (form.isEnabled() == aboutLoaded)
        return QStringLiteral("main window enabled %1 with the about window loaded %2")
            .arg(form.isEnabled())
            .arg(aboutLoaded);
    return {};
}

void TestMonkey::randomInputKeepsEveryInvariant() {
    const unsigned seed = qEnvironmentVariableIsSet("QUATRELLE_MONKEY_SEED")
                              ? qEnvironmentVariableIntValue("QUATRELLE_MONKEY_SEED")
                              : 20261207u;
    const int events = qEnvironmentVariableIsSet("QUATRELLE_MONKEY_EVENTS")
                           ? qEnvironmentVariableIntValue("QUATRELLE_MONKEY_EVENTS")
                           : 50000;
    std::mt19937 random(seed);
    const auto pick = [&random](int n) {
        return static_cast<int>(random() % static_cast<unsigned>(n));
    };
    const auto anywhere = [&](const QWidget& w) {
        return QPoint(pick(w.width()), pick(w.height()));
    };
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};

    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    testing::ModalCloser closer;
    int pieces = 0;
    int wins = 0;
    int abouts = 0;

    for (int event = 0; event < events; ++event) {
        about::frmSplash* about = form.aboutWindow();
        const bool aboutOpen = about && about->isLoaded();
        const game::BoardArray before = form.gameState().Board();
        const qsizetype messagesBefore = closer.seen().size();
        const int kind = pick(100);
        if (aboutOpen && kind < 25) {
            if (kind < 10)
                QTest::mouseClick(about->FlatBttn1(), Qt::LeftButton, {},
                                  anywhere(*about->FlatBttn1()));
            else if (kind < 15)
                about->close(); // as a window manager closes it
            else
                about->Timer1_Timer();
        } else if (kind < 30) {
            QTest::mouseClick(&form.arrows()[pick(7)], buttons[pick(3)], {},
                              anywhere(form.arrows()[0]));
        } else if (kind < 55) {
            QTest::mouseClick(&form.cubes()[pick(35)], buttons[pick(4) == 0 ? 1 : 0], {},
                              QPoint(pick(32), pick(32)));
        } else if (kind < 62) {
            // Mostly "Aide", so that games run long enough to make lines.
            const int choice = pick(100);
            const int button = choice < 12 ? 0 : choice < 30 ? 1 : 2;
            QTest::mouseClick(&form.buttons()[button], Qt::LeftButton, {},
                              QPoint(pick(89), pick(25)));
        } else if (kind < 80) {
            QWidget* targets[] = {&form, &form.arrows()[pick(7)], &form.cubes()[pick(35)],
                                  &form.buttons()[pick(4)]};
            QWidget* target = targets[pick(4)];
            QTest::mouseMove(target, anywhere(*target));
        } else if (kind < 90) {
            const Qt::MouseButton button = buttons[pick(3)];
            const QPoint grab(pick(100), 140 + pick(130));
            QTest::mousePress(&form, button, {}, grab);
            for (int step = pick(4); step > 0; --step)
                QTest::mouseMove(&form, grab + QPoint(pick(41) - 20, pick(41) - 20));
            QTest::mouseRelease(&form, button, {}, grab);
        } else {
            QTest::mousePress(&form, buttons[pick(3)], {}, anywhere(form));
            QTest::mouseRelease(&form, buttons[pick(3)], {}, anywhere(form));
        }

        // Follow the pieces: a new game clears them, an accepted drop adds one.
        const game::BoardArray& after = form.gameState().Board();
        const int placed = testing::piecesOn(after) - testing::piecesOn(before);
        if (placed < 0 || (after == game::BoardArray{} && before != after))
            pieces = 0;
        else
            pieces += placed;
        wins += static_cast<int>(closer.seen().size() - messagesBefore);
        abouts += !aboutOpen && form.aboutWindow() && form.aboutWindow()->isLoaded();

        const QString broken = invariantBroken(form, pieces);
        QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("seed %1, event %2 (kind %3): %4")
                                                  .arg(seed)
                                                  .arg(event)
                                                  .arg(kind)
                                                  .arg(broken)));
        if (form.aboutWindow() && !form.aboutWindow()->isLoaded())
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    qInfo("seed %u: %d events, %d win messages, %d about windows", seed, events, wins, abouts);
    QVERIFY(wins > 100);
    QVERIFY(abouts > 50);
}

void TestMonkey::longGamesAndScrollingDoNotGrowMemory() {
#ifdef __SANITIZE_ADDRESS__
    QSKIP("AddressSanitizer holds freed memory back, so resident memory says nothing here");
#endif
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    testing::ModalCloser closer;
    std::mt19937 random(7);
    long afterFirstHundred = 0;
    for (int drop = 0; drop < 10000; ++drop) {
        if (drop % 20 == 19)
            QTest::mouseClick(&form.buttons()[0], Qt::LeftButton);
        else
            QTest::mouseClick(&form.arrows()[static_cast<int>(random() % 7)], Qt::LeftButton);
        if (drop == 100)
            afterFirstHundred = residentKilobytes();
    }
    const long afterDrops = residentKilobytes();
    QVERIFY(closer.seen().size() > 100);
    QVERIFY2(afterDrops - afterFirstHundred < 1024,
             qPrintable(QStringLiteral("%1 KiB after 100 drops, %2 KiB after 10000")
                            .arg(afterFirstHundred)
                            .arg(afterDrops)));

    QTest::mouseClick(&form.buttons()[1], Qt::LeftButton);
    about::frmSplash* about = form.aboutWindow();
    about->Timer1()->stop();
    long afterFirstTicks = 0;
    for (int tick = 0; tick < 100000; ++tick) {
        about->Timer1_Timer();
        if (tick % 500 == 0)
            QCoreApplication::processEvents(); // repaint as the event loop would
        if (tick == 100)
            afterFirstTicks = residentKilobytes();
    }
    const long afterTicks = residentKilobytes();
    QVERIFY2(afterTicks - afterFirstTicks < 1024,
             qPrintable(QStringLiteral("%1 KiB after 100 ticks, %2 KiB after 100000")
                            .arg(afterFirstTicks)
                            .arg(afterTicks)));
    QTest::mouseClick(about->FlatBttn1(), Qt::LeftButton);
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"

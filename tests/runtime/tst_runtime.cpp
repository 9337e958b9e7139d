// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/control_array.h"
#include "runtime/first_paint.h"
#include "runtime/image_control.h"
#include "runtime/label_control.h"
#include "runtime/round_rect_region.h"
#include "runtime/twips.h"
#include "runtime/window_drag.h"
#include "runtime/window_placement.h"

#include <QSignalSpy>
#include <QTest>

using namespace quatrelle::runtime;

class TestRuntime : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundingSendsHalvesToTheEvenNeighbour();
    void twipsConvertAtFifteenAPixel();
    void roundedOutlineCutsOnlyTheCorners();
    void loadedElementsCopyTheFirstAndReportTheirIndex();
    void labelLooksLikeAPlainLabelAfterEveryChange();
    void heldPictureLoadsOnceWhenFirstAskedFor();
    void deferredWorkWaitsForTheFirstPaintAndRunsOnce();
    void dragGoesToTheSystemOnceMovesGoUnanswered();
    void messageBoxOvercomesAFrameAddedToEveryRequest();
    void aWindowBesideNeverCoversTheBoard_data();
    void aWindowBesideNeverCoversTheBoard();
};

void TestRuntime::roundingSendsHalvesToTheEvenNeighbour() {
    QCOMPARE(RoundHalfEven(402.5), 402);
    QCOMPARE(RoundHalfEven(403.5), 404);
    QCOMPARE(RoundHalfEven(-2.5), -2);
    QCOMPARE(RoundHalfEven(402.67), 403);
    QCOMPARE(RoundHalfEven(274.67), 275);
    QCOMPARE(RoundHalfEven(7.49), 7);
}

void TestRuntime::twipsConvertAtFifteenAPixel() {
    QCOMPARE(TwipsPerPixelX(), 15.0);
    QCOMPARE(TwipsPerPixelY(), 15.0);
    QCOMPARE(TwipsToPixelsX(6040), 403);
    QCOMPARE(TwipsToPixelsY(4120), 275);
    QCOMPARE(TwipsToPixels({1560, 840, 480, 480}), QRect(104, 56, 32, 32));
    QCOMPARE(TwipsToPixels({120, 240, 1335, 375}), QRect(8, 16, 89, 25));
    QCOMPARE(PixelsToTwipsX(292), 4380.0f);
}

void TestRuntime::roundedOutlineCutsOnlyTheCorners() {
    const QRegion region = RoundRectRegion(403, 275, 30, 30);
    QCOMPARE(region.boundingRect(), QRect(0, 0, 403, 275));
    // Corners: out at the very corner, in once past the 15-pixel radius.
    for (const QPoint corner : {QPoint(0, 0), QPoint(402, 0), QPoint(0, 274), QPoint(402, 274),
                                QPoint(3, 3), QPoint(399, 271)})
        QVERIFY2(!region.contains(corner),
                 qPrintable(QStringLiteral("%1,%2").arg(corner.x()).arg(corner.y())));
    for (const QPoint inside : {QPoint(15, 0), QPoint(0, 15), QPoint(201, 137), QPoint(387, 274),
                                QPoint(5, 5), QPoint(402, 259)})
        QVERIFY2(region.contains(inside),
                 qPrintable(QStringLiteral("%1,%2").arg(inside.x()).arg(inside.y())));
    // The outline is symmetric left to right and top to bottom.
    for (int y = 0; y < 275; ++y)
        for (const int x : {0, 1, 2, 4, 8, 14})
            QCOMPARE(region.contains(QPoint(x, y)), region.contains(QPoint(402 - x, 274 - y)));
    QVERIFY(RoundRectRegion(0, 10, 30, 30).isEmpty());
    QCOMPARE(RoundRectRegion(10, 10, 0, 0), QRegion(0, 0, 10, 10));
}

void TestRuntime::loadedElementsCopyTheFirstAndReportTheirIndex() {
    QWidget window;
    QList<std::int16_t> clicked;
    ControlArray<ImageControl> cells([&clicked](ImageControl& cell) {
        QObject::connect(&cell, &ImageControl::Click,
                         [&clicked](std::int16_t index) { clicked.append(index); });
    });
    QCOMPARE(cells.ubound(), -1);
    QVERIFY(!cells.load(1)); // nothing to copy yet

    QPixmap picture(32, 32);
    picture.fill(Qt::blue);
    auto* first = new ImageControl(&window, 0, {1560, 840, 480, 480}, true);
    first->setPicture(picture);
    cells.add(0, first);
    ImageControl* copy = cells.load(3);
    QVERIFY(copy);
    QCOMPARE(copy->index(), 3);
    QCOMPARE(copy->geometry(), first->geometry());
    QCOMPARE(copy->picture().cacheKey(), picture.cacheKey());
    QVERIFY(copy->isHidden());
    QCOMPARE(cells.ubound(), 3);
    QVERIFY(!cells.exists(2));
    QVERIFY(!cells.load(3)); // an element that exists is not made twice
    QVERIFY(!cells.load(-1));

    int visited = 0;
    cells.forEach([&visited](ImageControl&) { ++visited; });
    QCOMPARE(visited, 2);

    window.show();
    copy->show();
    copy->setLeft(3000);
    QCOMPARE(copy->x(), 200);
    QTest::mouseClick(copy, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(3, 3));
    // A press that leaves the control before its release is no click.
    QTest::mousePress(first, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(first, Qt::LeftButton, {}, QPoint(40, 3));
    QCOMPARE(clicked, (QList<std::int16_t>{3, 0}));
}

namespace {

// The label drawn on a blue ground, the way the about window shows its credits.
template <typename Label>
QImage drawn(Label& label, const QString& text, const QFont& font, const QColor& ink) {
    label.setText(text);
    label.setFont(font);
    QPalette colours = label.palette();
    colours.setColor(QPalette::Window, Qt::blue);
    colours.setColor(QPalette::WindowText, ink);
    label.setPalette(colours);
    return label.grab().toImage();
}

} // namespace

void TestRuntime::labelLooksLikeAPlainLabelAfterEveryChange() {
    QWidget window;
    LabelControl control(&window, {0, 0, 3000, 300});
    control.setAutoFillBackground(true);
    QLabel plain(&window);
    plain.setGeometry(control.geometry());
    plain.setAlignment(control.alignment());
    plain.setAutoFillBackground(true);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QFont bold = window.font();
    bold.setBold(true);
    struct Look {
        QString text;
        QFont font;
        QColor ink;
    };
    // Each look changes one thing that the kept picture depends on.
    const QList<Look> looks{
        {QStringLiteral("Programmation : l'\u00e9quipe"), window.font(), Qt::white},
        {QStringLiteral("Graphismes : l'atelier"), window.font(), Qt::white},
        {QStringLiteral("Graphismes : l'atelier"), bold, Qt::white},
        {QStringLiteral("Graphismes : l'atelier"), bold, Qt::yellow},
    };
    QImage previous;
    for (const Look& look : looks) {
        const QImage expected = drawn(plain, look.text, look.font, look.ink);
        const QImage actual = drawn(control, look.text, look.font, look.ink);
        QCOMPARE(actual, expected);
        QVERIFY(actual != previous);
        previous = actual;
    }
    control.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    plain.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(control.grab().toImage(), plain.grab().toImage());
    QVERIFY(control.grab().toImage() != previous);
}

void TestRuntime::heldPictureLoadsOnceWhenFirstAskedFor() {
    QWidget window;
    ImageControl holder(&window, 0, {0, 0, 480, 480}, false);
    int loads = 0;
    QPixmap red(32, 32);
    red.fill(Qt::red);
    holder.setPictureLoader([&] {
        ++loads;
        return red;
    });
    QCOMPARE(loads, 0);
    QCOMPARE(holder.picture().cacheKey(), red.cacheKey());
    ImageControl* copy = holder.cloneAt(1);
    QCOMPARE(copy->picture().cacheKey(), red.cacheKey());
    QCOMPARE(loads, 1);

    // A picture set outright wins over one still waiting to load.
    QPixmap blue(32, 32);
    blue.fill(Qt::blue);
    holder.setPictureLoader([&] {
        ++loads;
        return red;
    });
    holder.setPicture(blue);
    QCOMPARE(holder.picture().cacheKey(), blue.cacheKey());
    QCOMPARE(loads, 1);
}

namespace {

class CountedPaints : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

} // namespace

void TestRuntime::deferredWorkWaitsForTheFirstPaintAndRunsOnce() {
    CountedPaints window;
    QList<int> paintsSeenByTheTask;
    AfterFirstPaint(window, [&] { paintsSeenByTheTask.append(window.paints); });
    QCoreApplication::processEvents();
    QVERIFY(paintsSeenByTheTask.isEmpty());

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(paintsSeenByTheTask.size(), 1);
    QVERIFY(paintsSeenByTheTask.front() >= 1);
    window.repaint();
    window.update();
    QTest::qWait(20);
    QCOMPARE(paintsSeenByTheTask.size(), 1);
}

void TestRuntime::dragGoesToTheSystemOnceMovesGoUnanswered() {
    // Each case: the pointer moves as (window unmoved, milliseconds since the first move), and
    // the move after which the system takes over, or -1.
    using Moves = std::vector<std::pair<bool, qint64>>;
    const std::vector<std::pair<Moves, int>> cases{
        {{{true, 0}, {true, 50}, {true, 100}}, 2},             // the third move at 100 ms
        {{{true, 0}, {true, 99}, {true, 99}, {true, 101}}, 3}, // 100 ms come after the third
        {{{true, 0}, {true, 200}}, -1},                        // two moves only
        {{{true, 0}, {false, 30}, {true, 150}, {true, 300}, {true, 400}}, -1}, // it followed
    };
    for (const auto& [moves, handedAt] : cases) {
        IgnoredMoveWatch watch;
        watch.restart();
        int handed = -1;
        for (std::size_t i = 0; i < moves.size() && handed < 0; ++i)
            if (watch.ignored(moves[i].first, moves[i].second))
                handed = static_cast<int>(i);
        QCOMPARE(handed, handedAt);
    }
}

// A window manager that adds its frame to every placement request: the box asks once plainly,
// then once more, as far off the other way, and ends where it was meant to stand.
void TestRuntime::messageBoxOvercomesAFrameAddedToEveryRequest() {
    QWidget parent;
    parent.setGeometry(200, 150, 400, 300);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    CentredMessageBox box(QMessageBox::NoIcon, QStringLiteral("t"), QStringLiteral("text"),
                          QMessageBox::Ok, &parent);
    struct FrameAddingManager : QObject {
        QList<QPoint> placed; // where it put the box, which are no requests
        bool eventFilter(QObject* watched, QEvent* event) override {
            auto* box = static_cast<QWidget*>(watched);
            const QPoint at = box->geometry().topLeft();
            if (event->type() == QEvent::Move && box->isVisible() && !placed.contains(at)) {
                placed.append(at + QPoint(7, 23));
                QTimer::singleShot(0, box, [box, to = placed.last()] {
                    box->setGeometry(QRect(to, box->size()));
                });
            }
            return false;
        }
    } manager;
    box.installEventFilter(&manager);
    box.show();
    QRect wanted(QPoint(), box.size());
    wanted.moveCenter(parent.geometry().center());
    QTRY_COMPARE(box.geometry().topLeft(), wanted.topLeft());
    QTest::qWait(300);
    QCOMPARE(box.geometry().topLeft(), wanted.topLeft());
    QCOMPARE(manager.placed.size(), 3); // the first request, the plain one, the mirrored one
}

void TestRuntime::aWindowBesideNeverCoversTheBoard_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("wanted");
    QTest::addColumn<bool>("besideTheWholeWindow");
    // The analysis and the help, frames included, beside a centred main window.
    for (const QSize wanted : {QSize(648, 394), QSize(488, 454)}) {
        QTest::addRow("1024x600, %dx%d", wanted.width(), wanted.height())
            << QSize(1024, 600) << wanted << false;
        QTest::addRow("1280x800, %dx%d", wanted.width(), wanted.height())
            << QSize(1280, 800) << wanted << true;
        QTest::addRow("1920x1080, %dx%d", wanted.width(), wanted.height())
            << QSize(1920, 1080) << wanted << true;
    }
}

// Beside the window, smaller if need be, where the screen has room; else beside, above or below
// the board, but always on the screen, clear of the board, and large enough to read.
void TestRuntime::aWindowBesideNeverCoversTheBoard() {
    QFETCH(QSize, screen);
    QFETCH(QSize, wanted);
    QFETCH(bool, besideTheWholeWindow);
    const QRect available(QPoint(0, 0), screen);
    QRect window(QPoint(), QSize(400, 274));
    window.moveCenter(available.center());
    const QRect board = window.adjusted(100, 16, -25, -20);
    const QRect placed = PlaceClearOf(available, window, board, wanted);
    QVERIFY(available.contains(placed));
    QVERIFY(!placed.intersects(board));
    QCOMPARE(!placed.intersects(window), besideTheWholeWindow);
    QVERIFY2(placed.width() >= 380 && placed.height() >= 380,
             qPrintable(QStringLiteral("%1x%2").arg(placed.width()).arg(placed.height())));
    // The other of the two opens beside the board too, and beside the first, still of use.
    const QRect second = PlaceClearOf(available, window, board, wanted, placed);
    QVERIFY(available.contains(second));
    QVERIFY(!second.intersects(board));
    QVERIFY(!second.intersects(placed));
    QVERIFY2(second.width() >= 300 && second.height() >= 300,
             qPrintable(QStringLiteral("%1x%2").arg(second.width()).arg(second.height())));
}

QTEST_MAIN(TestRuntime)
#include "tst_runtime.moc"

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis_window/analysis_window.h"
#include "game/opening_table.h"
#include "game/solver.h"
#include "game/victory.h"
#include "help_window/help_window.h"
#include "main_window/board_note.h"
#include "main_window/commands.h"
#include "main_window/computer_game_view.h"
#include "main_window/form1.h"
#include "main_window/kept_choices.h"
#include "main_window/narrator.h"
#include "main_window/show_main_window.h"
#include "match/computer_player.h"
#include "resources/application.h"
#include "resources/layouts.h"
#include "runtime/twips.h"
#include "support/modal_closer.h"
#include "support/window_tests.h"

#include <QAccessibleActionInterface>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QTranslator>
#include <algorithm>
#include <cmath>

using namespace quatrelle;
using main_window::Form1;
using runtime::ImageControl;

namespace {

void clickArrow(Form1& form, int column) {
    QTest::mouseClick(&form.arrows()[column], Qt::LeftButton, {}, QPoint(16, 16));
}

void clickCell(Form1& form, int cell) {
    QTest::mouseClick(&form.cubes()[cell], Qt::LeftButton, {}, QPoint(16, 16));
}

// Plays a move string such as "3334" by clicking the arrows, as a player does.
void play(Form1& form, std::string_view moves) {
    for (const char move : moves)
        clickArrow(form, move - '0');
}

// Gives the window the activation, as a window manager does when the player comes back to it
// or when a box or menu that it opened has gone; offscreen gives it back to no one.
bool activate(QWidget& window) {
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window) && QTest::qWaitFor([&] {
               const QWidget* focus = QApplication::focusWidget();
               return focus && focus->window() == &window;
           });
}

void hover(QWidget& widget, QPoint at = QPoint(16, 16)) {
    QTest::mouseMove(&widget, at);
}

// What assistive technology sees of a widget.
QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

void press(QObject* object) {
    QAccessibleInterface* control = accessible(object);
    QVERIFY(control && control->actionInterface());
    QVERIFY(control->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    control->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// Painted, as a player sees it: pure blue within a few levels, never black.
bool isBlue(QColor colour) {
    return colour.blue() > 220 && colour.red() < 30 && colour.green() < 30;
}

qint64 pictureOf(const ImageControl& control) {
    return control.picture().cacheKey();
}

// Which arrows show the hovered picture.
QList<int> highlighted(const Form1& form) {
    QList<int> result;
    const qint64 hovered = pictureOf(form.arrowPictures()[0]);
    for (int column = 0; column < 7; ++column)
        if (pictureOf(form.arrows()[column]) == hovered)
            result.append(column);
    return result;
}

// The empty cells that show a hint, as a player sees one: a yellow ring reaching two thirds of
// the way to a piece's edge, hollow so that it is no piece.
QList<int> hintedCells(const Form1& form) {
    QList<int> cells;
    for (int cell = 0; cell < 35; ++cell) {
        const QImage image = form.cubes()[cell].grab().toImage();
        const QPoint middle(image.width() / 2, image.height() / 2);
        const QColor ring = image.pixelColor(middle + QPoint(image.width() * 8 / 31, 0));
        if (form.gameState().Board()[cell] == 0 && ring.red() > 200 && ring.green() > 200 &&
            isBlue(image.pixelColor(middle)))
            cells.append(cell);
    }
    return cells;
}

// The pieces that carry a mark, as a player sees it: a white ring inside the piece.
QList<int> markedCells(const Form1& form) {
    QList<int> cells;
    for (int cell = 0; cell < 35; ++cell) {
        const QImage image = form.cubes()[cell].grab().toImage();
        const QPoint middle(image.width() / 2, image.height() / 2);
        const QColor centre = image.pixelColor(middle);
        const QColor ring = image.pixelColor(middle + QPoint(image.width() * 6 / 31, 0));
        if (centre.red() > 200 && centre.blue() < 30 && ring.red() > 240 && ring.green() > 240 &&
            ring.blue() > 240)
            cells.append(cell);
    }
    return cells;
}

// Every cell shows the holder picture of its board value.
bool cellsShowTheBoard(const Form1& form) {
    for (int cell = 0; cell < 35; ++cell)
        if (pictureOf(form.cubes()[cell]) !=
            pictureOf(form.cubePictures()[form.gameState().Board()[cell]]))
            return false;
    return true;
}

// What a screen reader is told to speak wherever the focus is: the names of the notifications
// as they appear, in order.
class Listener : public QObject {
public:
    Listener() { qApp->installEventFilter(this); }
    QString last() const { return m_heard.isEmpty() ? QString() : m_heard.last(); }
    const QStringList& all() const { return m_heard; }
    qsizetype count() const { return m_heard.size(); }
    qsizetype countOf(const QString& text) const { return m_heard.count(text); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        QAccessibleInterface* object = watched->isWidgetType() ? accessible(watched) : nullptr;
        if (event->type() == QEvent::Show && object && object->role() == QAccessible::Notification)
            m_heard.append(object->text(QAccessible::Name));
        return false;
    }

private:
    QStringList m_heard;
};

// Marks every translation, Qt's own included, around each run of words between its
// placeholders, so that what is put into a text must bring its own marks: words shown or said
// without them have escaped the translations.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        static const QRegularExpression placeholder(QStringLiteral("%(n|L?\\d+)"));
        const QString text = QString::fromUtf8(source);
        QString marked;
        qsizetype from = 0;
        for (const QRegularExpressionMatch& found : placeholder.globalMatch(text)) {
            marked += mark(text.mid(from, found.capturedStart() - from)) + found.captured();
            from = found.capturedEnd();
        }
        return marked + mark(text.mid(from));
    }

private:
    static QString mark(const QString& words) {
        return words.isEmpty() ? words : u'\u27e6' + words + u'\u27e7';
    }
};

// The letters of a text that lie outside every mark, but for the game's name and the keys that
// a letter or a number names.
QString unmarked(QString text) {
    static const QRegularExpression marked(QStringLiteral("\u27e6[^\u27e7]*\u27e7"));
    static const QRegularExpression keyOrName(QStringLiteral("\\b(F\\d+|[A-Z]|Quatrelle)\\b"));
    static const QRegularExpression notALetter(QStringLiteral("[^\\p{L}]"));
    return text.replace(marked, QStringLiteral(" ")).remove(keyOrName).remove(notALetter);
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        const QString problem = testing::prepareWindowTests();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        // What the menu chooses is kept here, not in the user's settings.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    }
    void init() {
        m_form = std::make_unique<Form1>();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        m_closer = std::make_unique<testing::ModalCloser>();
    }
    void cleanup() {
        m_closer.reset();
        m_form.reset();
    }

    void startUpBuildsTheBoardFromItsPrototypes();
    void startUpShowsAnEmptyBoard();
    void dropsFillColumnsFromTheBottom();
    void fullColumnsAndFloatingCellsBeep();
    void occupiedCellsAreIgnoredAndPlayableCellsDrop();
    void hoverHighlightsTheColumnAClickWouldFill();
    void highlightStaysAfterAClickUntilThePointerMoves();
    void winMessageIsExactAndComesAgain();
    void bothPlayersWithLinesNameTheFirstInScanOrder();
    void dragMovesTheWindowWithAnyButton();
    void pressesOnControlsNeverDrag();
    void newGameClearsTheBoardAndGivesTheMoveToPlayerOne();
    void helpAndUnknownButtonsDoNothing();
    void f1OpensAHelpThatNamesEveryKey();
    void aboutDisablesTheWindowUntilClosed();
    void quitEndsTheEventLoopWithStatusZero();
    void keyboardAndAssistiveTechnologyPlayAWholeGame();
    void playAloneAgainstTheComputerWithHintsAndTakeBacks();
    void walkTheBoardFromTheKeyboardAndHearEveryMove();
    void aKeyCutsTheNewsItComesOver_data();
    void aKeyCutsTheNewsItComesOver();
    void heldCommandKeysActOnce_data();
    void heldCommandKeysActOnce();
    void aPendingReplyWaitsForTheAboutWindow();
    void theAnalysisIsHeardAsItOpens();
    void theMenuOpensOnAClickNotADragAndChoosesTheComputer();
    void noTextEscapesTheTranslations();

private:
    QTemporaryDir m_settings;
    std::unique_ptr<Form1> m_form;
    std::unique_ptr<testing::ModalCloser> m_closer;
};

void TestMainWindow::startUpBuildsTheBoardFromItsPrototypes() {
    Form1& form = *m_form;
    QCOMPARE(form.arrows().ubound(), 6);
    QCOMPARE(form.cubes().ubound(), 34);
    for (int i = 0; i <= 34; ++i)
        QVERIFY(form.cubes().at(i) && form.cubes()[i].isVisible());
    for (int i = 0; i <= 6; ++i) {
        QVERIFY(form.arrows()[i].isVisible());
        QCOMPARE(form.arrows()[i].twips().top, 240.0f);
        QCOMPARE(form.arrows()[i].twips().left, 1560.0f + 600.0f * i);
    }
    QCOMPARE(form.arrows()[6].twips().left, 5160.0f);
    QCOMPARE(form.cubes()[7].twips().left, 1560.0f);
    QCOMPARE(form.cubes()[7].twips().top, 1440.0f);
    QCOMPARE(form.cubes()[6].twips().left, 5160.0f);
    QCOMPARE(form.cubes()[34].twips().left, 5160.0f);
    QCOMPARE(form.cubes()[34].twips().top, 3240.0f);

    // 6040 x 4120 twips at 15 twips a pixel: 402.67 x 274.67, rounded to 403 x 275.
    QCOMPARE(runtime::TwipsPerPixelX(), 15.0);
    QCOMPARE(form.size(), QSize(403, 275));
    QCOMPARE(form.mask().boundingRect(), QRect(0, 0, 403, 275));
    for (const QPoint corner : {QPoint(0, 0), QPoint(402, 0), QPoint(0, 274), QPoint(402, 274)})
        QVERIFY(!form.mask().contains(corner));
    // Every pixel whose centre lies within the outline rounded by a 30 x 30 ellipse belongs to
    // the window, and no other.
    QRegion outline;
    for (int y = 0; y < 275; ++y)
        for (int x = 0; x < 403; ++x) {
            const double cx = std::clamp(x + 0.5, 15.0, 403 - 15.0);
            const double cy = std::clamp(y + 0.5, 15.0, 275 - 15.0);
            if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= 15.0)
                outline += QRect(x, y, 1, 1);
        }
    QVERIFY(form.mask() == outline);

    // Pixels follow from twips: cell 31 stands at (104 + 3 * 40, 56 + 4 * 40).
    QCOMPARE(form.cubes()[31].geometry(), QRect(224, 216, 32, 32));
    QCOMPARE(form.buttons()[3].geometry(), QRect(8, 112, 89, 25));
    QCOMPARE(form.buttons()[1].caption(), QStringLiteral("A propos de"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Quatrelle"));
    QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);

    // The holders stay hidden below the window.
    form.cubePictures().forEach([](const ImageControl& holder) { QVERIFY(!holder.isVisible()); });
    form.arrowPictures().forEach([](const ImageControl& holder) { QVERIFY(!holder.isVisible()); });

    // Centred on the screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(qAbs(form.geometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(form.geometry().center().y() - screen.center().y()) <= 1);
}

void TestMainWindow::startUpShowsAnEmptyBoard() {
    Form1& form = *m_form;
    QCOMPARE(form.gameState().Board(), game::BoardArray{});
    QCOMPARE(form.gameState().CurrentPlayer(), 0);
    QVERIFY(cellsShowTheBoard(form));
    QVERIFY(highlighted(form).isEmpty());
    const qint64 normal = pictureOf(form.arrowPictures()[1]);
    form.arrows().forEach(
        [normal](const ImageControl& arrow) { QCOMPARE(arrow.picture().cacheKey(), normal); });
    QVERIFY(!form.cubePictures()[0].picture().isNull());
    // High-density screens get the pictures drawn at twice the size, shown at the same place.
    const QPixmap& cell = form.cubePictures()[0].picture();
    const bool dense = form.cubes()[0].width() * qApp->devicePixelRatio() > 32;
    QCOMPARE(cell.devicePixelRatio(), dense ? 2.0 : 1.0);
    QCOMPARE(cell.deviceIndependentSize(), QSizeF(32, 32));
    // Each holder by what it shows: the empty cell blue in the middle, the first player's
    // piece yellow, the second's red, and the lit arrow darker than the normal one.
    const auto middle = [](const ImageControl& holder) {
        const QImage image = holder.picture().toImage();
        return image.pixelColor(image.width() / 2, image.height() / 2);
    };
    QVERIFY(isBlue(middle(form.cubePictures()[0])));
    const QColor yellow = middle(form.cubePictures()[1]);
    QVERIFY(yellow.red() > 200 && yellow.green() > 200 && yellow.blue() < 60);
    const QColor red = middle(form.cubePictures()[2]);
    QVERIFY(red.red() > 200 && red.green() < 80 && red.blue() < 60);
    const auto lightness = [](const ImageControl& holder) {
        const QImage image = holder.picture().toImage();
        qint64 sum = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                sum += image.pixelColor(x, y).lightness();
        return sum;
    };
    QVERIFY(lightness(form.arrowPictures()[0]) < lightness(form.arrowPictures()[1]));

    // At any density every cell is painted to its edges, whose pixels are the picture's blue.
    const QImage shown = form.grab().toImage();
    const qreal ratio = shown.devicePixelRatio();
    for (int cell = 0; cell < 35; ++cell) {
        const QRect device(form.cubes()[cell].geometry().topLeft() * ratio,
                           form.cubes()[cell].size() * ratio);
        for (const QPoint corner :
             {device.topLeft(), device.topRight(), device.bottomLeft(), device.bottomRight()})
            QVERIFY2(
                isBlue(shown.pixelColor(corner)),
                qPrintable(
                    QStringLiteral("cell %1 at %2,%3").arg(cell).arg(corner.x()).arg(corner.y())));
    }
    // The rounded outline cuts away the skin's white corner, at any density. (The skin is a
    // pixel smaller than the window, so only the top-left corners of the two coincide.)
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            QVERIFY2(!form.mask().contains(QPoint(x, y)) ||
                         shown.pixelColor(QPoint(x, y) * ratio).lightness() < 200,
                     qPrintable(QStringLiteral("white at %1,%2").arg(x).arg(y)));
    // The skin covers the window: blue right of the board, down to the bottom margin.
    const QPoint margin = form.cubes()[34].geometry().bottomRight() + QPoint(8, 8);
    QVERIFY(isBlue(shown.pixelColor(margin * ratio)));
}

void TestMainWindow::dropsFillColumnsFromTheBottom() {
    Form1& form = *m_form;
    QSignalSpy beeps(&form, &Form1::beeped);
    play(form, "3");
    QCOMPARE(form.gameState().Board()[31], 1);
    QCOMPARE(pictureOf(form.cubes()[31]), pictureOf(form.cubePictures()[1]));
    QCOMPARE(form.gameState().CurrentPlayer(), 1);
    play(form, "3");
    QCOMPARE(form.gameState().Board()[24], 2);
    QCOMPARE(pictureOf(form.cubes()[24]), pictureOf(form.cubePictures()[2]));
    QCOMPARE(form.gameState().CurrentPlayer(), 0);
    play(form, "0123456");
    QVERIFY(cellsShowTheBoard(form));
    QCOMPARE(beeps.count(), 0);
    QVERIFY(m_closer->seen().isEmpty());

    // The last cell filled without a line: its drop says the board is full rather than whose
    // turn it is, and B names no empty column.
    QVERIFY(activate(form));
    QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier);
    play(form, "1563251352343020425421113654040660");
    Listener heard;
    play(form, "6");
    QVERIFY2(heard.last().endsWith(QStringLiteral(" Grille pleine. Nouveau jeu pour rejouer.")) &&
                 !heard.last().contains(QStringLiteral("de jouer")),
             qPrintable(heard.last()));
    QTest::keyClick(&form, Qt::Key_B);
    QVERIFY2(!heard.last().contains(QStringLiteral("vide")), qPrintable(heard.last()));
}

void TestMainWindow::fullColumnsAndFloatingCellsBeep() {
    Form1& form = *m_form;
    QSignalSpy beeps(&form, &Form1::beeped);
    play(form, "22222");
    const game::BoardArray before = form.gameState().Board();
    play(form, "2");
    QCOMPARE(beeps.count(), 1);
    QCOMPARE(form.gameState().Board(), before);
    QCOMPARE(form.gameState().CurrentPlayer(), 1);

    clickCell(form, 0); // floating: nothing below it
    QCOMPARE(beeps.count(), 2);
    clickCell(form, 27);
    QCOMPARE(beeps.count(), 3);
    QCOMPARE(form.gameState().Board(), before);
    QCOMPARE(form.gameState().CurrentPlayer(), 1);
    QVERIFY(cellsShowTheBoard(form));

    // A right click is no click.
    QTest::mouseClick(&form.arrows()[4], Qt::RightButton, {}, QPoint(16, 16));
    QCOMPARE(form.gameState().Board()[32], 0);
}

void TestMainWindow::occupiedCellsAreIgnoredAndPlayableCellsDrop() {
    Form1& form = *m_form;
    QSignalSpy beeps(&form, &Form1::beeped);
    clickCell(form, 29); // bottom row: playable
    QCOMPARE(form.gameState().Board()[29], 1);
    clickCell(form, 29); // occupied now: nothing at all
    QCOMPARE(beeps.count(), 0);
    QCOMPARE(form.gameState().CurrentPlayer(), 1);
    clickCell(form, 22); // on top of it: playable, same as its arrow
    QCOMPARE(form.gameState().Board()[22], 2);
    QCOMPARE(form.gameState().CurrentPlayer(), 0);
    QVERIFY(cellsShowTheBoard(form));
    QCOMPARE(beeps.count(), 0);
}

void TestMainWindow::hoverHighlightsTheColumnAClickWouldFill() {
    Form1& form = *m_form;
    for (int cell = 0; cell < 35; ++cell) {
        hover(form.cubes()[cell]);
        QCOMPARE(highlighted(form), cell >= 28 ? QList<int>{cell % 7} : QList<int>{});
    }
    hover(form.arrows()[2]);
    QCOMPARE(highlighted(form), QList<int>{2});
    hover(form.arrows()[3]);
    QCOMPARE(highlighted(form), QList<int>{3});
    hover(form, QPoint(200, 262)); // the window's surface, below the board
    QVERIFY(highlighted(form).isEmpty());

    play(form, "5555");
    hover(form.cubes()[5]); // top cell on four pieces: playable
    QCOMPARE(highlighted(form), QList<int>{5});
    hover(form.cubes()[26]); // occupied
    QVERIFY(highlighted(form).isEmpty());
    hover(form.cubes()[28]);
    QCOMPARE(highlighted(form), QList<int>{0});
    hover(form.buttons()[0], QPoint(10, 10)); // the buttons' second notification
    QVERIFY(highlighted(form).isEmpty());
}

void TestMainWindow::highlightStaysAfterAClickUntilThePointerMoves() {
    Form1& form = *m_form;
    QSignalSpy beeps(&form, &Form1::beeped);
    play(form, "5555");
    hover(form.cubes()[5]);
    clickCell(form, 5); // fills the column
    QCOMPARE(form.gameState().Board()[5], 1);
    QCOMPARE(highlighted(form), QList<int>{5});
    hover(form.cubes()[5], QPoint(17, 17));
    QVERIFY(highlighted(form).isEmpty());
    hover(form.arrows()[5]); // the arrow of a full column still lights up
    QCOMPARE(highlighted(form), QList<int>{5});
    clickArrow(form, 5);
    QCOMPARE(beeps.count(), 1);
    QCOMPARE(highlighted(form), QList<int>{5});
}

void TestMainWindow::winMessageIsExactAndComesAgain() {
    Form1& form = *m_form;
    play(form, "051626");
    QVERIFY(m_closer->seen().isEmpty());
    play(form, "3"); // yellow completes 28 to 31
    QCOMPARE(m_closer->seen().size(), 1);
    const auto seen = m_closer->seen().front();
    QCOMPARE(seen.text, QStringLiteral("Le joueur 1 a gagn\u00e9! - Der Spieler 1 hat gewonnen !"));
    QCOMPARE(seen.title, QStringLiteral("Quatrelle"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons.size(), 1);
    // A screen reader hears the result, then the drop that the winning drop came too soon after
    // for a voice to have said, then the winning drop, from the message itself.
    QCOMPARE(seen.said, QStringList{seen.text + QStringLiteral(" Rouge en colonne 7, rang\u00e9e "
                                                               "2. Jaune en colonne 4, rang\u00e9e "
                                                               "1.")});
    QCOMPARE(form.gameState().CurrentPlayer(), 1);

    // Play goes on, and the line is announced after every later drop. A message closed by a
    // key that cut it is said again in front of the next.
    m_closer->byKey = true;
    play(form, "6");
    m_closer->byKey = false;
    QTRY_VERIFY_WITH_TIMEOUT(!form.findChild<main_window::Narrator*>()->isSayingNews(), 20000);
    QCOMPARE(m_closer->seen().size(), 2);
    QCOMPARE(m_closer->seen().last().text, seen.text);
    QCOMPARE(form.gameState().Board()[20], 2);
    play(form, "4"); // a fifth in the row: still one message per drop
    QCOMPARE(m_closer->seen().size(), 3);
    QVERIFY2(m_closer->seen().last().said.value(0).startsWith(
                 seen.text + u' ' + m_closer->seen()[1].said.value(0) + u' '),
             qPrintable(m_closer->seen().last().said.value(0)));
    QVERIFY(cellsShowTheBoard(form));

    // Refused moves change nothing, so they announce nothing, line or not.
    play(form, "1111"); // column 1 full, every drop announcing the line again
    const qsizetype announced = m_closer->seen().size();
    QCOMPARE(announced, 7);
    play(form, "1");
    clickCell(form, 0);  // floating
    clickCell(form, 29); // occupied
    QCOMPARE(m_closer->seen().size(), announced);

    // The last cell filled, nobody is to play, and the window says so.
    play(form, "0000222233334444555566");
    QVERIFY(form.gameState().IsFull());
    QCOMPARE(accessible(&form)->text(QAccessible::Description),
             QStringLiteral("Grille pleine. Nouveau jeu pour rejouer."));
}

void TestMainWindow::bothPlayersWithLinesNameTheFirstInScanOrder() {
    Form1& form = *m_form;
    play(form, "3031323"); // yellow wins in column 3
    QCOMPARE(m_closer->seen().size(), 1);
    play(form, "0505");
    QCOMPARE(m_closer->seen().size(), 5);
    QCOMPARE(m_closer->seen().last().text.at(10), QLatin1Char('1'));
    play(form, "0"); // red completes column 0, which comes first in scan order
    QCOMPARE(m_closer->seen().size(), 6);
    QCOMPARE(m_closer->seen().last().text,
             QStringLiteral("Le joueur 2 a gagn\u00e9! - Der Spieler 2 hat gewonnen !"));
}

void TestMainWindow::dragMovesTheWindowWithAnyButton() {
    Form1& form = *m_form;
    const QPoint grab(40, 200); // the surface below the buttons
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        const QPoint start = form.pos();
        QTest::mousePress(&form, button, {}, grab);
        QVERIFY(form.isDragging());
        QTest::mouseMove(&form, grab + QPoint(30, -20));
        QCOMPARE(form.pos(), start + QPoint(30, -20));
        // The grabbed point stays under the pointer: the next move is relative to the new place.
        QTest::mouseMove(&form, grab + QPoint(-5, 7));
        QCOMPARE(form.pos(), start + QPoint(25, -13));
        QTest::mouseRelease(&form, button, {}, grab + QPoint(-5, 7));
        QVERIFY(!form.isDragging());
        const QPoint after = form.pos();
        QTest::mouseMove(&form, grab + QPoint(50, 50));
        QCOMPARE(form.pos(), after);
    }

    // Releasing a second button ends the drag, though the first is still held.
    const QPoint held = form.pos();
    QTest::mousePress(&form, Qt::LeftButton, {}, grab);
    QTest::mousePress(&form, Qt::RightButton, {}, grab);
    QTest::mouseRelease(&form, Qt::RightButton, {}, grab);
    QVERIFY(!form.isDragging());
    QTest::mouseMove(&form, grab + QPoint(20, 20));
    QCOMPARE(form.pos(), held);
    QTest::mouseRelease(&form, Qt::LeftButton, {}, grab + QPoint(20, 20));

    // A press and release without movement leaves the window where it was.
    const QPoint still = form.pos();
    QTest::mouseClick(&form, Qt::LeftButton, {}, grab);
    QCOMPARE(form.pos(), still);

    // Moving over the surface clears a highlight, dragging or not.
    hover(form.arrows()[1]);
    QTest::mouseMove(&form, grab);
    QVERIFY(highlighted(form).isEmpty());
}

void TestMainWindow::pressesOnControlsNeverDrag() {
    Form1& form = *m_form;
    const QPoint start = form.pos();
    for (QWidget* control :
         {static_cast<QWidget*>(&form.cubes()[10]), static_cast<QWidget*>(&form.arrows()[0]),
          static_cast<QWidget*>(&form.buttons()[2])}) {
        QTest::mousePress(control, Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(!form.isDragging());
        QTest::mouseMove(&form, QPoint(60, 230));
        QTest::mouseRelease(control, Qt::RightButton, {}, QPoint(5, 5));
    }
    QCOMPARE(form.pos(), start);
}

void TestMainWindow::newGameClearsTheBoardAndGivesTheMoveToPlayerOne() {
    Form1& form = *m_form;
    QTest::mouseClick(&form.buttons()[0], Qt::LeftButton);
    QCOMPARE(form.gameState().Board(), game::BoardArray{});

    play(form, "0516263");
    QCOMPARE(m_closer->seen().size(), 1);
    hover(form.arrows()[6]);
    QTest::mouseClick(&form.buttons()[0], Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(form.gameState().Board(), game::BoardArray{});
    QCOMPARE(form.gameState().CurrentPlayer(), 0);
    QVERIFY(cellsShowTheBoard(form));
    QCOMPARE(highlighted(form), QList<int>{6}); // the arrows are left as they were

    play(form, "3"); // player 1 opens, although player 2 was to move before
    QCOMPARE(form.gameState().Board()[31], 1);
    QCOMPARE(m_closer->seen().size(), 1);
}

void TestMainWindow::helpAndUnknownButtonsDoNothing() {
    Form1& form = *m_form;
    play(form, "33");
    const game::BoardArray before = form.gameState().Board();
    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(&form.buttons()[2], Qt::LeftButton);
    QCOMPARE(form.gameState().Board(), before);
    QVERIFY(form.isEnabled());
    QVERIFY(!form.aboutWindow());
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(
        std::count_if(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); }),
        1);
    // Hovering it says where the menu and the help are.
    QVERIFY(form.buttons()[2].toolTip().contains(QStringLiteral("F1")));

    // Until a player has opened the menu once, resting on the bare surface names it; the
    // controls keep their own tooltips. The menu opened, the hint is gone, at the next start too.
    // The very first start, with no settings yet, shows the way beside the board and says it,
    // until the first key; no later start does.
    QFile::remove(QSettings().fileName());
    const QString way = QStringLiteral("Clic droit : le menu, pour jouer seul contre "
                                       "l'ordinateur.");
    const auto restOn = [](QWidget& window, QPoint at) {
        QToolTip::hideText();
        if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
            return QStringLiteral("a tooltip that does not go");
        QWidget* under = window.childAt(at) ? window.childAt(at) : &window;
        QHelpEvent rest(QEvent::ToolTip, under->mapFrom(&window, at), window.mapToGlobal(at));
        QApplication::sendEvent(under, &rest);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    const QPoint bare(40, 250);
    for (int start = 0; start < 2; ++start) {
        Listener heard;
        Form1 fresh;
        main_window::ShowMainWindow(fresh);
        QVERIFY(QTest::qWaitForWindowExposed(&fresh));
        auto* note = fresh.findChild<main_window::BoardNote*>(QStringLiteral("firstStartNote"));
        QCOMPARE(note != nullptr, start == 0);
        if (note) {
            QTRY_VERIFY(note->isVisible());
            QCOMPARE(note->text(), way);
            QVERIFY(!note->geometry().intersects(fresh.frameGeometry()));
            QCOMPARE(heard.countOf(way), 1);
            // Drawn as a tooltip is: its face, framed in its text's colour.
            const QImage drawn = note->grab().toImage();
            QCOMPARE(drawn.pixelColor(drawn.width() / 2, 3),
                     QToolTip::palette().color(QPalette::ToolTipBase));
            QCOMPARE(drawn.pixelColor(0, drawn.height() / 2),
                     QToolTip::palette().color(QPalette::ToolTipText));
        }
        QVERIFY(!fresh.childAt(bare));
        QCOMPARE(restOn(fresh, bare), start == 0 ? way : QString());
        QCOMPARE(restOn(fresh, fresh.arrows()[3].geometry().center()), QString());
        QTimer closeMenu;
        connect(&closeMenu, &QTimer::timeout, [] {
            if (QWidget* menu = QApplication::activePopupWidget())
                menu->close();
        });
        closeMenu.start(20);
        QTest::keyClick(&fresh, Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(restOn(fresh, bare), QString());
        QVERIFY(!note || !note->isVisible());
    }
}

// F1 opens the help beside the board without blocking it, and Escape closes it. The help names
// every key that the window answers, as the menu names it in the player's language: its
// commands' shortcuts, and the keys that its board takes.
void TestMainWindow::f1OpensAHelpThatNamesEveryKey() {
    Form1& form = *m_form;
    QVERIFY(activate(form));
    QTest::keyClick(&form, Qt::Key_F1);
    help::HelpWindow* help = form.findChild<help::HelpWindow*>();
    QVERIFY(help);
    QTRY_VERIFY(help->isVisible());
    QVERIFY(!help->isModal());
    QVERIFY(form.isEnabled());
    // Beside the board, not where the window system would put it.
    QVERIFY(!help->frameGeometry().intersects(form.boardOnScreen()));
    clickArrow(form, 3);
    QCOMPARE(form.gameState().MoveCount(), 1);
    QCOMPARE(accessible(help)->role(), QAccessible::Window);
    // Read line by line at a caret, and from heading to heading with Ctrl+Down.
    help->activateWindow();
    QTRY_VERIFY(help->isActiveWindow());
    QAccessibleTextInterface* reading = accessible(QApplication::focusWidget())->textInterface();
    QVERIFY(reading);
    const auto lineAtCaret = [reading] {
        int start = 0, end = 0;
        return reading->textAtOffset(reading->cursorPosition(), QAccessible::LineBoundary, &start,
                                     &end);
    };
    Listener heard; // a jump moves no caret that a screen reader follows: it says where
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(lineAtCaret().trimmed(), QStringLiteral("Seul contre l'ordinateur"));
    QCOMPARE(heard.last(), QStringLiteral("Seul contre l'ordinateur"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QVERIFY(lineAtCaret().startsWith(QStringLiteral("Un clic droit")));
    QVERIFY(activate(form));

    QStringList keys;
    for (const QAction* action : form.actions())
        for (const QKeySequence& shortcut : action->shortcuts())
            keys.append(shortcut.toString(QKeySequence::NativeText));
    form.arrows()[3].setFocus(); // the board's keys walk the board from an arrow
    QStringList taken;
    for (int key :
         {Qt::Key_Left,  Qt::Key_Right,     Qt::Key_Up,       Qt::Key_Down,   Qt::Key_Home,
          Qt::Key_End,   Qt::Key_PageUp,    Qt::Key_PageDown, Qt::Key_Return, Qt::Key_Enter,
          Qt::Key_Space, Qt::Key_Backspace, Qt::Key_Delete,   Qt::Key_Insert, Qt::Key_1,
          Qt::Key_7,     Qt::Key_8,         Qt::Key_0,        Qt::Key_A,      Qt::Key_B,
          Qt::Key_R,     Qt::Key_X}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&form, &press);
        if (press.isAccepted())
            taken.append(QKeySequence(key).toString(QKeySequence::NativeText));
    }
    QVERIFY(taken.contains(QKeySequence(Qt::Key_Left).toString(QKeySequence::NativeText)));
    QVERIFY(taken.contains(QStringLiteral("7")));
    QVERIFY(!taken.contains(QStringLiteral("8")));
    keys.append(taken);
    const QString text = help->plainText();
    for (const QString& key : keys)
        QVERIFY2(
            text.contains(QRegularExpression(
                QStringLiteral("(^|[^\\w+])%1([^\\w+]|$)").arg(QRegularExpression::escape(key)),
                QRegularExpression::UseUnicodePropertiesOption)),
            qPrintable(key));

    QTest::keyClick(help, Qt::Key_Escape);
    QVERIFY(!help->isVisible());
}

void TestMainWindow::aboutDisablesTheWindowUntilClosed() {
    Form1& form = *m_form;
    play(form, "33");
    const game::BoardArray before = form.gameState().Board();
    QTest::mouseClick(&form.buttons()[1], Qt::LeftButton);
    about::frmSplash* about = form.aboutWindow();
    QVERIFY(about && about->isVisible() && about->isLoaded());
    QVERIFY(!form.isEnabled());
    QCOMPARE(about->windowHandle()->transientParent(), form.windowHandle()); // stays in front

    // Nothing of the main window answers: board, buttons, dragging.
    const QPoint start = form.pos();
    clickArrow(form, 0);
    clickCell(form, 30);
    QTest::mouseClick(&form.buttons()[0], Qt::LeftButton);
    QTest::mousePress(&form, Qt::LeftButton, {}, QPoint(40, 200));
    QTest::mouseMove(&form, QPoint(90, 240));
    QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(90, 240));
    QCOMPARE(form.gameState().Board(), before);
    QCOMPARE(form.pos(), start);

    QTest::mouseClick(about->FlatBttn1(), Qt::LeftButton);
    QVERIFY(!about->isVisible());
    QVERIFY(!about->isLoaded());
    QVERIFY(form.isEnabled());
    play(form, "0");
    QCOMPARE(form.gameState().Board()[28], 1);

    // A second showing uses the same object; a window manager's close enables the main window.
    QTest::mouseClick(&form.buttons()[1], Qt::LeftButton);
    QCOMPARE(form.aboutWindow(), about);
    QVERIFY(!form.isEnabled());
    about->close();
    QVERIFY(!about->isVisible());
    QVERIFY(form.isEnabled());
}

void TestMainWindow::quitEndsTheEventLoopWithStatusZero() {
    Form1& form = *m_form;
    play(form, "123");
    QSignalSpy beeps(&form, &Form1::beeped);
    QTimer::singleShot(0, &form,
                       [&form] { QTest::mouseClick(&form.buttons()[3], Qt::LeftButton); });
    // Anything queued after the click would run if the loop went on.
    QTimer::singleShot(50, &form,
                       [&form] { QTest::mouseClick(&form.buttons()[0], Qt::LeftButton); });
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(form.gameState().Board()[29], 1);

    // The window manager's close of the main window ends the program too, about window or not,
    // by itself rather than through Qt's rule for the last window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    for (const bool aboutOpen : {false, true}) {
        form.show();
        if (aboutOpen)
            QTest::mouseClick(&form.buttons()[1], Qt::LeftButton);
        QTimer::singleShot(0, &form, [&form] { form.close(); });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, &form, [] { QCoreApplication::exit(7); });
        watchdog.start(5000);
        QCOMPARE(QApplication::exec(), 0);
    }
    QApplication::setQuitOnLastWindowClosed(true);
}

void TestMainWindow::keyboardAndAssistiveTechnologyPlayAWholeGame() {
    Form1& form = *m_form;
    QSignalSpy beeps(&form, &Form1::beeped);
    QAccessibleInterface* window = accessible(&form);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Quatrelle"));
    QCOMPARE(window->text(QAccessible::Description),
             QStringLiteral("Au joueur 1 (jaune) de jouer"));
    // No hidden picture holder; the news line, which a screen reader reads without naming
    // each notification's role, is the last.
    int statusLines = 0;
    for (int i = 0; i < window->childCount(); ++i) {
        const QString name = window->child(i)->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty() || window->child(i)->role() == QAccessible::StatusBar,
                 "an unnamed child, as a hidden picture holder would be");
        statusLines += window->child(i)->role() == QAccessible::StatusBar;
    }
    QCOMPARE(statusLines, 1);
    QCOMPARE(window->child(window->childCount() - 1)->role(), QAccessible::StatusBar);
    QAccessibleInterface* newGame = accessible(&form.buttons()[0]);
    QCOMPARE(newGame->role(), QAccessible::Button);
    QCOMPARE(newGame->text(QAccessible::Name), QStringLiteral("Nouveau jeu"));
    QCOMPARE(accessible(&form.arrows()[6])->text(QAccessible::Name),
             QStringLiteral("Colonne 7 : vide"));
    QCOMPARE(accessible(&form.arrows()[6])->role(), QAccessible::Button);

    // A Press goes through the click handlers: it drops, refuses a floating cell, ignores an
    // occupied one.
    press(&form.arrows()[3]);
    QTRY_COMPARE(form.gameState().Board()[31], 1);
    QCOMPARE(accessible(&form.cubes()[31])->text(QAccessible::Name),
             QStringLiteral("Colonne 4, rang\u00e9e 1 : jaune"));
    QCOMPARE(window->text(QAccessible::Description),
             QStringLiteral("Au joueur 2 (rouge) de jouer"));
    press(&form.cubes()[3]);
    QTRY_COMPARE(beeps.count(), 1);
    press(&form.cubes()[31]);
    press(&form.cubes()[24]);
    QTRY_COMPARE(form.gameState().Board()[24], 2);
    QCOMPARE(beeps.count(), 1);
    QCOMPARE(accessible(&form.cubes()[24])->text(QAccessible::Name),
             QStringLiteral("Colonne 4, rang\u00e9e 2 : rouge"));

    // The keyboard: the focus starts on "Nouveau jeu" and is not marked until a key is used.
    QVERIFY(activate(form));
    QCOMPARE(QApplication::focusWidget(), &form.buttons()[0]);
    const QImage unmarked = form.buttons()[0].grab().toImage();
    for (const auto& [key, button] :
         std::initializer_list<std::pair<Qt::Key, int>>{{Qt::Key_Tab, 1},
                                                        {Qt::Key_Tab, 2},
                                                        {Qt::Key_Tab, 3},
                                                        {Qt::Key_Backtab, 2},
                                                        {Qt::Key_Backtab, 1},
                                                        {Qt::Key_Backtab, 0}}) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(QApplication::focusWidget(), &form.buttons()[button]);
    }
    QVERIFY(form.buttons()[0].grab().toImage() != unmarked);

    // Digits of both rows drop; yellow completes the bottom row through the keys alone.
    for (const auto& [key, modifiers] :
         std::initializer_list<std::pair<int, Qt::KeyboardModifiers>>{
             {Qt::Key_1, Qt::NoModifier},
             {Qt::Key_1, Qt::KeypadModifier},
             {Qt::Key_2, {}},
             {Qt::Key_2, {}},
             {Qt::Key_7, {}},
             {Qt::Key_7, Qt::KeypadModifier}})
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    QCOMPARE(form.gameState().Board()[28], 1);
    QCOMPARE(form.gameState().Board()[21], 2);
    QCOMPARE(form.gameState().Board()[34], 1);
    QCOMPARE(form.gameState().Board()[27], 2);
    QCOMPARE(m_closer->seen().size(), 0);
    // A held key drops once; Shift with a main-row digit plays (French keyboards), Control not.
    QKeyEvent held(QEvent::KeyPress, Qt::Key_3, Qt::NoModifier, QStringLiteral("3"), true);
    QApplication::sendEvent(QApplication::focusWidget(), &held);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_6, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_6, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_6, Qt::ShiftModifier);
    QCOMPARE(form.gameState().Board()[33], 1);
    QCOMPARE(form.gameState().Board()[26], 2);
    QCOMPARE(form.gameState().MoveCount(), 10);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_8); // no column 8
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_3);
    QCOMPARE(m_closer->seen().size(), 1); // 28 to 31
    QVERIFY(activate(form));
    QTRY_COMPARE(QApplication::focusWidget(), &form.buttons()[0]);
    // R says the win again, with no score: nobody played the computer.
    Listener heard;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_R);
    QCOMPARE(heard.last(),
             QStringLiteral("Le joueur 1 a gagn\u00e9! - Der Spieler 1 hat gewonnen ! "
                            "Rouge en colonne 6, rang\u00e9e 2. "
                            "Jaune en colonne 3, rang\u00e9e 1."));

    // Space presses the focused button, Escape closes the about window, and the main window
    // takes no key meanwhile.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    about::frmSplash* about = form.aboutWindow();
    QVERIFY(about && about->isLoaded());
    QCOMPARE(accessible(about)->role(), QAccessible::Dialog);
    QCOMPARE(accessible(about)->text(QAccessible::Name), QStringLiteral("A propos de Quatrelle"));
    QCOMPARE(about->focusWidget(), about->FlatBttn1());
    const game::BoardArray before = form.gameState().Board();
    QTest::keyClick(&form, Qt::Key_5);
    QTest::keyClick(&form.buttons()[0], Qt::Key_Return);
    QCOMPARE(form.gameState().Board(), before);
    QTest::keyClick(about, Qt::Key_Escape);
    QVERIFY(!about->isLoaded() && form.isEnabled());
    QVERIFY(activate(form));
    QTRY_COMPARE(QApplication::focusWidget(), &form.buttons()[1]); // where the keyboard left off

    // A Press refused by a disabled window stays refused; one still waiting when the about
    // window opens is dropped.
    form.setEnabled(false);
    press(&form.arrows()[5]);
    form.setEnabled(true);
    QTest::qWait(20);
    QCOMPARE(form.gameState().Board(), before);
    press(&form.arrows()[5]);
    QTest::mouseClick(&form.buttons()[1], Qt::LeftButton);
    QTest::qWait(20);
    QCOMPARE(form.gameState().Board(), before);
    about->close();

    // Opened again and closed through "Fermer"'s Press; then Enter starts a new game.
    press(&form.buttons()[1]);
    QTRY_VERIFY(about->isLoaded());
    press(about->FlatBttn1());
    QTRY_VERIFY(!about->isLoaded());
    QVERIFY(form.isEnabled());
    QTest::keyClick(&form.buttons()[0], Qt::Key_Enter);
    QCOMPARE(form.gameState().Board(), game::BoardArray{});
    QCOMPARE(heard.last(), QStringLiteral("Nouvelle partie. Au joueur 1 (jaune) de jouer."));
    QCOMPARE(window->text(QAccessible::Description),
             QStringLiteral("Au joueur 1 (jaune) de jouer"));
    QCOMPARE(accessible(&form.cubes()[31])->text(QAccessible::Name),
             QStringLiteral("Colonne 4, rang\u00e9e 1 : vide"));
}

void TestMainWindow::playAloneAgainstTheComputerWithHintsAndTakeBacks() {
    m_form.reset();
    Form1 form({1, game::Level::Unbeatable}); // the computer plays red, perfectly
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QSignalSpy beeps(&form, &Form1::beeped);
    Listener heard;
    const auto description = [&form] { return accessible(&form)->text(QAccessible::Description); };
    const auto bestColumns = [](const game::Game& game) {
        game::Solver solver(&game::OpeningTable::BuiltIn());
        return solver.BestColumns(game::Position::FromGame(game));
    };

    // The window says who plays and how well. A key drops yellow; the reply comes about 400 ms
    // later, in a column the solver accepts, and neither keys nor clicks play meanwhile: they
    // are told why. The move and its reply are said in one sentence.
    const QString opponent = QStringLiteral("Contre l'ordinateur (rouge), niveau Imbattable.");
    QCOMPARE(description(), opponent + QStringLiteral(" A vous de jouer."));
    QTest::keyClick(&form, Qt::Key_4);
    QCOMPARE(description(), opponent + QStringLiteral(" L'ordinateur r\u00e9fl\u00e9chit."));
    const game::Game afterYellow = form.gameState();
    QTest::keyClick(&form, Qt::Key_1);
    clickArrow(form, 0);
    QCOMPARE(heard.countOf(QStringLiteral("L'ordinateur r\u00e9fl\u00e9chit.")), 2);
    QTest::qWait(match::ComputerPlayer::ReplyDelay / 2);
    QCOMPARE(form.gameState().MoveCount(), 1);
    QTRY_COMPARE(form.gameState().MoveCount(), 2);
    QCOMPARE(form.gameState().Board()[28], 0);
    int reply = -1;
    for (int cell = 0; cell < 35; ++cell)
        if (form.gameState().Board()[cell] == 2)
            reply = game::ColumnOf(cell);
    const std::vector<int> accepted = bestColumns(afterYellow);
    QVERIFY(std::find(accepted.begin(), accepted.end(), reply) != accepted.end());
    const QString replyCell =
        QStringLiteral("%1, rang\u00e9e %2").arg(reply + 1).arg(reply == 3 ? 2 : 1);
    // Once the computer has played, the description is its move, short enough to hear whole.
    const QString yourTurn = QStringLiteral("Ordinateur : %1. A vous de jouer.").arg(replyCell);
    QCOMPARE(description(), yourTurn);
    // The reply comes first: a key cuts the player's own move rather than the news.
    QCOMPARE(heard.last(),
             QStringLiteral("Ordinateur : %1. Vous : 4, rang\u00e9e 1.").arg(replyCell));
    // R says the last announcement again, and changes nothing.
    QTest::keyClick(&form, Qt::Key_R);
    QCOMPARE(heard.last(),
             QStringLiteral("Ordinateur : %1. Vous : 4, rang\u00e9e 1.").arg(replyCell));
    QCOMPARE(form.gameState().MoveCount(), 2);
    // Its piece falls into its cell and stays marked.
    const int replyIndex = reply == 3 ? 24 : 28 + reply;
    QTRY_COMPARE(markedCells(form), QList<int>{replyIndex});

    // H shows a small yellow piece where a best move would land, and lights no arrow; it stays
    // when the pointer moves, and H again puts it out.
    QTest::keyClick(&form, Qt::Key_H);
    QTRY_COMPARE(hintedCells(form).size(), 1);
    const int hinted = game::ColumnOf(hintedCells(form).front());
    QCOMPARE(hintedCells(form).front(), int(form.gameState().LandingCell(hinted)));
    const std::vector<int> best = bestColumns(form.gameState());
    QVERIFY(std::find(best.begin(), best.end(), hinted) != best.end());
    QVERIFY(highlighted(form).isEmpty());
    QCOMPARE(description(), QStringLiteral("Conseil : colonne %1").arg(hinted + 1));
    hover(form.buttons()[2]);
    hover(form.arrows()[0]);
    QCOMPARE(hintedCells(form).size(), 1);
    QTest::keyClick(&form, Qt::Key_H);
    QVERIFY(hintedCells(form).isEmpty());
    QCOMPARE(description(), yourTurn);
    QCOMPARE(heard.last(), QStringLiteral("Conseil retir\u00e9."));

    // Ctrl+Z takes back the reply and the move before it; then there is nothing to take back.
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(form.gameState().Board(), game::BoardArray{});
    QCOMPARE(form.gameState().CurrentPlayer(), 0);
    QCOMPARE(heard.last(), QStringLiteral("Coups repris : l'ordinateur en colonne %1 ; vous en "
                                          "colonne 4, rang\u00e9e 1. A vous.")
                               .arg(replyCell));
    QCOMPARE(accessible(&form.arrows()[3])->text(QAccessible::Name),
             QStringLiteral("Colonne 4 : vide"));
    QCOMPARE(accessible(&form.cubes()[31])->text(QAccessible::Name),
             QStringLiteral("Colonne 4, rang\u00e9e 1 : vide"));
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(beeps.count(), 3);
    QTest::keyClick(&form, Qt::Key_A); // nothing to analyse says so, after the refusal it cut
    QCOMPARE(beeps.count(), 4);
    QCOMPARE(heard.last(), QStringLiteral("Rien \u00e0 reprendre. Rien \u00e0 analyser : la grille "
                                          "est vide."));

    // "Nouveau jeu" (here Ctrl+N) drops a pending reply.
    QTest::keyClick(&form, Qt::Key_2);
    QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier);
    QTest::qWait(match::ComputerPlayer::ReplyDelay * 2);
    QCOMPARE(form.gameState().MoveCount(), 0);

    qsizetype heardBeforeLastMove = 0;
    // A player who only fills the first columns loses. The computer's mark goes with the
    // player's next drop; the end comes in the player's words, then the line is marked. Each
    // key comes while a voice would still say the news before: the next announcement says it
    // again, in front, once: the reply, or a refusal, which has said the reply again already.
    const QRegularExpression replies(QStringLiteral("Ordinateur : \\d, rang\u00e9e \\d\\."));
    QString lastReply;
    QList<int> markedAsTheResultOpens; // the winning piece has landed by then
    connect(form.findChild<main_window::ComputerGameView*>(),
            &main_window::ComputerGameView::resultShowing, this,
            [&] { markedAsTheResultOpens = markedCells(form); });
    for (const int key : {Qt::Key_1, Qt::Key_1, Qt::Key_1, Qt::Key_1, Qt::Key_1, Qt::Key_2,
                          Qt::Key_2, Qt::Key_2, Qt::Key_2, Qt::Key_2}) {
        if (game::FindWinningLine(form.gameState().Board()))
            break;
        heardBeforeLastMove = heard.count();
        QTest::keyClick(&form, Qt::Key(key));
        QCOMPARE(markedCells(form), QList<int>{});
        QTRY_VERIFY(form.gameState().CurrentPlayer() == 0 ||
                    game::FindWinningLine(form.gameState().Board()));
        if (game::FindWinningLine(form.gameState().Board()))
            break;
        const QString firstHeard = heard.all().value(heardBeforeLastMove);
        QVERIFY2(lastReply.isEmpty() || firstHeard.startsWith(lastReply + u' '),
                 qPrintable(firstHeard));
        lastReply.clear();
        const QRegularExpressionMatch refusal =
            QRegularExpression(QStringLiteral("Colonne \\d pleine\\.$")).match(heard.last());
        if (refusal.hasMatch())
            lastReply = refusal.captured();
        else if (heard.last().contains(QStringLiteral("Vous : ")))
            for (const QRegularExpressionMatch& reply : replies.globalMatch(heard.last()))
                lastReply = reply.captured();
    }
    QTRY_COMPARE(m_closer->seen().size(), 1);
    QCOMPARE(m_closer->seen().front().text,
             QStringLiteral("L'ordinateur a gagn\u00e9 ! - Der Computer hat gewonnen !"));
    QCOMPARE(markedAsTheResultOpens,
             QList<int>{form.gameState().CellOfMove(form.gameState().MoveCount() - 1)});
    QCOMPARE(m_closer->seen().front().details,
             QStringLiteral("Score (Imbattable) : 0\u00a0gagn\u00e9e, "
                            "0\u00a0nulle, 1\u00a0perdue, 0\u00a0abandonn\u00e9e"));
    QVERIFY(m_closer->seen().front().said.contains(QStringLiteral(
        "Score (Imbattable) : 0 gagn\u00e9e, 0 nulle, 1 perdue, 0 abandonn\u00e9e")));
    const auto line = game::FindWinningLine(form.gameState().Board());
    QVERIFY(line);
    QList<int> lineCells(line->cells.begin(), line->cells.end());
    std::sort(lineCells.begin(), lineCells.end());
    QTRY_COMPARE(markedCells(form), lineCells);
    // The message says the last moves before its own text, since a screen reader cuts what it
    // says when the message appears, and nothing was said in front of it; the window says the
    // game is over, who won where, and the score.
    const QStringList said = m_closer->seen().front().said;
    const QRegularExpression moves(QStringLiteral(
        "^L'ordinateur a gagn\u00e9 ! - Der Computer hat gewonnen !( (Ordinateur|Vous) : \\d, "
        "rang\u00e9e \\d\\.)+ Vous : \\d, rang\u00e9e \\d\\.$"));
    QVERIFY2(said.size() == 2 && moves.match(said[0]).hasMatch(), qPrintable(said.join(u'|')));
    QCOMPARE(heard.count(), heardBeforeLastMove);
    // The winning piece's place, heard whole in 4 s at a voice's 15 characters a second; the
    // score is behind R.
    const int winning = form.gameState().CellOfMove(form.gameState().MoveCount() - 1);
    QCOMPARE(
        description(),
        QStringLiteral("Partie termin\u00e9e : l'ordinateur a gagn\u00e9 en %1, rang\u00e9e %2.")
            .arg(game::ColumnOf(winning) + 1)
            .arg(game::Rows - game::RowOf(winning)));
    QVERIFY(description().size() <= 60);
    QVERIFY(activate(form));
    const int beepsBefore = beeps.count();
    QTest::keyClick(&form, Qt::Key_H); // no hint once a line stands
    QCOMPARE(beeps.count(), beepsBefore + 1);

    // The game is over: a drop changes nothing and says why; the game's end was said once.
    const game::BoardArray over = form.gameState().Board();
    QTest::keyClick(&form, Qt::Key_7);
    clickArrow(form, 6);
    QTest::qWait(match::ComputerPlayer::ReplyDelay * 2);
    QCOMPARE(form.gameState().Board(), over);
    QCOMPARE(m_closer->seen().size(), 1);
    QCOMPARE(beeps.count(), beepsBefore + 3);
    // Each refusal said, the first after the hint's that its key cut.
    QCOMPARE(heard.all().mid(heard.count() - 2),
             (QStringList{QStringLiteral("Pas de conseil : une ligne est faite. Partie "
                                         "termin\u00e9e : Nouveau jeu pour rejouer."),
                          QStringLiteral("Partie termin\u00e9e : Nouveau jeu pour rejouer.")}));
    // Ctrl+Z takes back the computer's winning move and the player's before it, and the marks.
    const int before = form.gameState().MoveCount();
    const int lastOfYours = game::ColumnOf(form.gameState().CellOfMove(before - 2));
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(form.gameState().MoveCount(), before - 2);
    QCOMPARE(markedCells(form), QList<int>{});
    QCOMPARE(resources::LoadScore(game::Level::Unbeatable), resources::Score{}); // unfinished
    QTest::qWait(50);
    QCOMPARE(m_closer->seen().size(), 1); // taking back announces nothing

    // Lost again, counted once; R says the result and the score again; resetting the score is
    // heard, and the menu follows.
    QTest::keyClick(&form, Qt::Key(Qt::Key_1 + lastOfYours));
    QTRY_COMPARE(m_closer->seen().size(), 2);
    const QString score = QStringLiteral("Score (Imbattable) : 0 gagn\u00e9e, 0 nulle, %1 perdue, "
                                         "0 abandonn\u00e9e");
    QVERIFY(activate(form));
    QTest::keyClick(&form, Qt::Key_R);
    QVERIFY2(heard.last().startsWith(QStringLiteral("L'ordinateur a gagn\u00e9 !")) &&
                 heard.last().endsWith(score.arg(1) + u'.'),
             qPrintable(heard.last()));
    // The menu shows the score of the level played; the reset asks first, and wipes that level
    // alone.
    QVERIFY(resources::SaveScore(game::Level::Medium, {1, 2, 3}));
    QAction* reset = nullptr;
    QAction* scoreEntry = nullptr;
    for (QAction* entry : form.findChild<main_window::Commands*>()->menu().actions()) {
        if (entry->text().startsWith(QStringLiteral("Score (")))
            scoreEntry = entry;
        if (entry->text() == QStringLiteral("Remettre le score \u00e0 z\u00e9ro"))
            reset = entry;
    }
    QVERIFY(reset && scoreEntry);
    QCOMPARE(scoreEntry->text(), score.arg(1));
    reset->trigger();
    QCOMPARE(m_closer->seen().last().text,
             QStringLiteral("Remettre \u00e0 z\u00e9ro le score du niveau Imbattable ?"));
    QCOMPARE(resources::LoadScore(game::Level::Medium), (resources::Score{1, 2, 3}));
    QCOMPARE(heard.last(), QStringLiteral("Score remis \u00e0 z\u00e9ro."));
    QCOMPARE(scoreEntry->text(), score.arg(0));

    // "Nouveau jeu" leaves the game that ended as it was counted; it gives up the next one once
    // both sides have moved, and says so before the new game.
    const QString newGame =
        QStringLiteral("Nouvelle partie contre l'ordinateur (rouge), niveau Imbattable.");
    QVERIFY(activate(form));
    QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier);
    QVERIFY2(heard.last().startsWith(newGame), qPrintable(heard.last()));
    QTest::keyClick(&form, Qt::Key_4);
    QTRY_COMPARE(form.gameState().MoveCount(), 2);
    QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier);
    const QString givenUp =
        QStringLiteral("Partie abandonn\u00e9e, compt\u00e9e au score du niveau Imbattable.");
    QVERIFY2(heard.last().startsWith(givenUp + u' ' + newGame), qPrintable(heard.last()));
    // Seen beside the board too.
    const auto* note = form.findChild<main_window::BoardNote*>();
    QVERIFY(note && note->isVisible());
    QCOMPARE(note->text(), givenUp);
    QCOMPARE(heard.countOf(givenUp), 0); // heard once, with the new game, not again on its own
    QCOMPARE(scoreEntry->text(), QStringLiteral("Score (Imbattable) : 0 gagn\u00e9e, 0 nulle, 0 "
                                                "perdue, 1 abandonn\u00e9e"));
}

void TestMainWindow::walkTheBoardFromTheKeyboardAndHearEveryMove() {
    Form1& form = *m_form;
    Listener heard;
    QSignalSpy beeps(&form, &Form1::beeped);
    // The arrow as the pointer lights it, and as it is otherwise.
    hover(form.arrows()[1]);
    const QImage lit = form.arrows()[1].grab().toImage();
    hover(form, QPoint(200, 262));
    const QImage plain = form.arrows()[1].grab().toImage();
    QVERIFY(lit != plain);
    const auto litColumns = [&form, &lit] {
        QList<int> columns;
        for (int column = 0; column < 7; ++column)
            if (form.arrows()[column].grab().toImage() == lit)
                columns.append(column);
        return columns;
    };

    // A click is heard too, and leaves the keyboard where it was.
    QVERIFY(activate(form));
    clickArrow(form, 1);
    QCOMPARE(heard.last(),
             QStringLiteral("Jaune en colonne 2, rang\u00e9e 1. Au joueur 2 (rouge) de jouer."));
    QCOMPARE(QApplication::focusWidget(), &form.buttons()[0]);

    // Tab reaches the board after the four buttons, on the centre column, lit; the keys walk it.
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &form.arrows()[3]);
    QCOMPARE(litColumns(), QList<int>{3});
    for (const auto& [key, column] :
         std::initializer_list<std::pair<Qt::Key, int>>{{Qt::Key_Left, 2},
                                                        {Qt::Key_Home, 0},
                                                        {Qt::Key_Left, 0},
                                                        {Qt::Key_End, 6},
                                                        {Qt::Key_Right, 6}}) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(QApplication::focusWidget(), &form.arrows()[column]);
        QCOMPARE(litColumns(), QList<int>{column});
    }

    // Space, Down, Return and Enter drop into the focused column, a held key once; a refusal,
    // a floating cell's too, is heard as such; a digit plays and leaves the focus where it is.
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(QApplication::focusWidget(), &held);
    for (const Qt::Key key :
         {Qt::Key_Space, Qt::Key_Down, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Space})
        QTest::keyClick(QApplication::focusWidget(), key);
    QCOMPARE(form.gameState().MoveCount(), 6);
    QCOMPARE(beeps.count(), 1);
    // A refusal that the next cuts, as a voice is still saying it, is said again in front.
    clickCell(form, 7);
    QCOMPARE(heard.last(), QStringLiteral("Colonne 7 pleine. Colonne 1, rang\u00e9e 4 : pas encore "
                                          "jouable."));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_1);
    QCOMPARE(QApplication::focusWidget(), &form.arrows()[6]);
    QCOMPARE(heard.count(), 9); // every drop and refusal anew
    // B says the whole board, column by column from the bottom; R says the last move again.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_B);
    QCOMPARE(heard.last(), QStringLiteral("Grille : 1 jaune ; 2 jaune ; 7 rouge, jaune, rouge, "
                                          "jaune, rouge. Autres colonnes vides."));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_R);
    QCOMPARE(heard.last(),
             QStringLiteral("Colonne 1, rang\u00e9e 4 : pas encore jouable. Jaune en "
                            "colonne 1, rang\u00e9e 1. Au joueur 2 (rouge) de jouer."));
    QCOMPARE(form.gameState().MoveCount(), 7);

    // Leaving the board puts its light out; coming back finds the column where it was.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &form.buttons()[0]);
    QVERIFY(litColumns().isEmpty());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(litColumns(), QList<int>{6});
}

// A command key held down acts once, when it is pressed, not again with each repeat.
void TestMainWindow::heldCommandKeysActOnce_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("control");
    QTest::newRow("take back") << int(Qt::Key_Z) << true;
    QTest::newRow("new game") << int(Qt::Key_N) << true;
    QTest::newRow("hint") << int(Qt::Key_H) << false;
}

void TestMainWindow::heldCommandKeysActOnce() {
    QFETCH(int, key);
    QFETCH(bool, control);
    Form1& form = *m_form;
    play(form, "3333");
    Listener heard;
    const Qt::KeyboardModifiers modifiers = control ? Qt::ControlModifier : Qt::NoModifier;
    // As the window system repeats a held key: offered to the shortcuts first, as a press is.
    if (!qt_sendShortcutOverrideEvent(&form, 0, key, modifiers, QString(), true)) {
        QKeyEvent repeat(QEvent::KeyPress, key, modifiers, QString(), true);
        QApplication::sendEvent(&form, &repeat);
    }
    QTest::qWait(100);
    QCOMPARE(heard.count(), 0);
    QCOMPARE(form.gameState().MoveCount(), 4);
    QTest::keyClick(&form, Qt::Key(key), modifiers);
    QTRY_COMPARE(heard.count(), 1);
}

void TestMainWindow::aKeyCutsTheNewsItComesOver_data() {
    QTest::addColumn<QString>("before"); // what comes before the key, after the reply
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("carried"); // what the next announcement says again, in front
    QTest::newRow("Left, which only moves") << QString() << int(Qt::Key_Left) << QString();
    QTest::newRow("H, answered late") << QString() << int(Qt::Key_H) << QString();
    QTest::newRow("a second key after a refusal")
        << "refusal" << int(Qt::Key_Left) << "Colonne 1, rang\u00e9e 3 : pas encore jouable.";
    // B has just said the whole board, the reply's piece with it: nothing is carried.
    QTest::newRow("B, which says the board") << QString() << int(Qt::Key_B) << "nothing";
}

// Whether a key cut the news is decided as it is pressed, whatever it does: the news is said
// again, whole and once, in front of the next announcement, however late that comes.
void TestMainWindow::aKeyCutsTheNewsItComesOver() {
    QFETCH(QString, before);
    QFETCH(int, key);
    QFETCH(QString, carried);
    Form1 form({1, game::Level::Unbeatable});
    form.show();
    QVERIFY(activate(form));
    const auto* narrator = form.findChild<main_window::Narrator*>();
    Listener heard;
    QTest::keyClick(&form, Qt::Key_4);
    QTRY_VERIFY(heard.last().startsWith(QStringLiteral("Ordinateur : ")));
    if (before == QLatin1String("refusal"))
        clickCell(form, 14); // said over the reply, which it carries
    const QString news = heard.last();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QTRY_VERIFY_WITH_TIMEOUT(!narrator->isSayingNews(), 20000); // the voice would be done by now
    const qsizetype said = heard.count();
    if (key != Qt::Key_H)
        QTest::keyClick(&form, Qt::Key_6);
    QTRY_VERIFY(heard.count() > said);
    if (carried == QLatin1String("nothing")) {
        QVERIFY2(heard.last().startsWith(QStringLiteral("Ordinateur : ")) &&
                     !heard.last().contains(news),
                 qPrintable(heard.last()));
        return;
    }
    // The reply with the player's move, or the refusal said after them.
    const QString expected = carried.isEmpty() ? news : carried;
    QVERIFY2(heard.last().startsWith(expected + u' '), qPrintable(heard.last()));
    QCOMPARE(heard.last().count(expected), 1);
}

// The computer does not move behind the about window, nor speak over its credits.
void TestMainWindow::aPendingReplyWaitsForTheAboutWindow() {
    m_form.reset();
    Form1 form({1});
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Listener heard;
    QTest::keyClick(&form, Qt::Key_4);
    QTest::mouseClick(&form.buttons()[1], Qt::LeftButton);
    QVERIFY(form.aboutWindow() && form.aboutWindow()->isLoaded());
    QTest::qWait(match::ComputerPlayer::ReplyDelay * 2);
    QCOMPARE(form.gameState().MoveCount(), 1);
    QCOMPARE(heard.count(), 0); // the player's move waits to be said with the reply
    QTest::keyClick(form.aboutWindow(), Qt::Key_Escape);
    QTRY_COMPARE(form.gameState().MoveCount(), 2);
    QVERIFY(heard.last().startsWith(QStringLiteral("Ordinateur : ")));
    QVERIFY(heard.last().endsWith(QStringLiteral(" Vous : 4, rang\u00e9e 1.")));
}

// The analysis says its summary as it opens, the list of moves in the focus, and R says it
// again; the summary names each side's first mistake.
void TestMainWindow::theAnalysisIsHeardAsItOpens() {
    Form1& form = *m_form;
    Listener heard;
    play(form, "051626"); // red lets yellow complete the bottom row
    QTest::keyClick(&form, Qt::Key_A);
    auto* analysis = form.findChild<analysis::AnalysisWindow*>();
    QVERIFY(analysis);
    QTRY_VERIFY(analysis->isDone() && analysis->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<const QWidget*>(&analysis->moveList()));
    const QString summary = analysis->findChild<QLabel*>()->text();
    QCOMPARE(summary, QStringLiteral("Jaune : 2 erreurs, 1 gaffe, la premi\u00e8re au coup 1. "
                                     "Rouge : 1 erreur, 2 gaffes, la premi\u00e8re au coup 2. "
                                     "La partie s'est jou\u00e9e au coup 6."));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_R);
    QCOMPARE(heard.last(), summary);
    // The list opens on the last move; its ends say so where a key moves nowhere.
    for (const auto& [key, said] : std::initializer_list<std::pair<Qt::Key, const char*>>{
             {Qt::Key_Down, "Dernier coup de la partie."},
             {Qt::Key_Home, nullptr},
             {Qt::Key_Up, "Premier coup de la partie."},
             {Qt::Key_End, nullptr},
             {Qt::Key_End, "Dernier coup de la partie."}}) {
        const qsizetype before = heard.count();
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(heard.count(), before + (said ? 1 : 0));
        if (said)
            QCOMPARE(heard.last(), QString::fromUtf8(said));
    }
    analysis->close();
    const qsizetype said = heard.count();
    form.activateWindow();
    QTRY_VERIFY(form.isActiveWindow());
    QTest::keyClick(&form, Qt::Key_A); // reviewed already: read with the window, not said over it
    QTRY_VERIFY(analysis->isVisible());
    QCOMPARE(heard.count(), said);
    analysis->close();
}

// A right click on the surface that does not move the window opens the menu, also when the
// pointer moved a pixel; so do the Menu key and Shift+F10; a right drag moves the window, and a
// right press during a left drag ends it, opening nothing. The menu ticks the opponent and the
// level being played, and offers the level only against the computer. A choice that would throw
// a game away asks first; a choice starts a new game and is kept for the next start.
void TestMainWindow::theMenuOpensOnAClickNotADragAndChoosesTheComputer() {
    m_closer.reset();
    // The window as a start makes it, its choices kept in the settings.
    m_form = std::make_unique<Form1>(main_window::KeptChoices());
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    std::unique_ptr<Form1> restarted;
    QStringList opened;
    QStringList asked;
    QString wanted;            // the entry to choose in the next menu, by its text
    QString answer;            // the button that answers a question
    bool readAsActive = false; // the window, while its menu is open, to a screen reader
    const auto entries = [](const QMenu& menu, auto& self) -> QString {
        QStringList texts;
        for (QAction* action : menu.actions())
            if (action->isVisible())
                texts.append(
                    QLatin1String(menu.activeAction() == action ? ">" : "") + action->text() +
                    QLatin1String(action->isChecked() ? "*" : "") +
                    QLatin1String(action->isEnabled() ? "" : "-") +
                    (action->menu() ? u'[' + self(*action->menu(), self) + u']' : QString()));
        return texts.join(u'|');
    };
    // A timer of its own: the question opens while the chooser's timer is still choosing.
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, this, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            asked.append(box->text());
            for (QAbstractButton* button : box->buttons())
                if (button->text() == answer)
                    button->click();
        }
    });
    answerer.start(0);
    QTimer chooser;
    connect(&chooser, &QTimer::timeout, this, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        opened.append(entries(*menu, entries));
        if (opened.size() == 1)
            readAsActive = QAccessible::queryAccessibleInterface(m_form.get())->state().active;
        for (QAction* action : menu->actions()) {
            for (QAction* entry : action->menu() ? action->menu()->actions() : QList{action})
                if (!wanted.isEmpty() && entry->text() == wanted)
                    entry->trigger();
        }
        wanted.clear();
        menu->close();
    });
    chooser.start(0);

    Form1& form = *m_form;
    const QPoint surface(40, 200);
    QTest::mouseClick(&form, Qt::RightButton, {}, surface);
    QTRY_COMPARE(opened.size(), 1);
    QVERIFY(!readAsActive); // else heard as the window activated anew, over the menu
    // Each entry shows its key, which a screen reader reads with it.
    QCOMPARE(
        opened.front(),
        QStringLiteral("Nouveau jeu\tCtrl+N||Deux joueurs*|L'ordinateur joue rouge|"
                       "L'ordinateur joue jaune|Niveau-[D\u00e9butant|Moyen*|Fort|Imbattable]||"
                       "Conseil\tH|Reprendre le coup\tCtrl+Z|Lire la grille\tB|"
                       "R\u00e9p\u00e9ter\tR|Analyser la partie\tA-||Aide\tF1|A propos de|"
                       "Quitter\tCtrl+Q"));
    // Opened by a key, its first entry is active, for a screen reader to read.
    QVERIFY(activate(form));
    QTest::keyClick(&form, Qt::Key_Menu);
    QTRY_COMPARE(opened.size(), 2);
    QVERIFY(opened.back().startsWith(QStringLiteral(">Nouveau jeu")));
    QVERIFY(activate(form));
    QTest::keyClick(&form, Qt::Key_F10, Qt::ShiftModifier);
    QTRY_COMPARE(opened.size(), 3);
    QVERIFY(opened.back().startsWith(QStringLiteral(">Nouveau jeu")));
    QTest::mousePress(&form, Qt::RightButton, {}, surface);
    QTest::mouseMove(&form, surface + QPoint(1, 0));
    QTest::mouseRelease(&form, Qt::RightButton, {}, surface + QPoint(1, 0));
    QTRY_COMPARE(opened.size(), 4);

    const QPoint start = form.pos();
    QTest::mousePress(&form, Qt::RightButton, {}, surface);
    QTest::mouseMove(&form, surface + QPoint(30, -20));
    QTest::mouseRelease(&form, Qt::RightButton, {}, surface + QPoint(30, -20));
    QCOMPARE(form.pos(), start + QPoint(30, -20));
    QTest::mousePress(&form, Qt::LeftButton, {}, surface);
    QTest::mousePress(&form, Qt::RightButton, {}, surface);
    QTest::mouseRelease(&form, Qt::RightButton, {}, surface);
    QVERIFY(!form.isDragging());
    QTest::mouseRelease(&form, Qt::LeftButton, {}, surface);
    QTest::qWait(50);
    QCOMPARE(opened.size(), 4);

    // With moves on the board the player is asked; «Non» keeps the game and its choices.
    play(form, "00");
    wanted = QStringLiteral("L'ordinateur joue rouge");
    answer = QStringLiteral("Non");
    QTest::mouseClick(&form, Qt::RightButton, {}, surface);
    QTRY_COMPARE(asked, QStringList{QStringLiteral("Abandonner la partie en cours ?")});
    QCOMPARE(form.gameState().MoveCount(), 2);
    wanted = QStringLiteral("L'ordinateur joue rouge");
    answer = QStringLiteral("Oui");
    QTest::mouseClick(&form, Qt::RightButton, {}, surface);
    QTRY_COMPARE(form.gameState().MoveCount(), 0);
    // The second menu was opened after «Non»: two players still ticked.
    QVERIFY(opened.value(5).startsWith(QStringLiteral("Nouveau jeu\tCtrl+N||Deux joueurs*|")));
    // On an empty board a choice applies at once; with the computer playing yellow, it opens.
    wanted = QStringLiteral("Imbattable");
    QTest::mouseClick(&form, Qt::RightButton, {}, surface);
    QTRY_COMPARE(opened.size(), 7);
    wanted = QStringLiteral("L'ordinateur joue jaune");
    QTest::mouseClick(&form, Qt::RightButton, {}, surface);
    QTRY_COMPARE(form.gameState().MoveCount(), 1);
    QCOMPARE(asked.size(), 2);
    const game::BoardArray& board = form.gameState().Board();
    QCOMPARE(std::count(board.begin() + 28, board.end(), 1), 1);
    QSettings kept;
    QCOMPARE(kept.value(QStringLiteral("opponent")).toString(), QStringLiteral("yellow"));
    QCOMPARE(kept.value(QStringLiteral("level")).toInt(), 4);
    // Choosing what is being played asks nothing, with a game under way too.
    clickArrow(form, 0);
    QTRY_COMPARE(form.gameState().MoveCount(), 3);
    for (const char* same : {"L'ordinateur joue jaune", "Imbattable"}) {
        wanted = QString::fromUtf8(same);
        QTest::mouseClick(&form, Qt::RightButton, {}, surface);
        QTRY_VERIFY(wanted.isEmpty());
    }
    QCOMPARE(asked.size(), 2);
    QCOMPARE(form.gameState().MoveCount(), 3);

    // The next start plays what was kept, and its menu says so.
    m_form.reset();
    restarted = std::make_unique<Form1>(main_window::KeptChoices());
    restarted->show();
    QVERIFY(QTest::qWaitForWindowExposed(restarted.get()));
    QTest::mouseClick(restarted.get(), Qt::RightButton, {}, surface);
    QTRY_COMPARE(opened.size(), 11);
    QCOMPARE(opened.last().mid(33, 99),
             QStringLiteral("L'ordinateur joue rouge|L'ordinateur joue jaune*|Niveau\tImbattable"
                            "[D\u00e9butant|Moyen|Fort|Imbattable*]"));
    // «Non» to the score's reset keeps the score.
    QVERIFY(resources::SaveScore(game::Level::Unbeatable, {1, 2, 3}));
    answer = QStringLiteral("Non");
    wanted = QStringLiteral("Remettre le score \u00e0 z\u00e9ro");
    QTest::mouseClick(restarted.get(), Qt::RightButton, {}, surface);
    QTRY_COMPARE(asked.size(), 3);
    QCOMPARE(resources::LoadScore(game::Level::Unbeatable), (resources::Score{1, 2, 3}));
}

// Every translation marked, a player reads and hears nothing unmarked: the buttons, the menu,
// the question, the help, the analysis, the about window, the messages of both kinds of game,
// the accessible names and descriptions, and what is announced.
void TestMainWindow::noTextEscapesTheTranslations() {
    m_form.reset();
    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    QStringList shown;
    const auto menuEntries = [&shown](const QMenu& menu, auto& self) -> void {
        for (const QAction* action : menu.actions()) {
            // A letter or a digit names its key as it is.
            shown.append(action->text().section(u'\t', 0, 0));
            if (action->menu())
                self(*action->menu(), self);
        }
    };
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(activate(form));
        Listener heard;
        for (int i = 0; i < 4; ++i)
            shown << form.buttons()[i].caption() << form.buttons()[i].toolTip()
                  << accessible(&form.buttons()[i])->text(QAccessible::Name);
        menuEntries(form.findChild<main_window::Commands*>()->menu(), menuEntries);
        play(form, "0516263"); // yellow wins: the message, then play goes on
        QTest::keyClick(&form, Qt::Key_H);
        QTest::keyClick(&form, Qt::Key_B);
        for (int i = 0; i < 35; ++i)
            shown << accessible(&form.cubes()[i])->text(QAccessible::Name);
        for (int i = 0; i < 7; ++i)
            shown << accessible(&form.arrows()[i])->text(QAccessible::Name);
        shown << accessible(&form)->text(QAccessible::Description);
        QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);

        QVERIFY(activate(form));
        QTest::keyClick(&form, Qt::Key_F1);
        auto* help = form.findChild<help::HelpWindow*>();
        QVERIFY(help);
        shown << help->windowTitle() << help->plainText();
        QVERIFY(activate(form));
        QTest::keyClick(&form, Qt::Key_A);
        auto* analysis = form.findChild<analysis::AnalysisWindow*>();
        QVERIFY(analysis);
        const auto review = [&shown, analysis] {
            QSignalSpy reviewed(analysis, &analysis::AnalysisWindow::done);
            QVERIFY(reviewed.wait());
            shown << analysis->windowTitle() << analysis->findChild<QLabel*>()->text();
            auto* moves = analysis->findChild<QListWidget*>();
            shown << accessible(moves)->text(QAccessible::Name);
            for (int i = 0; i < moves->count(); ++i)
                shown << moves->item(i)->text();
        };
        review();

        form.buttons()[1].click();
        QTRY_VERIFY(form.aboutWindow() && form.aboutWindow()->isVisible());
        shown << form.aboutWindow()->windowTitle() << form.aboutWindow()->Label1()->text()
              << form.aboutWindow()->FlatBttn1()->caption();
        form.aboutWindow()->FlatBttn1()->click();

        // The question, and a game lost to the computer, which ends with its own message.
        const auto seenBy = [&shown](const testing::ModalCloser& closer) {
            for (const auto& seen : closer.seen())
                shown << seen.text << seen.details << seen.buttons << seen.said;
        };
        seenBy(*m_closer);
        m_closer = std::make_unique<testing::ModalCloser>();
        // Marked, an entry is found by the words it holds.
        const auto entry = [&form](const char* words) -> QAction* {
            for (QAction* action : form.findChild<main_window::Commands*>()->menu().actions())
                if (action->text().contains(QString::fromUtf8(words)))
                    return action;
            return nullptr;
        };
        QAction* computerPlaysRed = entry("L'ordinateur joue rouge");
        QVERIFY(computerPlaysRed);
        computerPlaysRed->trigger();
        QTRY_COMPARE(m_closer->seen().size(), 1);
        form.buttons()[0].click(); // whatever the answer, on an empty board the choice applies
        computerPlaysRed->trigger();
        const auto over = [&form] {
            return game::FindWinningLine(form.gameState().Board()) || form.gameState().IsFull();
        };
        while (!over()) {
            for (int column = 0; column < 7; ++column)
                if (form.gameState().LandingCell(column) >= 0) {
                    clickArrow(form, column);
                    break;
                }
            QTRY_VERIFY(form.gameState().MoveCount() % 2 == 0 || over());
        }
        QTRY_COMPARE(m_closer->seen().size(), 2);
        // The score put back to zero, as the question is answered «Oui».
        QAction* resetScore = entry("Remettre le score");
        QVERIFY(resetScore);
        resetScore->trigger();
        QTRY_COMPARE(m_closer->seen().size(), 3);
        shown << accessible(&form)->text(QAccessible::Description) << heard.all();
        seenBy(*m_closer);
        QVERIFY(activate(form));
        QTest::keyClick(&form, Qt::Key_A);
        review();
        QVERIFY(heard.count() > 5);
    }
    QCoreApplication::removeTranslator(&marking);
    for (const QString& text : std::as_const(shown))
        QVERIFY2(unmarked(text).isEmpty(),
                 qPrintable(unmarked(text) + QStringLiteral(" in ") + text.left(200)));
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"

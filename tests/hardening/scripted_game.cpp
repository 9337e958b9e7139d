// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
// A whole session in one run, for the memory checker: start-up as the program starts, 200 drops
// with wins and new games, and the about window opened and closed ten times. The checker
// reports what this run does wrong with memory; the run itself checks that it played what it
// says it played.

#include "main_window/show_main_window.h"
#include "resources/application.h"
#include "resources/pictures.h"
#include "support/modal_closer.h"

#include <QApplication>
#include <QTest>
#include <random>

using namespace quatrelle;

class ScriptedGame : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aWholeSession();
};

void ScriptedGame::aWholeSession() {
    resources::DescribeApplication();
    QVERIFY(resources::MissingPictures().isEmpty());
    main_window::Form1 form;
    main_window::ShowMainWindow(form);
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_VERIFY(!QApplication::windowIcon().isNull()); // set once the board was painted
    testing::ModalCloser closer;

    std::mt19937 random(2026);
    int newGames = 0;
    for (int drop = 0; drop < 200; ++drop) {
        if (drop % 25 == 24) {
            QTest::mouseClick(&form.buttons()[0], Qt::LeftButton); // "Nouveau jeu"
            ++newGames;
        }
        // As a player does: the pointer crosses the board to an arrow, then clicks it.
        const int column = static_cast<int>(random() % 7);
        QTest::mouseMove(&form.cubes()[static_cast<int>(random() % 35)]);
        QTest::mouseMove(&form.arrows()[column]);
        QTest::mouseClick(&form.arrows()[column], Qt::LeftButton);
    }
    QVERIFY2(closer.seen().size() >= 3, "too few wins to check their message");
    QCOMPARE(newGames, 8);

    for (int showing = 0; showing < 10; ++showing) {
        QTest::mouseClick(&form.buttons()[1], Qt::LeftButton); // "A propos de"
        about::frmSplash* about = form.aboutWindow();
        QVERIFY(about && about->isLoaded());
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QTest::qWait(120); // a few scroll steps from the window's own timer
        if (showing % 2 == 0)
            QTest::mouseClick(about->FlatBttn1(), Qt::LeftButton); // "Fermer"
        else
            about->close(); // as a window manager closes it
        QVERIFY(!about->isLoaded());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QVERIFY(form.isEnabled());
}

QTEST_MAIN(ScriptedGame)
#include "scripted_game.moc"

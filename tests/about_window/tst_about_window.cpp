// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_window/credits.h"
#include "about_window/frm_splash.h"
#include "resources/application.h"
#include "resources/version.h"
#include "support/window_tests.h"

#include <QSignalSpy>
#include <QTest>

using namespace quatrelle;
using about::frmSplash;

class TestAboutWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        const QString problem = testing::prepareWindowTests();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    void textNamesTheVersionAndTheBetaNotice();
    void layoutMatchesTheStoredWindow();
    void textEntersFromTheRightAndWrapsAround();
    void aStepRepaintsOnlyTheUncoveredStrip();
    void timerScrollsOnlyWhileLoaded();
    void everyShowingStartsAgainAtTheRightEdge();
    void closingAnyWayUnloads();
    void pictureCoversTheWindowAtAnyDensity();
};

void TestAboutWindow::textNamesTheVersionAndTheBetaNotice() {
    const std::string_view comments = version::Comments;
    const QString beta = about::AboutText({0, 0, 10, comments, 2026});
    QVERIFY(beta.startsWith(QStringLiteral("Programmation : ")));
    QVERIFY(beta.contains(QStringLiteral(" - Graphismes : ")));
    QVERIFY(beta.contains(QStringLiteral(" - visitez le site web de Korvantis sur ")));
    const QString expectedMiddle =
        QStringLiteral(" - Version 0.0.10 - Version beta, ne pas distribuer - ") +
        QString::fromUtf8(comments) + QStringLiteral(" - ");
    QVERIFY2(beta.contains(expectedMiddle), qPrintable(beta));
    QVERIFY(!beta.contains(QStringLiteral("0.00.0010")));
    QVERIFY(beta.contains(QStringLiteral("2026")));

    const QString release = about::AboutText({1, 2, 3, comments, 2026});
    QVERIFY(release.contains(QStringLiteral("Version 1.2.3 - ")));
    QVERIFY(!release.contains(QStringLiteral("beta")));
    QVERIFY(!release.contains(QString::fromUtf8(comments)));
    QCOMPARE(release.left(release.indexOf(QStringLiteral("Version"))),
             beta.left(beta.indexOf(QStringLiteral("Version"))));

    // The program's own text comes from its version information.
    QCOMPARE(about::AboutText(), beta);
    QCOMPARE(version::Major, 0);
    QCOMPARE(version::Minor, 0);
    QCOMPARE(version::Revision, 10);
    QCOMPARE(QString::fromLatin1(version::FileVersion), QStringLiteral("0.00.0010"));
}

void TestAboutWindow::layoutMatchesTheStoredWindow() {
    frmSplash window;
    window.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(), QSize(292, 268));
    QCOMPARE(window.outerWidthTwips(), 4380.0f);
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(window.FlatBttn1()->caption(), QStringLiteral("Fermer"));
    // 3720, 3690, 600 x 270 twips inside the client area, which starts after the border.
    QCOMPARE(window.FlatBttn1()->geometry(), QRect(248, 246, 40, 18));
    QCOMPARE(window.FlatBttn1()->mapTo(&window, QPoint(0, 0)), QPoint(249, 247));
    QCOMPARE(window.Timer1()->interval(), 50);
    QVERIFY(window.Timer1()->isActive());
    QCOMPARE(window.Label1()->y(), 8);
    QVERIFY(window.Label1()->height() <= 25);
    QVERIFY(window.Label1()->width() > window.width());
    QVERIFY(window.Label1()->autoFillBackground());
    QCOMPARE(window.Label1()->palette().color(QPalette::Window), QColor(0, 0, 255));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(qAbs(window.geometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(window.geometry().center().y() - screen.center().y()) <= 1);
    window.Unload();
}

void TestAboutWindow::textEntersFromTheRightAndWrapsAround() {
    frmSplash window;
    window.Show();
    window.Timer1()->stop(); // the test makes the ticks
    runtime::LabelControl* label = window.Label1();
    QCOMPARE(label->Left(), 4380.0f);
    QCOMPARE(label->x(), 292);
    window.Timer1_Timer();
    QCOMPARE(label->Left(), 4350.0f);
    QCOMPARE(label->x(), 290);

    // Exactly at minus the width after a step: not moved back on that tick.
    const float width = label->Width();
    label->setLeft(-width + 30.0f);
    window.Timer1_Timer();
    QCOMPARE(label->Left(), -width);
    window.Timer1_Timer();
    QCOMPARE(label->Left(), 4380.0f);
    window.Timer1_Timer();
    QCOMPARE(label->Left(), 4350.0f);
    window.Unload();
}

namespace {

// Collects, in window coordinates, what the window and its controls repaint.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* window)
        : m_window(window) {
        window->installEventFilter(this);
        for (QWidget* child : window->findChildren<QWidget*>())
            child->installEventFilter(this);
    }
    QRegion painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            auto* widget = static_cast<QWidget*>(watched);
            const QRegion region = static_cast<QPaintEvent*>(event)->region();
            painted += region.translated(widget->mapTo(m_window, QPoint(0, 0)));
        }
        return false;
    }

private:
    QWidget* m_window;
};

} // namespace

void TestAboutWindow::aStepRepaintsOnlyTheUncoveredStrip() {
    frmSplash window;
    window.Show();
    window.Timer1()->stop(); // the test makes the ticks
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    runtime::LabelControl* label = window.Label1();
    label->setLeft(0.0f); // the text crosses the whole window
    QCoreApplication::processEvents();
    const QImage before = window.grab().toImage();

    PaintRecorder recorder(&window);
    window.Timer1_Timer();
    QCoreApplication::processEvents();

    // The label moved two pixels; only the two columns it uncovered at the window's right
    // edge are drawn, the rest of the line is copied.
    const QRect line(QPoint(0, label->mapTo(&window, QPoint(0, 0)).y()),
                     QSize(window.width(), label->height()));
    QVERIFY(!recorder.painted.isEmpty());
    QVERIFY2(line.contains(recorder.painted.boundingRect()), "a step repainted outside the line");
    QVERIFY(recorder.painted.boundingRect().width() <= 4);

    // And what shows is the same line, two pixels further left.
    const QImage after = window.grab().toImage();
    const int ratio = qRound(after.devicePixelRatio());
    const QRect shown(line.topLeft() * ratio, line.size() * ratio);
    for (int y = shown.top(); y <= shown.bottom(); ++y)
        for (int x = ratio; x < 200 * ratio; ++x)
            QCOMPARE(after.pixel(x, y), before.pixel(x + 2 * ratio, y));
    window.Unload();
}

void TestAboutWindow::timerScrollsOnlyWhileLoaded() {
    frmSplash window;
    window.Show();
    QPointer<QTimer> timer = window.Timer1();
    const float start = window.Label1()->Left();
    QTRY_VERIFY(window.Label1()->Left() <= start - 60.0f);
    window.Unload();
    QVERIFY(!window.Timer1());
    QVERIFY(!window.Label1());
    QVERIFY(!timer || !timer->isActive());
    QTRY_VERIFY(!timer); // the controls are discarded
}

void TestAboutWindow::everyShowingStartsAgainAtTheRightEdge() {
    frmSplash window;
    window.Show();
    // The outer width is 4380 twips at 96 dpi; the one-pixel border is fewer twips on a
    // denser screen.
    const float entry = window.outerWidthTwips();
    QCOMPARE(entry, 4350.0f + runtime::PixelsToTwipsX(2));
    for (int tick = 0; tick < 20; ++tick)
        window.Timer1_Timer();
    QCOMPARE(window.Label1()->Left(), entry - 600.0f);
    QTest::mouseClick(window.FlatBttn1(), Qt::LeftButton);
    QVERIFY(!window.isLoaded());
    window.Show();
    QVERIFY(window.isLoaded());
    QCOMPARE(window.Label1()->Left(), entry);
    QCOMPARE(window.Label1()->text(), about::AboutText());
    window.Unload();
}

void TestAboutWindow::closingAnyWayUnloads() {
    frmSplash window;
    QSignalSpy unloaded(&window, &frmSplash::Unloaded);
    window.Show();
    QTest::mouseClick(window.FlatBttn1(), Qt::LeftButton);
    QCOMPARE(unloaded.count(), 1);
    window.Show();
    window.close(); // a window manager's close
    QCOMPARE(unloaded.count(), 2);
    QVERIFY(!window.isVisible() && !window.isLoaded());
    window.Unload(); // nothing more to unload
    QCOMPARE(unloaded.count(), 2);
}

void TestAboutWindow::pictureCoversTheWindowAtAnyDensity() {
    frmSplash window;
    window.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The client area's corners lie on the picture's plain blue, also past the 290 x 266
    // pixels that the picture has at 96 dpi.
    const QImage shown = window.grab().toImage();
    const qreal ratio = shown.devicePixelRatio();
    const QRect client = window.Label1()->parentWidget()->geometry();
    for (const QPoint corner : {client.topRight(), client.bottomLeft(), client.bottomRight()}) {
        const QColor colour = shown.pixelColor((QPointF(corner) * ratio).toPoint());
        QVERIFY2(
            colour.blue() > 220 && colour.red() < 30 && colour.green() < 30,
            qPrintable(
                QStringLiteral("%1,%2 is %3").arg(corner.x()).arg(corner.y()).arg(colour.name())));
    }
    window.Unload();
}

QTEST_MAIN(TestAboutWindow)
#include "tst_about_window.moc"

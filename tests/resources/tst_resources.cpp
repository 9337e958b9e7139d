// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/application.h"
#include "resources/flat_button.h"
#include "resources/fonts.h"
#include "resources/language.h"
#include "resources/layouts.h"
#include "resources/pictures.h"
#include "resources/settings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <cmath>
#include <tuple>

using namespace quatrelle;
using resources::Picture;

namespace {

QImage load(Picture picture, bool highDensity = false) {
    return QImage(resources::PicturePath(picture, highDensity));
}

QColor at(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

// Distance of pixel (x, y) from the centre of the cell pictures' ring.
double radius(int x, int y) {
    return std::hypot(x - 15.5, y - 15.0);
}

int maxChannelDifference(QColor a, QColor b) {
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                     std::abs(a.blue() - b.blue())});
}

bool near(QColor actual, QColor expected, int tolerance = 3) {
    return maxChannelDifference(actual, expected) <= tolerance;
}

const QColor Blue(0, 0, 255);
const QColor Black(0, 0, 0);
const QColor Green(1, 215, 41);

struct Coverage {
    int drawn = 0; // pixels that are not the background blue
    int black = 0;
};

Coverage coverage(const QImage& image) {
    Coverage result;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = at(image, x, y);
            result.drawn += c != Blue;
            result.black += c.red() < 40 && c.green() < 40 && c.blue() < 40;
        }
    return result;
}

} // namespace

class TestResources : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void picturesHaveTheirSizeDepthAndResolution_data();
    void picturesHaveTheirSizeDepthAndResolution();
    void cellsAndPiecesShareTheRing();
    void arrowsDifferInsideTheSameOutline();
    void windowPicturesHaveTheirBands();
    void iconIsEightBitWithAMask();
    void windowsTakeTheThemeIconWhereThereIsOne();
    void startUpCheckKnowsABrokenPicture();
    void flatButtonFollowsItsStoredValues();
    void flatButtonReportsClicksAndMoves();
    void settingsGiveTheDefaultsWhenTheyCannotBeTrusted_data();
    void settingsGiveTheDefaultsWhenTheyCannotBeTrusted();
    void theDesktopsLanguageChoosesTheWords_data();
    void theDesktopsLanguageChoosesTheWords();
};

void TestResources::picturesHaveTheirSizeDepthAndResolution_data() {
    QTest::addColumn<Picture>("picture");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("dotsPerMetre");
    QTest::newRow("skin") << Picture::Skin << QSize(402, 274) << 3779;
    QTest::newRow("empty cell") << Picture::EmptyCell << QSize(32, 32) << 2835;
    QTest::newRow("yellow piece") << Picture::YellowPiece << QSize(32, 32) << 2835;
    QTest::newRow("red piece") << Picture::RedPiece << QSize(32, 32) << 2835;
    QTest::newRow("hovered arrow") << Picture::HoveredArrow << QSize(32, 32) << 2835;
    QTest::newRow("normal arrow") << Picture::NormalArrow << QSize(32, 32) << 2835;
    QTest::newRow("about") << Picture::About << QSize(290, 266) << 3779;
}

void TestResources::picturesHaveTheirSizeDepthAndResolution() {
    QFETCH(Picture, picture);
    QFETCH(QSize, size);
    QFETCH(int, dotsPerMetre);
    const QImage image = load(picture);
    QCOMPARE(image.size(), size);
    QCOMPARE(image.dotsPerMeterX(), dotsPerMetre);
    QCOMPARE(image.dotsPerMeterY(), dotsPerMetre);
    QVERIFY(!image.hasAlphaChannel());
    // The PNG header: 8 bits per channel, colour type 2 (RGB, no alpha, no palette).
    QFile file(resources::PicturePath(picture));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(26);
    QCOMPARE(int(header[24]), 8);
    QCOMPARE(int(header[25]), 2);
    // The form for high-density screens is the same picture at twice the size.
    const QImage twice = load(picture, true);
    QCOMPARE(twice.size(), size * 2);
    const QImage reduced = twice.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int far = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            far += maxChannelDifference(at(reduced, x, y), at(image, x, y)) > 96;
    QVERIFY2(far < size.width() * size.height() / 20, qPrintable(QString::number(far)));
}

void TestResources::cellsAndPiecesShareTheRing() {
    const QImage empty = load(Picture::EmptyCell);
    const QImage yellow = load(Picture::YellowPiece);
    const QImage red = load(Picture::RedPiece);
    QCOMPARE(at(yellow, 15, 15), QColor(247, 250, 0));
    QCOMPARE(at(red, 15, 15), QColor(238, 28, 0));
    QCOMPARE(at(yellow, 10, 18), QColor(247, 250, 0));
    // The disc reaches a radius of 12: half a pixel inside 11 it is still the piece's colour.
    QCOMPARE(at(yellow, 26, 15), QColor(247, 250, 0)); // radius 10.5
    QCOMPARE(at(red, 5, 15), QColor(238, 28, 0));      // radius 10.5 on the other side
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const double r = radius(x, y);
            if (r > 12.5) { // outside the disc: the pieces match the empty cell
                QVERIFY(maxChannelDifference(at(yellow, x, y), at(empty, x, y)) <= 4);
                QVERIFY(maxChannelDifference(at(red, x, y), at(empty, x, y)) <= 4);
            }
            if (r > 15.35 || r < 10.75) // half a pixel diagonal beyond the ring
                QVERIFY2(at(empty, x, y) == Blue,
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            if (std::abs(r - 13.0) < 0.6)
                QVERIFY2(near(at(empty, x, y), Black, 20),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
}

void TestResources::arrowsDifferInsideTheSameOutline() {
    const QImage normal = load(Picture::NormalArrow);
    const QImage hovered = load(Picture::HoveredArrow);
    for (const int row : {6, 10, 14})
        for (const QImage* arrow : {&normal, &hovered})
            QCOMPARE(at(*arrow, 16, row), Green);
    QCOMPARE(at(normal, 18, 10), Green); // the normal shaft is five columns wide
    QVERIFY(at(hovered, 18, 10) != Green);
    QCOMPARE(at(normal, 3, 18), Green); // the head spreads nearly across
    QCOMPARE(at(normal, 0, 0), Blue);

    int differ = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            differ += (at(normal, x, y) == Blue) != (at(hovered, x, y) == Blue);
    const Coverage n = coverage(normal);
    const Coverage h = coverage(hovered);
    QVERIFY2(differ * 10 < n.drawn,
             qPrintable(QStringLiteral("%1 of %2").arg(differ).arg(n.drawn)));
    QVERIFY2(h.black > n.black * 3 / 2,
             qPrintable(QStringLiteral("%1 vs %2").arg(h.black).arg(n.black)));
}

void TestResources::windowPicturesHaveTheirBands() {
    const QImage skin = load(Picture::Skin);
    QCOMPARE(at(skin, 0, 0), QColor(255, 255, 255));
    QCOMPARE(at(skin, 401, 0), QColor(255, 255, 255));
    QCOMPARE(at(skin, 401, 273), QColor(255, 255, 255));
    QCOMPARE(at(skin, 0, 273), QColor(255, 248, 255));
    for (const QPoint edge : {QPoint(200, 0), QPoint(200, 273), QPoint(0, 137), QPoint(401, 137)})
        QVERIFY(near(at(skin, edge.x(), edge.y()), Black, 30));
    QCOMPARE(at(skin, 200, 5), Blue);
    QCOMPARE(at(skin, 4, 137), Blue);
    QCOMPARE(at(skin, 200, 137), QColor(0, 0, 251));

    const QImage about = load(Picture::About);
    for (int y = 0; y <= 25; ++y)
        for (int x = 0; x < about.width(); ++x)
            QCOMPARE(at(about, x, y), QColor(0, 0, 251));
    // The name: green in its band and nowhere below it.
    int green = 0;
    for (int y = 133; y <= 162; ++y)
        for (int x = 39; x <= 267; ++x)
            green += at(about, x, y) == Green;
    QVERIFY(green > 1000);
    // The row of arrows, from column 12 to column 275: the outer ones stand untouched by the whirl.
    for (const int arrow : {0, 1, 6}) {
        const int left = 12 + arrow * 263 / 7;
        int arrowGreen = 0;
        for (int y = 33; y <= 63; ++y)
            for (int x = left; x < left + 32; ++x)
                arrowGreen += at(about, x, y) == Green;
        QVERIFY2(arrowGreen > 100, qPrintable(QString::number(arrow)));
    }
}

void TestResources::iconIsEightBitWithAMask() {
    const QIcon icon = resources::ApplicationIcon();
    QCOMPARE(icon.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
    const QImage small(QStringLiteral(":/pictures/icon_32.png"));
    QCOMPARE(small.pixelColor(16, 2).alpha(), 0);  // transparent above the field
    QCOMPARE(small.pixelColor(16, 29).alpha(), 0); // and below
    QCOMPARE(small.pixelColor(0, 15), Blue);
    // The field fills rows 5 to 26 of the 32-pixel image and rows 2 to 12 of the 16-pixel one.
    const QImage tiny(QStringLiteral(":/pictures/icon_16.png"));
    for (const auto& [image, first, last] : {std::tuple{&small, 5, 26}, std::tuple{&tiny, 2, 12}}) {
        QCOMPARE(image->pixelColor(0, first - 1).alpha(), 0);
        QCOMPARE(image->pixelColor(0, first), Blue);
        QCOMPARE(image->pixelColor(0, last), Blue);
        QCOMPARE(image->pixelColor(0, last + 1).alpha(), 0);
    }

    QFile ico(QStringLiteral(QUATRELLE_PICTURE_DIR "/quatrelle.ico"));
    QVERIFY(ico.open(QIODevice::ReadOnly));
    const QByteArray bytes = ico.readAll();
    const auto u16 = [&bytes](int at) { return quint8(bytes[at]) | quint8(bytes[at + 1]) << 8; };
    const auto u32 = [&](int at) { return u16(at) | u16(at + 2) << 16; };
    QCOMPARE(u16(2), 1); // an icon
    QCOMPARE(u16(4), 2); // two images
    for (int entry = 0; entry < 2; ++entry) {
        const int size = entry == 0 ? 16 : 32;
        const int base = 6 + 16 * entry;
        QCOMPARE(int(quint8(bytes[base])), size);
        QCOMPARE(u16(base + 6), 8); // bits per pixel
        const int offset = u32(base + 12);
        QCOMPARE(u32(offset + 4), size);     // width
        QCOMPARE(u32(offset + 8), 2 * size); // colour rows and mask rows
        QCOMPARE(u16(offset + 14), 8);
        const int maskRow = (size + 31) / 32 * 4;
        const int colourBytes = size * size + 256 * 4 + 40;
        QCOMPARE(u32(base + 8), colourBytes + maskRow * size);
        // The top-left pixel lies outside the field: masked. Rows are stored bottom-up.
        const int topMaskRow = offset + colourBytes + maskRow * (size - 1);
        QVERIFY(quint8(bytes[topMaskRow]) & 0x80);
    }
    // The program's icon group holds the same two images.
    QFile image30001(QStringLiteral(QUATRELLE_PICTURE_DIR "/icon_30001.bin"));
    QVERIFY(image30001.open(QIODevice::ReadOnly));
    QCOMPARE(image30001.readAll(), bytes.mid(u32(6 + 12), u32(6 + 8)));
}

void TestResources::windowsTakeTheThemeIconWhereThereIsOne() {
    QTemporaryDir themes;
    QVERIFY(themes.isValid());
    QIcon::setThemeSearchPaths({themes.path()});
    QIcon::setThemeName(QStringLiteral("hicolor"));
    const auto corner = [] {
        return QApplication::windowIcon().pixmap(32).toImage().pixelColor(0, 15);
    };

    // No theme holds the program's icon: the embedded one.
    QApplication::setWindowIcon({});
    resources::SetApplicationIcon();
    QCOMPARE(corner(), Blue);

    // An installed icon in the theme comes first.
    const QString folder = themes.path() + QStringLiteral("/hicolor/32x32/apps");
    QVERIFY(QDir().mkpath(folder));
    QFile index(themes.path() + QStringLiteral("/hicolor/index.theme"));
    QVERIFY(index.open(QIODevice::WriteOnly));
    index.write("[Icon Theme]\nName=Hicolor\nDirectories=32x32/apps\n\n"
                "[32x32/apps]\nSize=32\nType=Fixed\n");
    index.close();
    QImage themed(32, 32, QImage::Format_RGB32);
    themed.fill(Qt::magenta);
    QVERIFY(themed.save(folder + QStringLiteral("/com.korvantis.Quatrelle.png")));
    QIcon::setThemeSearchPaths({themes.path()}); // forgets what was looked up before
    resources::SetApplicationIcon();
    QCOMPARE(corner(), QColor(Qt::magenta));
}

void TestResources::startUpCheckKnowsABrokenPicture() {
    QVERIFY(resources::MissingPictures().isEmpty());
    // Start-up checks every picture the program can load, at both densities, and the icon.
    const QStringList checked = resources::CheckedPicturePaths();
    for (const resources::PictureFile& file : resources::PictureFiles)
        for (const bool highDensity : {false, true})
            QVERIFY2(checked.contains(resources::PicturePath(file.picture, highDensity)),
                     qPrintable(resources::PicturePath(file.picture, highDensity)));
    for (const int size : {16, 32})
        QVERIFY(checked.contains(QStringLiteral(":/pictures/icon_%1.png").arg(size)));
    QFile file(resources::PicturePath(Picture::Skin));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray sound = file.readAll();
    QVERIFY(resources::HasPngHeader(sound));

    QVERIFY(!resources::HasPngHeader({}));
    QVERIFY(!resources::HasPngHeader(sound.first(23))); // cut inside the header
    QByteArray broken = sound;
    broken[1] = 'J'; // not the signature
    QVERIFY(!resources::HasPngHeader(broken));
    broken = sound;
    broken.replace(12, 4, "IDAT"); // the header chunk missing
    QVERIFY(!resources::HasPngHeader(broken));
    for (const int field : {16, 20}) { // no width, no height
        broken = sound;
        broken.replace(field, 4, QByteArray(4, '\0'));
        QVERIFY(!resources::HasPngHeader(broken));
    }
}

void TestResources::flatButtonFollowsItsStoredValues() {
    QWidget window;
    resources::FlatBttn button(&window, resources::form1::FlatBttn1[1]);
    QCOMPARE(button.geometry(), QRect(8, 48, 89, 25));
    QCOMPARE(button.caption(), QStringLiteral("A propos de"));
    QCOMPARE(button.captionAlignment(), Qt::AlignCenter);
    QCOMPARE(button.cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(button.font().pointSizeF(), 9.75);
    QVERIFY(button.font().families().contains(QStringLiteral("DejaVu Sans")));
    QVERIFY(button.toolTip().isEmpty());
    QCOMPARE(resources::CaptionAlignment(0), Qt::AlignLeft | Qt::AlignTop);
    QCOMPARE(resources::CaptionAlignment(std::nullopt), Qt::AlignCenter);
    QCOMPARE(resources::CaptionAlignment(99), Qt::AlignCenter);

    resources::FlatBttn close(&window, resources::frmSplash::FlatBttn1);
    QCOMPARE(close.size(), QSize(40, 18));
    QVERIFY(!close.index());
    QCOMPARE(close.font().pointSizeF(), 8.25);

    // The caption fits its button in the replacement font.
    for (const auto& stored : resources::form1::FlatBttn1) {
        resources::FlatBttn b(&window, stored);
        QVERIFY2(b.fontMetrics().horizontalAdvance(b.caption()) <= b.width() - 4,
                 qPrintable(b.caption()));
    }
    QVERIFY(close.fontMetrics().horizontalAdvance(close.caption()) <= close.width());

    // What a player sees: the face colour, and the caption drawn on it.
    window.resize(120, 90);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage face = button.grab().toImage();
    QCOMPARE(face.pixelColor(1, 1), Blue);
    bool caption = false;
    for (int x = 0; x < face.width(); ++x)
        caption = caption || face.pixelColor(x, face.height() / 2) != Blue;
    QVERIFY(caption);
}

void TestResources::flatButtonReportsClicksAndMoves() {
    QWidget window;
    window.resize(200, 100);
    resources::FlatBttn indexed(&window, resources::form1::FlatBttn1[2]);
    resources::FlatBttn single(&window, resources::frmSplash::FlatBttn1);
    QSignalSpy indexedClicks(&indexed, &resources::FlatBttn::IndexedClick);
    QSignalSpy singleClicks(&single, &resources::FlatBttn::Click);
    QSignalSpy moves(&indexed, &resources::FlatBttn::IndexedMouseMove);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTest::mouseClick(&indexed, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(indexedClicks.count(), 1);
    QCOMPARE(indexedClicks.first().first().value<std::int16_t>(), 2);
    QTest::mouseClick(&indexed, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mousePress(&indexed, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(indexed.isPressed());
    QTest::mouseRelease(&indexed, Qt::LeftButton, {}, QPoint(150, 10)); // released outside
    QCOMPARE(indexedClicks.count(), 1);

    QTest::mouseClick(&single, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(singleClicks.count(), 1);

    // A button paints all of itself: pressing it never repaints the window beneath.
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    QCoreApplication::processEvents();
    window.installEventFilter(&counter);
    QTest::mouseClick(&indexed, Qt::LeftButton, {}, QPoint(10, 10));
    QCoreApplication::processEvents();
    QCOMPARE(counter.paints, 0);
    window.removeEventFilter(&counter);

    QTest::mouseMove(&indexed, QPoint(20, 12));
    QVERIFY(moves.count() >= 1);
    QCOMPARE(moves.last().first().value<std::int16_t>(), 2);
    QVERIFY(indexed.isHovered());
}

QTEST_MAIN(TestResources)
// What a player chose comes back at the next start; a file that is garbage or edited by hand,
// or a folder that cannot be written, gives the defaults (two players, level 2), and a file
// that is read but not understood is said to be so.
void TestResources::settingsGiveTheDefaultsWhenTheyCannotBeTrusted_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("computer"); // -1 for two players
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("warned");
    QTest::addColumn<QString>("score"); // level 2's: won, drawn, lost
    const QString none = QStringLiteral("0,0,0");
    QTest::newRow("no file") << QByteArray() << -1 << 2 << false << none;
    QTest::newRow("kept choices") << QByteArray("[General]\nopponent=red\nlevel=3\n") << 1 << 3
                                  << false << none;
    QTest::newRow("in French") << QByteArray("[General]\nopponent=jaune\n") << 0 << 2 << false
                               << none;
    QTest::newRow("garbage") << QByteArray("\x7f\x45LF\x02\x01[[[\x00\xff==\n\n") << -1 << 2 << true
                             << none;
    QTest::newRow("level 9") << QByteArray("[General]\nopponent=red\nlevel=9\n") << -1 << 2 << true
                             << none;
    QTest::newRow("level x") << QByteArray("[General]\nlevel=x\n") << -1 << 2 << true << none;
    QTest::newRow("blue computer")
        << QByteArray("[General]\nopponent=blue\n") << -1 << 2 << true << none;
    QTest::newRow("a score alone")
        << QByteArray("[score]\nlevel2\\won=3\nlevel2\\drawn=1\nlevel2\\lost=2\n") << -1 << 2
        << false << QStringLiteral("3,1,2");
    QTest::newRow("a score edited by hand")
        << QByteArray("[General]\nopponent=red\n[score]\nlevel2\\won=x\nlevel2\\drawn=-4\n"
                      "level2\\lost=2\n")
        << 1 << 2 << false << QStringLiteral("0,0,2");
    QTest::newRow("a score past its bound")
        << QByteArray(
               "[score]\nlevel2\\won=2147483647\nlevel2\\drawn=999999\nlevel2\\lost=1000000\n")
        << -1 << 2 << false << QStringLiteral("0,999999,0");
}

void TestResources::settingsGiveTheDefaultsWhenTheyCannotBeTrusted() {
    QFETCH(QByteArray, file);
    QFETCH(int, computer);
    QFETCH(int, level);
    QFETCH(bool, warned);
    QFETCH(QString, score);
    resources::DescribeApplication(); // the settings file is named after the program
    QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    const QString path = QSettings().fileName();
    if (!file.isNull()) {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile written(path);
        QVERIFY(written.open(QIODevice::WriteOnly) && written.write(file) == file.size());
    }
    QString problem;
    const resources::Choices choices = resources::LoadChoices(problem);
    QCOMPARE(choices.computerPlayer.value_or(-1), computer);
    QCOMPARE(static_cast<int>(choices.level), level);
    QCOMPARE(!problem.isEmpty(), warned);
    QVERIFY(!problem.contains(u'\n'));
    const resources::Score read = resources::LoadScore(game::Level::Medium);
    QCOMPARE(QStringLiteral("%1,%2,%3").arg(read.won).arg(read.drawn).arg(read.lost), score);

    // What is saved is read back; a folder that cannot be written says so and changes nothing.
    QVERIFY(resources::SaveChoices({1, game::Level::Unbeatable}));
    problem.clear();
    QCOMPARE(resources::LoadChoices(problem).level, game::Level::Unbeatable);
    QVERIFY(problem.isEmpty());
    QVERIFY(resources::SaveScore(game::Level::Strong, {1, 2, 3}));
    QCOMPARE(resources::LoadScore(game::Level::Strong), (resources::Score{1, 2, 3}));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path + QStringLiteral("/x"));
    QVERIFY(!resources::SaveChoices({0, game::Level::Beginner}));
    QVERIFY(!resources::SaveScore(game::Level::Strong, {}));
    QCOMPARE(resources::LoadChoices(problem).level, game::DefaultLevel);
}

void TestResources::theDesktopsLanguageChoosesTheWords_data() {
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QString>("german"); // the German file, when not the embedded one
    QTest::addColumn<QString>("quit");   // the button's caption
    QTest::addColumn<QString>("left");   // Qt's name of a key
    QTest::addColumn<QString>("lost");   // two games lost, in the score
    const QString french = QStringLiteral("Quitter");
    const QString german = QStringLiteral("Beenden");
    const QString left = QStringLiteral("Left");
    const QString gauche = QStringLiteral("Gauche");
    const QString perdues = QStringLiteral("2 perdues");
    QTest::newRow("C") << QStringList{QStringLiteral("C")} << QString() << french << left
                       << perdues;
    QTest::newRow("none") << QStringList() << QString() << french << gauche << perdues;
    QTest::newRow("French") << QStringList{QStringLiteral("fr-CA"), QStringLiteral("de")}
                            << QString() << french << gauche << perdues;
    QTest::newRow("German") << QStringList{QStringLiteral("de-DE"), QStringLiteral("de")}
                            << QString() << german << QStringLiteral("Links")
                            << QStringLiteral("2 verloren");
    QTest::newRow("English") << QStringList{QStringLiteral("en-GB"), QStringLiteral("de")}
                             << QString() << QStringLiteral("Quit") << left
                             << QStringLiteral("2 lost");
    QTest::newRow("untranslated") << QStringList{QStringLiteral("es_ES"), QStringLiteral("de")}
                                  << QString() << german << QStringLiteral("Links")
                                  << QStringLiteral("2 verloren");
    QTest::newRow("untranslated alone")
        << QStringList{QStringLiteral("es_ES")} << QString() << french << gauche << perdues;
    QTest::newRow("missing") << QStringList{QStringLiteral("de")} << QStringLiteral("missing")
                             << french << gauche << perdues;
    QTest::newRow("empty") << QStringList{QStringLiteral("de")} << QStringLiteral("") << french
                           << gauche << perdues;
    QTest::newRow("corrupt") << QStringList{QStringLiteral("de")}
                             << QStringLiteral("<\xb8d\x18\x00\x00\x00\x01garbage") << french
                             << gauche << perdues;
}

// The first language of the desktop's that the game speaks is spoken, with Qt's words in it;
// a translation that cannot be read gives French, with one line. Every caption fits its button.
void TestResources::theDesktopsLanguageChoosesTheWords() {
    QFETCH(QStringList, asked);
    QFETCH(QString, german);
    QFETCH(QString, quit);
    QFETCH(QString, left);
    const auto speakFrenchAgain =
        qScopeGuard([] { qDeleteAll(qApp->findChildren<QTranslator*>()); });
    QTemporaryDir folder;
    resources::TranslationFolders folders;
    const bool broken = !german.isNull();
    if (broken) {
        folders.game = folder.path();
        QVERIFY(QFile::copy(QStringLiteral(":/i18n/quatrelle_fr.qm"),
                            folder.filePath(QStringLiteral("quatrelle_fr.qm"))));
        QFile file(folder.filePath(QStringLiteral("quatrelle_de.qm")));
        if (german != u"missing")
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(german.toLatin1()) >= 0);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                               "^quatrelle: the translation quatrelle_de.qm")));
    }
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    resources::InstallTranslations(*qApp, asked, folders);

    QWidget window;
    QCOMPARE(resources::FlatBttn(&window, resources::form1::FlatBttn1[3]).caption(), quit);
    QCOMPARE(QKeySequence(Qt::Key_Left).toString(QKeySequence::NativeText), left);
    QFETCH(QString, lost);
    QCOMPARE(QCoreApplication::translate("SpokenTexts", "%n perdue(s)", "games lost", 2), lost);
    for (const auto& stored : resources::form1::FlatBttn1) {
        resources::FlatBttn button(&window, stored);
        QVERIFY2(button.fontMetrics().horizontalAdvance(button.caption()) <= button.width() - 4,
                 qPrintable(button.caption()));
    }
    resources::FlatBttn close(&window, resources::frmSplash::FlatBttn1);
    QVERIFY2(close.fontMetrics().horizontalAdvance(close.caption()) <= close.width(),
             qPrintable(close.caption()));
}

#include "tst_resources.moc"

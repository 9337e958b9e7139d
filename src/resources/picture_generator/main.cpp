// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every picture of the game into the folder given on the command line: the 1x pictures,
// their 2x forms for high-density screens, the icon at its desktop sizes, and the Windows icon.

#include "icon_writer.h"
#include "resources/picture_files.h"
#include "shapes.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <cstdio>
#include <functional>

using namespace quatrelle::pictures;
namespace resources = quatrelle::resources;

namespace {

constexpr int BoardDotsPerMetre = 2835;  // 72 dpi
constexpr int WindowDotsPerMetre = 3779; // 96 dpi

struct Picture {
    std::string_view name;
    int dotsPerMetre;
    std::function<QImage(int scale)> draw;
};

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// 24-bit RGB without an alpha channel, with the resolution field set.
bool writePicture(const QDir& folder, const QString& fileName, const QImage& drawn,
                  int dotsPerMetre) {
    QImage image = drawn.convertToFormat(QImage::Format_RGB888);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image.save(folder.filePath(fileName), "PNG");
}

} // namespace

// The name in the about window is drawn with one font; where fontconfig offers another in its
// place, the name would come out in other letters, or in symbols, and nothing would say so.
bool titleFontIsInstalled() {
    const QString wanted = QString::fromLatin1(TitleFontFamily);
    const QString found = QFontInfo(QFont(wanted)).family();
    if (found == wanted)
        return true;
    std::fprintf(stderr,
                 "quatrelle_picture_generator: the font %s is needed (Debian: fonts-dejavu-core); "
                 "the font found in its place is %s\n",
                 qPrintable(wanted), qPrintable(found));
    return false;
}

int main(int argc, char* argv[]) {
    // Text is drawn from the installed fonts, which needs a GUI application but no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    if (!titleFontIsInstalled())
        return 1;
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral(".")))
        return 1;

    using resources::PictureFileStem;
    const std::array<Picture, 11> pictures{{
        {PictureFileStem(resources::Picture::Skin), WindowDotsPerMetre, drawSkin},
        {PictureFileStem(resources::Picture::EmptyCell), BoardDotsPerMetre,
         [](int s) { return drawCell(Cell::Empty, s); }},
        {PictureFileStem(resources::Picture::YellowPiece), BoardDotsPerMetre,
         [](int s) { return drawCell(Cell::Yellow, s); }},
        {PictureFileStem(resources::Picture::RedPiece), BoardDotsPerMetre,
         [](int s) { return drawCell(Cell::Red, s); }},
        {PictureFileStem(resources::Picture::HoveredArrow), BoardDotsPerMetre,
         [](int s) { return drawArrow(Arrow::Hovered, s); }},
        {PictureFileStem(resources::Picture::NormalArrow), BoardDotsPerMetre,
         [](int s) { return drawArrow(Arrow::Normal, s); }},
        {PictureFileStem(resources::Picture::About), WindowDotsPerMetre, drawAbout},
        {PictureFileStem(resources::Picture::YellowHint), BoardDotsPerMetre,
         [](int s) { return drawCell(Cell::YellowHint, s); }},
        {PictureFileStem(resources::Picture::RedHint), BoardDotsPerMetre,
         [](int s) { return drawCell(Cell::RedHint, s); }},
        {PictureFileStem(resources::Picture::YellowMarked), BoardDotsPerMetre,
         [](int s) { return drawCell(Cell::YellowMarked, s); }},
        {PictureFileStem(resources::Picture::RedMarked), BoardDotsPerMetre,
         [](int s) { return drawCell(Cell::RedMarked, s); }},
    }};
    bool ok = true;
    for (const Picture& picture : pictures) {
        const QString name =
            QString::fromLatin1(picture.name.data(), static_cast<qsizetype>(picture.name.size()));
        ok = ok && writePicture(folder, name + QStringLiteral(".png"), picture.draw(1),
                                picture.dotsPerMetre);
        ok = ok && writePicture(folder, name + QStringLiteral("@2x.png"), picture.draw(2),
                                picture.dotsPerMetre * 2);
    }

    for (const int size : {16, 32, 48, 64, 128, 256})
        ok = ok &&
             drawIcon(size).save(folder.filePath(QStringLiteral("icon_%1.png").arg(size)), "PNG");

    const IconImages icons = encodeIconImages({drawIcon(16), drawIcon(32)});
    ok = ok && writeFile(folder.filePath(QStringLiteral("quatrelle.ico")), iconFile(icons));
    ok = ok && writeFile(folder.filePath(QStringLiteral("icon_group.bin")),
                         iconGroup(icons, {30001, 30002}));
    ok = ok && writeFile(folder.filePath(QStringLiteral("icon_30001.bin")), icons.images[0]);
    ok = ok && writeFile(folder.filePath(QStringLiteral("icon_30002.bin")), icons.images[1]);
    if (!ok) {
        std::fprintf(stderr, "cannot write the pictures into %s\n", argv[1]);
        return 1;
    }
    return 0;
}

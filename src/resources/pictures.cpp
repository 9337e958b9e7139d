// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include "runtime/twips.h"
#include "stored_values.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QResource>
#include <QtEndian>

namespace quatrelle::resources {

namespace {

// The window icon's two images, 16 and 32 pixels.
constexpr std::array<const char*, 2> IconFiles{":/pictures/icon_16.png", ":/pictures/icon_32.png"};

// A screen with more device pixels than the pictures' design pixels, through the desktop's
// scaling or through a dense screen's larger twips-to-pixels factor, shows the 2x form.
bool wantsHighDensity() {
    return runtime::PictureScale() > 1.0;
}

// Every picture is a PNG, which Qt reads itself. Told so, and told not to guess, the reader
// asks no image plugin about the file, so none of them is loaded.
QPixmap readPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

bool readable(const QString& path) {
    const QResource resource(path);
    return resource.isValid() && HasPngHeader(resource.uncompressedData());
}

} // namespace

bool HasPngHeader(QByteArrayView bytes) {
    // A view of bytes, not a std::string_view: C++20 finds both comparisons between the two
    // views equally good on a newer Qt.
    constexpr QByteArrayView Signature("\x89PNG\r\n\x1a\n", 8);
    // The signature, then the header chunk: its length, "IHDR", the width and the height.
    if (bytes.size() < 24 || bytes.first(8) != Signature || bytes.sliced(12, 4) != "IHDR")
        return false;
    const auto bigEndian = [&bytes](qsizetype at) {
        return qFromBigEndian<quint32>(bytes.data() + at);
    };
    return bigEndian(16) > 0 && bigEndian(20) > 0;
}

QString PicturePath(Picture picture, bool highDensity) {
    return QStringLiteral(":/pictures/%1%2.png")
        .arg(ToQString(PictureFileStem(picture)), highDensity ? QStringLiteral("@2x") : QString());
}

QPixmap LoadPicture(Picture picture) {
    const bool highDensity = wantsHighDensity();
    QPixmap pixmap = readPng(PicturePath(picture, highDensity));
    if (highDensity)
        pixmap.setDevicePixelRatio(2.0);
    return pixmap;
}

QStringList CheckedPicturePaths() {
    QStringList paths;
    for (const PictureFile& file : PictureFiles)
        paths << PicturePath(file.picture, false) << PicturePath(file.picture, true);
    for (const char* icon : IconFiles)
        paths << QLatin1String(icon);
    return paths;
}

QStringList MissingPictures() {
    QStringList missing;
    for (const QString& path : CheckedPicturePaths())
        if (!readable(path))
            missing.append(path);
    return missing;
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (const char* file : IconFiles)
        icon.addPixmap(readPng(QLatin1String(file)));
    return icon;
}

} // namespace quatrelle::resources

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "icon_writer.h"

#include <QDataStream>
#include <QHash>
#include <QIODevice>
#include <stdexcept>

namespace quatrelle::pictures {

namespace {

constexpr int PaletteSize = 256;

// Everything in icon files is little-endian.
struct LittleEndianStream : QDataStream {
    explicit LittleEndianStream(QByteArray* bytes)
        : QDataStream(bytes, QIODevice::WriteOnly) {
        setByteOrder(QDataStream::LittleEndian);
    }
};

int rowBytes(int bitsPerRow) {
    return (bitsPerRow + 31) / 32 * 4;
}

QByteArray encodeImage(const QImage& source, const QHash<QRgb, int>& indexOf,
                       const QList<QRgb>& palette) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    const int colourRow = rowBytes(width * 8);
    const int maskRow = rowBytes(width);

    QByteArray bytes;
    LittleEndianStream out(&bytes);
    out << quint32(40) << qint32(width) << qint32(height * 2) << quint16(1) << quint16(8)
        << quint32(0) << quint32((colourRow + maskRow) * height) << qint32(0) << qint32(0)
        << quint32(PaletteSize) << quint32(0);
    for (int i = 0; i < PaletteSize; ++i) {
        const QRgb colour = i < palette.size() ? palette[i] : 0;
        out << quint8(qBlue(colour)) << quint8(qGreen(colour)) << quint8(qRed(colour)) << quint8(0);
    }
    // Rows are stored bottom-up, colour indexes first, then the mask (1 = transparent).
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(colourRow, '\0');
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = image.pixel(x, y);
            row[x] =
                static_cast<char>(qAlpha(pixel) < 128 ? 0 : indexOf.value(pixel | 0xff000000u));
        }
        out.writeRawData(row.constData(), row.size());
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < width; ++x)
            if (qAlpha(image.pixel(x, y)) < 128)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        out.writeRawData(row.constData(), row.size());
    }
    return bytes;
}

void writeEntryHead(QDataStream& out, const QImage& image, int size) {
    out << quint8(image.width() >= 256 ? 0 : image.width())
        << quint8(image.height() >= 256 ? 0 : image.height()) << quint8(0) << quint8(0)
        << quint16(1) << quint16(8) << quint32(size);
}

} // namespace

IconImages encodeIconImages(const QList<QImage>& sources) {
    QList<QRgb> palette{qRgb(0, 0, 0)};
    QHash<QRgb, int> indexOf{{palette.front(), 0}};
    for (const QImage& source : sources) {
        const QImage image = source.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) < 128 || indexOf.contains(pixel | 0xff000000u))
                    continue;
                if (palette.size() == PaletteSize)
                    throw std::runtime_error("the icon uses more than 256 colours");
                indexOf.insert(pixel | 0xff000000u, static_cast<int>(palette.size()));
                palette.append(pixel | 0xff000000u);
            }
        }
    }
    IconImages icons;
    icons.sources = sources;
    for (const QImage& source : sources)
        icons.images.append(encodeImage(source, indexOf, palette));
    return icons;
}

QByteArray iconFile(const IconImages& icons) {
    QByteArray bytes;
    LittleEndianStream out(&bytes);
    const auto count = static_cast<quint16>(icons.images.size());
    out << quint16(0) << quint16(1) << count;
    quint32 offset = 6 + 16 * count;
    for (qsizetype i = 0; i < icons.images.size(); ++i) {
        writeEntryHead(out, icons.sources[i], static_cast<int>(icons.images[i].size()));
        out << offset;
        offset += static_cast<quint32>(icons.images[i].size());
    }
    for (const QByteArray& image : icons.images)
        out.writeRawData(image.constData(), static_cast<int>(image.size()));
    return bytes;
}

QByteArray iconGroup(const IconImages& icons, const QList<quint16>& resourceNumbers) {
    QByteArray bytes;
    LittleEndianStream out(&bytes);
    out << quint16(0) << quint16(1) << quint16(icons.images.size());
    for (qsizetype i = 0; i < icons.images.size(); ++i) {
        writeEntryHead(out, icons.sources[i], static_cast<int>(icons.images[i].size()));
        out << resourceNumbers[i];
    }
    return bytes;
}

} // namespace quatrelle::pictures

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace quatrelle::pictures {

// Windows icon images: 8 bits per pixel with one 256-entry colour table shared by all images,
// and a 1-bit transparency mask.
struct IconImages {
    QList<QByteArray> images; // each a device-independent bitmap as stored in an icon
    QList<QImage> sources;
};

IconImages encodeIconImages(const QList<QImage>& sources);
// A .ico file holding the images in order.
QByteArray iconFile(const IconImages& icons);
// The icon group resource of a Windows program, naming each image by its resource number.
QByteArray iconGroup(const IconImages& icons, const QList<quint16>& resourceNumbers);

} // namespace quatrelle::pictures

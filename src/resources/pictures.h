// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layouts.h"

#include <QByteArrayView>
#include <QIcon>
#include <QPixmap>
#include <QStringList>

namespace quatrelle::resources {

// The resource path of a picture, 1x or its twice-as-large form for high-density screens.
QString PicturePath(Picture picture, bool highDensity = false);

// Picks the 2x form on screens with more than one device pixel per design pixel; the controls
// scale it to their size where the ratio is not exactly 2. A null pixmap if the build lacks
// the picture.
QPixmap LoadPicture(Picture picture);

// The pictures that a broken build would lack, by resource path; empty for a sound build.
// Only the headers are read, straight from the resources, so this costs next to nothing at
// start-up.
QStringList MissingPictures();
// Every picture the program can load, at both densities, and the window icon's images: what
// MissingPictures checks.
QStringList CheckedPicturePaths();

// Whether the bytes start as a PNG file does: the signature, then a header chunk that gives
// the picture a width and a height.
bool HasPngHeader(QByteArrayView bytes);

// The main window's icon, 16 and 32 pixels.
QIcon ApplicationIcon();

} // namespace quatrelle::resources

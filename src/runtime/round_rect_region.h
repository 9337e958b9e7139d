// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegion>

namespace quatrelle::runtime {

// The rectangle from (0, 0) to (width, height) in pixels with its corners rounded by an ellipse
// of the given width and height, as a region of whole pixels: a pixel belongs to it when its
// centre lies inside the rounded outline.
QRegion RoundRectRegion(int width, int height, int ellipseWidth, int ellipseHeight);

} // namespace quatrelle::runtime

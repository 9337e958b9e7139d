// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "round_rect_region.h"

#include <QList>
#include <algorithm>
#include <cmath>

namespace quatrelle::runtime {

QRegion RoundRectRegion(int width, int height, int ellipseWidth, int ellipseHeight) {
    if (width <= 0 || height <= 0)
        return {};
    const double rx = std::clamp(ellipseWidth, 0, width) / 2.0;
    const double ry = std::clamp(ellipseHeight, 0, height) / 2.0;
    QList<QRect> rows;
    rows.reserve(height);
    for (int y = 0; y < height; ++y) {
        const double centreY = y + 0.5;
        // Distance of the pixel row into the corner ellipse, 0 outside the corner bands.
        const double dy = centreY < ry            ? ry - centreY
                          : centreY > height - ry ? centreY - (height - ry)
                                                  : 0.0;
        int inset = 0;
        if (dy > 0 && ry > 0) {
            const double along = rx * std::sqrt(std::max(0.0, 1.0 - (dy / ry) * (dy / ry)));
            // The first pixel whose centre lies inside the ellipse.
            inset = static_cast<int>(std::ceil(rx - along - 0.5));
        }
        if (width - 2 * inset <= 0)
            continue;
        // Rows with the same span make one rectangle: the straight sides are a single one.
        if (!rows.isEmpty() && rows.last().left() == inset && rows.last().bottom() == y - 1)
            rows.last().setBottom(y);
        else
            rows.append(QRect(inset, y, width - 2 * inset, 1));
    }
    QRegion region;
    region.setRects(rows.constData(), static_cast<int>(rows.size()));
    return region;
}

} // namespace quatrelle::runtime

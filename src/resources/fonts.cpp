// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include "stored_values.h"

#include <QStringList>

namespace quatrelle::resources {

QFont FontFor(const FontLayout& stored) {
    QFont font;
    // Qt walks the list in order, so the stored face wins wherever it is installed.
    font.setFamilies(QStringList() << ToQString(stored.face) << QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(stored.points);
    font.setWeight(stored.weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(stored.italic);
    font.setUnderline(stored.underline);
    font.setStrikeOut(stored.strikeOut);
    return font;
}

} // namespace quatrelle::resources

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The shapes of every picture the game shows, drawn in the pixel grid of the picture's 1x size.
// A painter scaled by 2 draws the same shapes for high-density screens.

#include <QColor>
#include <QImage>
#include <QPainterPath>

namespace quatrelle::pictures {

inline const QColor Blue(0, 0, 255);
inline const QColor InnerBlue(0, 0, 251);
inline const QColor Black(0, 0, 0);
inline const QColor White(255, 255, 255);
inline const QColor Yellow(247, 250, 0);
inline const QColor Red(238, 28, 0);
inline const QColor Green(1, 215, 41);

// The font of the name in the about window.
inline constexpr char TitleFontFamily[] = "DejaVu Sans";

enum class Arrow { Normal, Hovered };
// A hint is a ring of the player's colour in the cell where the advised move would land: as wide
// as most of a piece, but hollow, it cannot be taken for a piece played. A marked piece (the
// computer's last, or one of a line that ended the game) carries a white ring inside it.
enum class Cell { Empty, Yellow, Red, YellowHint, RedHint, YellowMarked, RedMarked };

QImage drawSkin(int scale);
QImage drawCell(Cell cell, int scale);
QImage drawArrow(Arrow arrow, int scale);
QImage drawAbout(int scale);
// The icon, drawn for its own size: a miniature of the main window.
QImage drawIcon(int size);

} // namespace quatrelle::pictures

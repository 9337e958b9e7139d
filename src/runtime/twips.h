// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace quatrelle::runtime {

// Window and control geometry is kept in twips, 1/1440 inch, as the stored layouts give it.
struct TwipsRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

// Twips per logical pixel of the screen: 15 at 96 dpi, which is what Qt's device-independent
// pixels are on every platform with high-DPI scaling.
double TwipsPerPixelX();
double TwipsPerPixelY();

// To the nearest whole number, a half going to the even neighbour (402.5 -> 402, 403.5 -> 404).
int RoundHalfEven(double value);

// The one conversion from twips to pixels, for positions and sizes alike.
int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);
QRect TwipsToPixels(const TwipsRect& rect);
QSize TwipsToPixels(float width, float height);

// The pictures and the window outline are designed for 96 dpi, 15 twips to a pixel: the size
// in pixels that so many design pixels cover on this screen.
QSize DesignSizeOnScreen(QSizeF designPixels);

// Device pixels to a design pixel: above 1, a picture drawn at twice the size looks sharper.
double PictureScale();

// Pixels to twips: exact, since a pixel is a whole number of twips on every usual screen.
float PixelsToTwipsX(double pixels);
float PixelsToTwipsY(double pixels);

} // namespace quatrelle::runtime

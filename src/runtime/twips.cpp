// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cfenv>
#include <cmath>

namespace quatrelle::runtime {

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double StandardTwipsPerPixel = 15.0;

double twipsPerPixel(double dotsPerInch) {
    if (!(dotsPerInch > 0) || !std::isfinite(dotsPerInch))
        return StandardTwipsPerPixel;
    return TwipsPerInch / dotsPerInch;
}

} // namespace

double TwipsPerPixelX() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? twipsPerPixel(screen->logicalDotsPerInchX()) : StandardTwipsPerPixel;
}

double TwipsPerPixelY() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? twipsPerPixel(screen->logicalDotsPerInchY()) : StandardTwipsPerPixel;
}

int RoundHalfEven(double value) {
    // nearbyint rounds halves to even under the default rounding mode; set it in case a
    // library left another one behind.
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(previous);
    return static_cast<int>(rounded);
}

int TwipsToPixelsX(double twips) {
    return RoundHalfEven(twips / TwipsPerPixelX());
}
int TwipsToPixelsY(double twips) {
    return RoundHalfEven(twips / TwipsPerPixelY());
}

QRect TwipsToPixels(const TwipsRect& rect) {
    return {TwipsToPixelsX(rect.left), TwipsToPixelsY(rect.top), TwipsToPixelsX(rect.width),
            TwipsToPixelsY(rect.height)};
}

QSize TwipsToPixels(float width, float height) {
    return {TwipsToPixelsX(width), TwipsToPixelsY(height)};
}

QSize DesignSizeOnScreen(QSizeF designPixels) {
    return TwipsToPixels(static_cast<float>(designPixels.width() * StandardTwipsPerPixel),
                         static_cast<float>(designPixels.height() * StandardTwipsPerPixel));
}

double PictureScale() {
    const double ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    return ratio * StandardTwipsPerPixel / std::min(TwipsPerPixelX(), TwipsPerPixelY());
}

float PixelsToTwipsX(double pixels) {
    return static_cast<float>(pixels * TwipsPerPixelX());
}
float PixelsToTwipsY(double pixels) {
    return static_cast<float>(pixels * TwipsPerPixelY());
}

} // namespace quatrelle::runtime

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The stored layouts of the two windows: every control as it exists when its window is
// created, in twips relative to the client area. Windows read these tables once, at creation.

#include "picture_files.h"
#include "runtime/twips.h"

#include <QtGlobal>
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quatrelle::resources {

using runtime::TwipsRect;

struct Rgb {
    std::uint8_t red, green, blue;
};
inline constexpr Rgb PureBlue{0, 0, 255};

// The platform colours a layout may name instead of a fixed colour.
enum class SystemColour { ButtonText = 18 };

// Every stored font uses character set 0, the Western one, which a Unicode font covers.
struct FontLayout {
    std::string_view face;
    double points;
    int weight; // 400 regular, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

inline constexpr FontLayout AdLibBT{"AdLib BT", 9.75, 400};
inline constexpr FontLayout MSSansSerif{"MS Sans Serif", 8.25, 400};

// The mouse pointer codes a layout may store.
enum class MousePointer : std::int16_t { Arrow = 1 };

struct FlatButtonLayout {
    std::optional<std::int16_t> index; // set for an element of a control array
    TwipsRect rect;
    std::int32_t extentX, extentY; // hundredths of a millimetre, the same size as rect
    std::string_view caption;
    FontLayout font;
    Rgb backColour;
    SystemColour textColour;
    std::optional<std::int32_t> alignCaption; // the control's default where not stored
    std::optional<bool> autoSize;
    MousePointer mousePointer;
    std::string_view toolTip;
    int tabIndex; // the order in which the keyboard focus visits the window's buttons
};

// The button's extent, in hundredths of a millimetre, is its size again: a table whose two
// disagree by more than a twip has been mistyped.
constexpr bool ExtentMatchesSize(const FlatButtonLayout& button) {
    constexpr double TwipsPerHundredthMm = 1440.0 / 2540.0;
    const auto near = [](double a, double b) { return a - b <= 1.0 && b - a <= 1.0; };
    return near(button.extentX * TwipsPerHundredthMm, button.rect.width) &&
           near(button.extentY * TwipsPerHundredthMm, button.rect.height);
}

struct ImageLayout {
    std::int16_t index;
    TwipsRect rect;
    std::optional<Picture> picture;
    bool visible;
};

// The windows' own icon is the application's, which every window of the program shows.
struct WindowLayout {
    std::string_view caption;
    int borderPixels;  // a plain border of this width; never a title bar
    float clientWidth; // twips, as designed; start-up may resize the window
    float clientHeight;
    Rgb backColour;
    Picture picture;
    FontLayout font;
    bool centreOnScreen;
};

namespace form1 {

inline constexpr WindowLayout Window{
    "Quatrelle", 0, 7080, 4980, PureBlue, Picture::Skin, {"AdLib BT", 8.25, 400}, true};

inline constexpr FlatButtonLayout Button(std::int16_t index, float top, std::string_view caption) {
    return {index,
            {120, top, 1335, 375},
            2355,
            661,
            caption,
            AdLibBT,
            PureBlue,
            SystemColour::ButtonText,
            4,
            false,
            MousePointer::Arrow,
            "",
            index};
}

inline constexpr std::array<FlatButtonLayout, 4> FlatBttn1{
    Button(0, 240, QT_TRANSLATE_NOOP("FlatBttn", "Nouveau jeu")),
    Button(1, 720, QT_TRANSLATE_NOOP("FlatBttn", "A propos de")),
    Button(2, 1200, QT_TRANSLATE_NOOP("FlatBttn", "Aide")),
    Button(3, 1680, QT_TRANSLATE_NOOP("FlatBttn", "Quitter"))};

// The prototypes of the arrow row and of the board: the other elements are made from them.
inline constexpr ImageLayout imgFleche0{0, {1560, 240, 480, 480}, std::nullopt, true};
inline constexpr ImageLayout imgCube0{0, {1560, 840, 480, 480}, std::nullopt, true};

// Hidden picture holders, below the bottom edge of the window as sized at start-up.
inline constexpr std::array<ImageLayout, 3> BaseCube{{
    {0, {0, 4440, 480, 480}, Picture::EmptyCell, false},
    {1, {480, 4440, 480, 480}, Picture::YellowPiece, false},
    {2, {960, 4440, 480, 480}, Picture::RedPiece, false},
}};
inline constexpr std::array<ImageLayout, 2> Fleche{{
    {0, {1440, 4440, 480, 480}, Picture::HoveredArrow, false},
    {1, {1920, 4440, 480, 480}, Picture::NormalArrow, false},
}};

} // namespace form1

namespace frmSplash {

inline constexpr WindowLayout Window{"",          1,   4350, 3990, PureBlue, Picture::About,
                                     MSSansSerif, true};

// A label never takes the keyboard focus, so its tab index is not kept.
struct LabelLayout {
    TwipsRect rect;
    Rgb backColour;
    SystemColour textColour;
};
inline constexpr LabelLayout Label1{{120, 120, 4095, 255}, PureBlue, SystemColour::ButtonText};

inline constexpr FlatButtonLayout FlatBttn1{std::nullopt,
                                            {3720, 3690, 600, 270},
                                            1058,
                                            476,
                                            QT_TRANSLATE_NOOP("FlatBttn", "Fermer"),
                                            MSSansSerif,
                                            PureBlue,
                                            SystemColour::ButtonText,
                                            std::nullopt,
                                            std::nullopt,
                                            MousePointer::Arrow,
                                            "",
                                            1};

inline constexpr int Timer1IntervalMs = 50;

} // namespace frmSplash

static_assert(std::ranges::all_of(form1::FlatBttn1, ExtentMatchesSize));
static_assert(ExtentMatchesSize(frmSplash::FlatBttn1));

} // namespace quatrelle::resources

#pragma once

// The stored layouts of the two windows: every control as it exists when its window is
// created, in twips relative to the client area. Windows read these tables once, at creation.

#include "picture_files.h"
#include "runtime/twips.h"

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

struct FontSpec {
    std::string_view face;
    double points;
    int weight; // 400 regular, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = 0;
};

inline constexpr FontSpec AdLibBT{"AdLib BT", 9.75, 400};
inline constexpr FontSpec MSSansSerif{"MS Sans Serif", 8.25, 400};

struct FlatButtonSpec {
    std::optional<std::int16_t> index; // set for an element of a control array
    TwipsRect rect;
    std::int32_t extentX, extentY; // hundredths of a millimetre, the same size as rect
    std::string_view caption;
    FontSpec font;
    Rgb backColour;
    SystemColour textColour;
    std::optional<std::int32_t> alignCaption; // the control's default where not stored
    std::optional<bool> autoSize;
    std::int16_t mousePointer; // 1: the ordinary arrow
    std::string_view toolTip;
    int tabIndex;
};

struct ImageSpec {
    std::int16_t index;
    TwipsRect rect;
    std::optional<Picture> picture;
    bool visible;
};

struct WindowSpec {
    std::string_view caption;
    bool border;       // a one-pixel border; never a title bar
    float clientWidth; // twips, as designed; start-up may resize the window
    float clientHeight;
    Rgb backColour;
    Picture picture;
    bool hasIcon;
    FontSpec font;
    bool centreOnScreen;
};

namespace form1 {

inline constexpr WindowSpec Window{
    "Quatrelle", false, 7080, 4980, PureBlue, Picture::Skin, true, {"AdLib BT", 8.25, 400}, true};

inline constexpr FlatButtonSpec Button(std::int16_t index, float top, std::string_view caption) {
    return {index,    {120, top, 1335, 375},    2355, 661,   caption, AdLibBT,
            PureBlue, SystemColour::ButtonText, 4,    false, 1,       "",
            index};
}

inline constexpr std::array<FlatButtonSpec, 4> FlatBttn1{
    Button(0, 240, "Nouveau jeu"), Button(1, 720, "A propos de"), Button(2, 1200, "Aide"),
    Button(3, 1680, "Quitter")};

// The prototypes of the arrow row and of the board: the other elements are made from them.
inline constexpr ImageSpec imgFleche0{0, {1560, 240, 480, 480}, std::nullopt, true};
inline constexpr ImageSpec imgCube0{0, {1560, 840, 480, 480}, std::nullopt, true};

// Hidden picture holders, below the bottom edge of the window as sized at start-up.
inline constexpr std::array<ImageSpec, 3> BaseCube{{
    {0, {0, 4440, 480, 480}, Picture::EmptyCell, false},
    {1, {480, 4440, 480, 480}, Picture::YellowPiece, false},
    {2, {960, 4440, 480, 480}, Picture::RedPiece, false},
}};
inline constexpr std::array<ImageSpec, 2> Fleche{{
    {0, {1440, 4440, 480, 480}, Picture::HoveredArrow, false},
    {1, {1920, 4440, 480, 480}, Picture::NormalArrow, false},
}};

} // namespace form1

namespace frmSplash {

inline constexpr WindowSpec Window{"",    true,        4350, 3990, PureBlue, Picture::About,
                                   false, MSSansSerif, true};

struct LabelSpec {
    TwipsRect rect;
    Rgb backColour;
    SystemColour textColour;
    int tabIndex;
};
inline constexpr LabelSpec Label1{{120, 120, 4095, 255}, PureBlue, SystemColour::ButtonText, 0};

inline constexpr FlatButtonSpec FlatBttn1{std::nullopt,
                                          {3720, 3690, 600, 270},
                                          1058,
                                          476,
                                          "Fermer",
                                          MSSansSerif,
                                          PureBlue,
                                          SystemColour::ButtonText,
                                          std::nullopt,
                                          std::nullopt,
                                          1,
                                          "",
                                          1};

inline constexpr int Timer1IntervalMs = 50;

} // namespace frmSplash

} // namespace quatrelle::resources

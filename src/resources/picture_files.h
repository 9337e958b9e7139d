// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pictures by name: the generator writes them under these file names and the program loads
// them by the same ones. No Qt here, so that both can use it.

#include <array>
#include <string_view>

namespace quatrelle::resources {

enum class Picture {
    Skin,
    EmptyCell,
    YellowPiece,
    RedPiece,
    HoveredArrow,
    NormalArrow,
    About,
    YellowHint,
    RedHint,
    YellowMarked,
    RedMarked
};

struct PictureFile {
    Picture picture;
    std::string_view stem; // the file is stem.png, and stem@2x.png at twice the size
};

inline constexpr std::array<PictureFile, 11> PictureFiles{{
    {Picture::Skin, "skin"},
    {Picture::EmptyCell, "cell_empty"},
    {Picture::YellowPiece, "piece_yellow"},
    {Picture::RedPiece, "piece_red"},
    {Picture::HoveredArrow, "arrow_hovered"},
    {Picture::NormalArrow, "arrow_normal"},
    {Picture::About, "about"},
    {Picture::YellowHint, "hint_yellow"},
    {Picture::RedHint, "hint_red"},
    {Picture::YellowMarked, "piece_yellow_marked"},
    {Picture::RedMarked, "piece_red_marked"},
}};

constexpr std::string_view PictureFileStem(Picture picture) {
    for (const PictureFile& file : PictureFiles)
        if (file.picture == picture)
            return file.stem;
    return {};
}

} // namespace quatrelle::resources

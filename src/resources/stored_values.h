// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The stored layouts' values as Qt takes them: texts, fixed colours and platform colours.

#include "layouts.h"

#include <QColor>
#include <QPalette>
#include <QString>

namespace quatrelle::resources {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QColor ToColor(Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

// The palette role that stands for a platform colour, so that it follows the desktop's theme.
inline QPalette::ColorRole PaletteRole(SystemColour colour) {
    switch (colour) {
    case SystemColour::ButtonText:
        return QPalette::ButtonText;
    }
    return QPalette::ButtonText;
}

} // namespace quatrelle::resources

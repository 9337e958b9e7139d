// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mouse.h"

#include "twips.h"

namespace quatrelle::runtime {

MouseState MouseStateOf(const QMouseEvent& event) {
    return {PixelsToTwipsX(event.position().x()), PixelsToTwipsY(event.position().y())};
}

} // namespace quatrelle::runtime

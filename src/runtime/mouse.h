// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMouseEvent>

namespace quatrelle::runtime {

// What the mouse handlers read of an event: the pointer's position in twips within the control.
// None of them looks at the buttons or the modifier keys, so those are not carried.
struct MouseState {
    float x = 0;
    float y = 0;
};

MouseState MouseStateOf(const QMouseEvent& event);

} // namespace quatrelle::runtime

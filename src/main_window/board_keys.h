// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/board.h"
#include "runtime/control_array.h"
#include "runtime/image_control.h"

#include <QKeyEvent>
#include <functional>
#include <optional>

namespace quatrelle::main_window {

// The board's keys. The digits 1 to 7 drop into their column wherever the focus is. On the
// board itself one arrow at a time takes the focus, so that Tab enters and leaves the board in
// one step and finds the column where it left off; Left, Right, Home and End move along the
// columns, and Space, Enter, Return and Down drop into the focused one. A held key drops once.
class BoardKeys {
public:
    using Arrows = runtime::ControlArray<runtime::ImageControl>;
    // The arrows must all be loaded. The keyboard starts on the centre column.
    BoardKeys(Arrows& arrows, std::function<void(int column)> drop);

    // The arrow's column when an arrow has the keyboard focus.
    std::optional<int> focusedColumn() const;
    // False for a key that is not the board's.
    bool handleKey(const QKeyEvent& event);

private:
    bool handleWalkKey(const QKeyEvent& event);
    void focusColumn(int column);

    Arrows& m_arrows;
    std::function<void(int column)> m_drop;
    int m_column = game::Columns / 2;
};

} // namespace quatrelle::main_window

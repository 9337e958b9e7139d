// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_keys.h"

#include <algorithm>
#include <utility>

namespace quatrelle::main_window {

BoardKeys::BoardKeys(Arrows& arrows, std::function<void(int column)> drop)
    : m_arrows(arrows)
    , m_drop(std::move(drop)) {
    // Tab reaches the board after the buttons, since its arrows are made after them.
    m_arrows[m_column].setFocusPolicy(Qt::TabFocus);
}

std::optional<int> BoardKeys::focusedColumn() const {
    if (m_arrows[m_column].hasFocus())
        return m_column;
    return std::nullopt;
}

// The column is the walk's before its arrow takes the focus, so that the arrow is lit then.
void BoardKeys::focusColumn(int column) {
    const int previous = std::exchange(m_column, column);
    m_arrows[column].setFocusPolicy(Qt::TabFocus);
    m_arrows[column].setFocus(Qt::OtherFocusReason);
    if (column != previous)
        m_arrows[previous].setFocusPolicy(Qt::NoFocus);
}

bool BoardKeys::handleKey(const QKeyEvent& event) {
    // The digits of the main row and of the keypad. Shift is allowed, since French keyboards
    // type the main row's digits with it; Control, Alt and Meta with a digit belong to the
    // desktop.
    const int column = event.key() - Qt::Key_1;
    const bool plain =
        (event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == Qt::NoModifier;
    if (plain && game::IsValidColumn(column)) {
        if (!event.isAutoRepeat())
            m_drop(column);
        return true;
    }
    return handleWalkKey(event);
}

bool BoardKeys::handleWalkKey(const QKeyEvent& event) {
    const auto column = focusedColumn();
    if (!column || (event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    switch (event.key()) {
    case Qt::Key_Left:
        focusColumn(std::max(*column - 1, 0));
        return true;
    case Qt::Key_Right:
        focusColumn(std::min(*column + 1, game::Columns - 1));
        return true;
    case Qt::Key_Home:
        focusColumn(0);
        return true;
    case Qt::Key_End:
        focusColumn(game::Columns - 1);
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        if (!event.isAutoRepeat())
            m_drop(*column);
        return true;
    default:
        return false;
    }
}

} // namespace quatrelle::main_window

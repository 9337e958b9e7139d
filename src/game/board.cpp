// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board.h"

namespace quatrelle::game {

std::int16_t Game::CellValue(int index) const {
    if (index < 0)
        return -1;
    return m_board.at(static_cast<std::size_t>(index));
}

std::int16_t Game::LandingCell(int column) const {
    if (!IsValidColumn(column))
        return -1;
    // Candidates run from the bottom row up and end one row above the top (c - 7), which is
    // negative and so stops the search: a full column answers with that negative candidate.
    int candidate = 0;
    for (int k = 1;; ++k) {
        candidate = (Rows - k) * Columns + column;
        if (CellValue(candidate) == Empty || candidate < 0)
            break;
    }
    return static_cast<std::int16_t>(candidate);
}

bool Game::IsPlayable(int cell) const {
    if (!IsValidCell(cell) || m_board[cell] != Empty)
        return false;
    return IsBottomRow(cell) || m_board[cell + Columns] != Empty;
}

bool Game::IsFloating(int cell) const {
    return IsValidCell(cell) && m_board[cell] == Empty && !IsBottomRow(cell) &&
           m_board[cell + Columns] == Empty;
}

std::optional<Placement> Game::Drop(int column) {
    const std::int16_t cell = LandingCell(column);
    if (cell < 0)
        return std::nullopt;
    const auto value = static_cast<std::int16_t>(m_currentPlayer + 1);
    m_board[cell] = value;
    m_history[static_cast<std::size_t>(m_moveCount++)] = cell;
    NextPlayer();
    return Placement{cell, value};
}

std::optional<Placement> Game::TakeBack() {
    if (m_moveCount == 0)
        return std::nullopt;
    const std::int16_t cell = m_history[static_cast<std::size_t>(--m_moveCount)];
    const Placement taken{cell, m_board[cell]};
    m_board[cell] = Empty;
    m_currentPlayer = static_cast<std::uint8_t>(taken.value - 1);
    return taken;
}

std::optional<int> Game::LastMoveOf(int player) const {
    const int last = m_moveCount - 1;
    const int own = PlayerOfMove(last) == player ? last : last - 1;
    return own >= 0 ? std::optional(own) : std::nullopt;
}

void Game::NextPlayer() {
    m_currentPlayer = m_currentPlayer == 1 ? 0 : 1;
}

void Game::NewGame() {
    m_board.fill(Empty);
    m_currentPlayer = 0;
    m_moveCount = 0;
}

} // namespace quatrelle::game

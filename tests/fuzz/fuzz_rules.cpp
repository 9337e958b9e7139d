// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the rules: every byte is a move, a drop into column byte % 8 where 7
// starts a new game, and bytes of 200 and more ask for columns that do not exist. After every
// move the board must match an independent replay and the reference scan.

#include "game/board.h"
#include "game/reference_scan.h"
#include "game/victory.h"

#include <cstdint>
#include <cstdlib>

using namespace quatrelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    game::Game game;
    std::array<int, game::Columns> heights{};
    int pieces = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t byte = data[i];
        if (byte >= 200) {
            const int column = byte % 2 ? -1 - byte : game::Columns + byte;
            if (game.Drop(column))
                std::abort();
        } else if (byte % 8 == 7) {
            game.NewGame();
            heights.fill(0);
            pieces = 0;
        } else {
            const int column = byte % 8;
            const auto placed = game.Drop(column);
            if (placed.has_value() != (heights[column] < game::Rows))
                std::abort();
            if (placed) {
                if (placed->cell != (game::Rows - 1 - heights[column]) * game::Columns + column ||
                    placed->value != pieces % 2 + 1)
                    std::abort();
                ++heights[column];
                ++pieces;
            }
        }
        const auto& board = game.Board();
        if (board[35] != 0 || game.CurrentPlayer() != pieces % 2 ||
            !testing::columnsAreUnbroken(board))
            std::abort();
        const auto expected = testing::referenceScan(board);
        const auto actual = game::FindWinningLine(board);
        if (expected.has_value() != actual.has_value() ||
            (actual && (actual->player != expected->player || actual->cells != expected->cells)))
            std::abort();
    }
    return 0;
}

// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "position.h"

#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace quatrelle::game {

// Positions whose best moves no search finds quickly, with their exact score and the columns
// to play: every position up to a number of pieces (the depth) with neither player's line on
// the board, then the positions that the computer meets deeper when it plays from the table and
// its opponent plays anything. A position and its mirror image share one entry.
//
// The stored form: one byte for the most pieces of a stored position, then one 7-byte little-endian
// record per position, sorted by key: the position's key, its score less Solver::MinScore (5 bits)
// and the columns to play (7 bits, column 0 lowest).
class OpeningTable {
public:
    struct Entry {
        Position::Bits key;
        int score;
        std::uint8_t columns;
    };

    OpeningTable() = default;
    // A view of the stored form; the data must outlive the table.
    explicit OpeningTable(std::span<const std::uint8_t> data);
    // The table built into the program.
    static const OpeningTable& BuiltIn();

    // The most pieces that a stored position holds; -1 for an empty table.
    int Depth() const { return m_depth; }
    std::size_t EntryCount() const { return m_records.size() / RecordSize; }
    Entry EntryAt(std::size_t index) const;
    // The position's entry, its columns seen from the position (not from its stored mirror).
    std::optional<Entry> Find(const Position& position) const;

    // The smaller of a position's key and its mirror's: the key it is stored under.
    static Position::Bits StoredKey(const Position& position);
    // A set of columns (bit 0 for column 0) seen in the mirror.
    static std::uint8_t MirroredColumns(std::uint8_t columns);
    static std::vector<std::uint8_t> Encode(int depth, std::vector<Entry> entries);

private:
    static constexpr std::size_t RecordSize = 7;

    int m_depth = -1;
    std::span<const std::uint8_t> m_records;
};

} // namespace quatrelle::game

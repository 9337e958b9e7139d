// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "opening_table.h"

#include "solver.h"

#include <algorithm>

namespace quatrelle::game {

namespace {

constexpr int ScoreBits = 5;
constexpr int ColumnBits = Columns;
static_assert(Solver::MaxScore - Solver::MinScore < (1 << ScoreBits));

std::uint64_t ReadRecord(const std::uint8_t* bytes) {
    std::uint64_t value = 0;
    for (int i = 6; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

} // namespace

extern const std::uint8_t OpeningTableData[];
extern const std::size_t OpeningTableSize;

const OpeningTable& OpeningTable::BuiltIn() {
    static const OpeningTable table({OpeningTableData, OpeningTableSize});
    return table;
}

OpeningTable::OpeningTable(std::span<const std::uint8_t> data) {
    if (data.empty() || (data.size() - 1) % RecordSize != 0)
        return;
    m_depth = data[0];
    m_records = data.subspan(1);
}

OpeningTable::Entry OpeningTable::EntryAt(std::size_t index) const {
    const std::uint64_t record = ReadRecord(m_records.data() + index * RecordSize);
    return {record >> (ScoreBits + ColumnBits),
            static_cast<int>((record >> ColumnBits) & ((1u << ScoreBits) - 1)) + Solver::MinScore,
            static_cast<std::uint8_t>(record & ((1u << ColumnBits) - 1))};
}

std::optional<OpeningTable::Entry> OpeningTable::Find(const Position& position) const {
    const Position::Bits key = StoredKey(position);
    std::size_t low = 0;
    std::size_t high = EntryCount();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        Entry entry = EntryAt(middle);
        if (entry.key == key) {
            if (key != position.Key())
                entry.columns = MirroredColumns(entry.columns);
            return entry;
        }
        if (entry.key < key)
            low = middle + 1;
        else
            high = middle;
    }
    return std::nullopt;
}

std::uint8_t OpeningTable::MirroredColumns(std::uint8_t columns) {
    std::uint8_t mirrored = 0;
    for (int column = 0; column < Columns; ++column)
        if (columns & (1u << column))
            mirrored = static_cast<std::uint8_t>(mirrored | (1u << (Columns - 1 - column)));
    return mirrored;
}

Position::Bits OpeningTable::StoredKey(const Position& position) {
    return std::min(position.Key(), position.MirroredKey());
}

std::vector<std::uint8_t> OpeningTable::Encode(int depth, std::vector<Entry> entries) {
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.key < b.key; });
    std::vector<std::uint8_t> data{static_cast<std::uint8_t>(depth)};
    for (const Entry& entry : entries) {
        std::uint64_t record = (entry.key << (ScoreBits + ColumnBits)) |
                               static_cast<std::uint64_t>(entry.score - Solver::MinScore)
                                   << ColumnBits |
                               entry.columns;
        for (std::size_t i = 0; i < RecordSize; ++i, record >>= 8)
            data.push_back(static_cast<std::uint8_t>(record & 0xff));
    }
    return data;
}

} // namespace quatrelle::game

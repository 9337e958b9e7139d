// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the opening table that the computer player looks its first moves up in.
//
//   quatrelle_opening_generator OUTPUT [COMPLETE_DEPTH [SLOW_NODES [VARIED_DEPTH]]]
//
// First every position of up to COMPLETE_DEPTH pieces is solved: the deepest by search, the
// others from their moves' scores. Then, for each colour, the positions that the computer
// meets when it plays from the table and its opponent plays anything are solved in turn, as
// long as a search of them from nothing learnt (the slowest case) visits SLOW_NODES positions
// or more; the computer's answer there is stored, and its opponent's every reply followed. Up to
// VARIED_DEPTH pieces a position keeps every best column, so that games differ from the first moves
// on; deeper it keeps one, so that the table stays small. Two threads share the work.
#include "game/opening_table.h"
#include "game/solver.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <unordered_set>
#include <vector>

using namespace quatrelle::game;

namespace {

using Clock = std::chrono::steady_clock;
using Table = std::unordered_map<Position::Bits, OpeningTable::Entry>;

struct Settings {
    int completeDepth = 6;
    std::uint64_t slowNodes = 100000;
    int variedDepth = 1;
};

std::uint8_t MaskOf(const std::vector<int>& columns) {
    std::uint8_t mask = 0;
    for (const int column : columns)
        mask = static_cast<std::uint8_t>(mask | (1u << column));
    return mask;
}

// The columns kept for a position: all of the best up to the varied depth, else the one
// nearest the centre.
std::uint8_t Kept(const Position& position, std::uint8_t best, const Settings& settings) {
    if (position.MoveCount() <= settings.variedDepth)
        return best;
    const int column = NearestCentre([best](int column) { return (best & (1u << column)) != 0; });
    return column < 0 ? 0 : static_cast<std::uint8_t>(1u << column);
}

// Stored under the mirror's key, the columns are mirrored too.
OpeningTable::Entry StoredEntry(const Position& position, int score, std::uint8_t columns) {
    if (OpeningTable::StoredKey(position) != position.Key())
        columns = OpeningTable::MirroredColumns(columns);
    return {OpeningTable::StoredKey(position), score, columns};
}

// Positions of each number of pieces up to the depth, one per mirror pair, none with a line.
std::vector<std::vector<Position>> PositionsByDepth(int depth) {
    std::vector<std::vector<Position>> levels(static_cast<std::size_t>(depth) + 1);
    levels[0].push_back(Position{});
    for (int pieces = 1; pieces <= depth; ++pieces) {
        std::unordered_set<Position::Bits> seen;
        for (const Position& parent : levels[static_cast<std::size_t>(pieces) - 1]) {
            for (int column = 0; column < Columns; ++column) {
                if (!parent.CanPlay(column))
                    continue;
                Position child = parent;
                child.Play(column);
                if (!child.HasLine() && seen.insert(OpeningTable::StoredKey(child)).second)
                    levels[static_cast<std::size_t>(pieces)].push_back(child);
            }
        }
    }
    return levels;
}

void SolveComplete(const Settings& settings, Table& table) {
    const auto levels = PositionsByDepth(settings.completeDepth);
    // The deepest positions by search, shared between the threads.
    const auto& deepest = levels.back();
    std::mutex lock;
    auto solveEvery = [&](std::size_t first) {
        Solver solver;
        for (std::size_t i = first; i < deepest.size(); i += 2) {
            const Position& position = deepest[i];
            if (position.CanWinNext())
                continue;
            const int score = solver.Solve(position);
            const std::uint8_t best = MaskOf(solver.BestColumns(position));
            const std::lock_guard guard(lock);
            table[OpeningTable::StoredKey(position)] =
                StoredEntry(position, score, Kept(position, best, settings));
        }
    };
    std::thread other(solveEvery, 1);
    solveEvery(0);
    other.join();
    std::fprintf(stderr, "%zu positions of %d pieces solved\n", deepest.size(),
                 settings.completeDepth);

    for (int pieces = settings.completeDepth - 1; pieces >= 0; --pieces) {
        for (const Position& position : levels[static_cast<std::size_t>(pieces)]) {
            if (position.CanWinNext())
                continue;
            int bestScore = -CellCount;
            std::uint8_t best = 0;
            for (int column = 0; column < Columns; ++column) {
                if (!position.CanPlay(column))
                    continue;
                Position child = position;
                child.Play(column);
                const int score = child.CanWinNext()
                                      ? -Solver::WinNextScore(child)
                                      : -table.at(OpeningTable::StoredKey(child)).score;
                if (score > bestScore) {
                    bestScore = score;
                    best = 0;
                }
                if (score == bestScore)
                    best = static_cast<std::uint8_t>(best | (1u << column));
            }
            table[OpeningTable::StoredKey(position)] =
                StoredEntry(position, bestScore, Kept(position, best, settings));
        }
    }
}

// The positions that the computer of one colour meets beyond the complete depth.
Table FollowComputer(int colour, const Settings& settings, const Table& complete) {
    Table found;
    std::unordered_set<Position::Bits> visited;
    std::vector<Position> pending;
    if (colour == 0) {
        pending.push_back(Position{});
    } else {
        for (int column = 0; column < Columns; ++column) {
            Position first;
            first.Play(column);
            pending.push_back(first);
        }
    }
    while (!pending.empty()) {
        const Position position = pending.back();
        pending.pop_back();
        if (position.CanWinNext() || !visited.insert(OpeningTable::StoredKey(position)).second)
            continue;
        std::uint8_t columns = 0;
        if (position.MoveCount() <= settings.completeDepth) {
            // Seen from the position, as a lookup would give it.
            const OpeningTable::Entry& entry = complete.at(OpeningTable::StoredKey(position));
            columns = StoredEntry(position, entry.score, entry.columns).columns;
        } else {
            Solver solver;
            const std::uint8_t best = MaskOf(solver.BestColumns(position));
            if (solver.NodeCount() < settings.slowNodes)
                continue;
            columns = Kept(position, best, settings);
            found[OpeningTable::StoredKey(position)] =
                StoredEntry(position, solver.Solve(position), columns);
        }
        for (int column = 0; column < Columns; ++column) {
            if (!(columns & (1u << column)))
                continue;
            Position answered = position;
            answered.Play(column);
            if (answered.HasLine())
                continue;
            for (int reply = 0; reply < Columns; ++reply) {
                if (!answered.CanPlay(reply))
                    continue;
                Position next = answered;
                next.Play(reply);
                if (!next.HasLine() && !next.IsFull())
                    pending.push_back(next);
            }
        }
    }
    return found;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT [COMPLETE_DEPTH [SLOW_NODES [VARIED_DEPTH]]]\n",
                     argv[0]);
        return 2;
    }
    Settings settings;
    if (argc > 2)
        settings.completeDepth = std::atoi(argv[2]);
    if (argc > 3)
        settings.slowNodes = std::strtoull(argv[3], nullptr, 10);
    if (argc > 4)
        settings.variedDepth = std::atoi(argv[4]);

    const auto start = Clock::now();
    Table table;
    SolveComplete(settings, table);
    std::fprintf(stderr, "%zu complete entries after %.0f s\n", table.size(),
                 std::chrono::duration<double>(Clock::now() - start).count());

    Table forRed;
    std::thread red([&] { forRed = FollowComputer(1, settings, table); });
    const Table forYellow = FollowComputer(0, settings, table);
    red.join();
    table.insert(forYellow.begin(), forYellow.end());
    table.insert(forRed.begin(), forRed.end());

    std::vector<OpeningTable::Entry> entries;
    int deepest = 0;
    for (const auto& [key, entry] : table) {
        entries.push_back(entry);
        deepest = std::max(deepest, Position::FromKey(key).MoveCount());
    }
    const std::vector<std::uint8_t> data = OpeningTable::Encode(deepest, std::move(entries));
    std::ofstream(argv[1], std::ios::binary)
        .write(reinterpret_cast<const char*>(data.data()),
               static_cast<std::streamsize>(data.size()));
    std::fprintf(stderr, "%zu entries up to %d pieces, %zu bytes, after %.0f s\n", table.size(),
                 deepest, data.size(), std::chrono::duration<double>(Clock::now() - start).count());
    return 0;
}

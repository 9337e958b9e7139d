// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The computer's levels against four stand-in players, over many games with the colours
// alternated: one that plays at random; a beginner who wins at once when it can, else stops the
// opponent's immediate win, else avoids a move that lets the opponent win on top of it, else
// plays at random; a trickster who plays as the beginner but makes two threats at once whenever
// one move can, and otherwise builds towards them on the bottom row; and one that plays
// perfectly. Prints each level's results, its slowest and mean decision, and the position of
// its slowest decision as the columns played (1 to 7). Usage: bench_ladder [GAMES]
#include "game/levels.h"
#include "game/opening_table.h"
#include "game/solver.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

using namespace quatrelle::game;
using Bits = Position::Bits;

namespace {

enum class StandIn { Random, Beginner, Trickster, Perfect };
constexpr std::array<const char*, 4> StandInNames{"random", "beginner", "trickster", "perfect"};

int randomColumn(Bits cells, std::mt19937& random) {
    std::vector<int> columns;
    for (int column = 0; column < Columns; ++column)
        if (cells & Position::ColumnCells(column))
            columns.push_back(column);
    return columns[std::uniform_int_distribution<std::size_t>(0, columns.size() - 1)(random)];
}

// The bottom row's cells of the columns whose move leaves the most of the mover's pieces in the
// middle three cells of five on the bottom row that the opponent has left empty: a third piece
// there makes three with both ends open. Empty when no such move adds to a piece already there
// or starts one.
Bits openTwoSetUps(const Position& position, Bits moves) {
    const Bits theirs = position.Current() ^ position.Mask();
    Bits best = 0;
    int most = 0;
    for (int column = 0; column < Columns; ++column) {
        const Bits move = moves & Position::BottomCell(column);
        if (!move)
            continue;
        const Bits mine = position.Current() | move;
        for (int start = 0; start + 4 < Columns; ++start) {
            Bits window = 0;
            for (int cell = start; cell <= start + 4; ++cell)
                window |= Position::BottomCell(cell);
            const Bits middle =
                window & ~(Position::BottomCell(start) | Position::BottomCell(start + 4));
            if (!(move & middle) || (window & theirs) || (window & ~middle & mine))
                continue;
            const int pieces = std::popcount(mine & middle);
            if (pieces > most)
                best = 0, most = pieces;
            if (pieces == most)
                best |= move;
        }
    }
    return best;
}

int standInColumn(StandIn standIn, const Position& position, Solver& solver, std::mt19937& random) {
    const Bits playable = position.Playable();
    const Bits safe = playable & ~(position.OpponentThreats() >> 1);
    switch (standIn) {
    case StandIn::Random:
        return randomColumn(playable, random);
    case StandIn::Beginner:
    case StandIn::Trickster:
        if (const Bits wins = position.Threats() & playable)
            return randomColumn(wins, random);
        if (const Bits forced = position.OpponentThreats() & playable)
            return randomColumn(forced, random);
        if (standIn == StandIn::Trickster) {
            Bits doubleThreats = 0;
            for (int column = 0; column < Columns; ++column) {
                Position after = position;
                const Bits move = safe & Position::ColumnCells(column);
                if (!move)
                    continue;
                after.PlayCell(move);
                if (after.FacesDoubleThreat())
                    doubleThreats |= move;
            }
            if (doubleThreats)
                return randomColumn(doubleThreats, random);
            if (const Bits setUps = openTwoSetUps(position, safe))
                return randomColumn(setUps, random);
        }
        return randomColumn(safe ? safe : playable, random);
    case StandIn::Perfect:
        return ChooseColumn(Level::Unbeatable, position, solver, random);
    }
    return -1;
}

struct Result {
    int levelWins = 0;
    int draws = 0;
    int standInWins = 0;
    double slowestMs = 0;
    std::string slowestMoves; // the position of the slowest decision, columns 1 to 7
    double totalMs = 0;
    long decisions = 0;
};

Result play(Level level, StandIn standIn, int games, unsigned seed) {
    std::mt19937 random(seed);
    Solver levelSolver(&OpeningTable::BuiltIn());
    Solver standInSolver(&OpeningTable::BuiltIn());
    Result result;
    for (int game = 0; game < games; ++game) {
        const bool levelOpens = game % 2 == 0;
        Position position;
        std::string moves;
        int winner = 0; // 1 the level, 2 the stand-in
        for (bool levelToMove = levelOpens; !position.IsFull(); levelToMove = !levelToMove) {
            int column;
            if (levelToMove) {
                const auto start = std::chrono::steady_clock::now();
                column = ChooseColumn(level, position, levelSolver, random);
                const double ms = std::chrono::duration<double, std::milli>(
                                      std::chrono::steady_clock::now() - start)
                                      .count();
                if (ms > result.slowestMs)
                    result.slowestMs = ms, result.slowestMoves = moves;
                result.totalMs += ms;
                ++result.decisions;
            } else {
                column = standInColumn(standIn, position, standInSolver, random);
            }
            position.Play(column);
            moves += static_cast<char>('1' + column);
            if (Position::IsLine(position.Current() ^ position.Mask())) {
                winner = levelToMove ? 1 : 2;
                break;
            }
        }
        (winner == 1 ? result.levelWins : winner == 2 ? result.standInWins : result.draws)++;
    }
    return result;
}

} // namespace

int main(int argc, char* argv[]) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 1000;
    struct Work {
        Level level;
        StandIn standIn;
        Result result;
    };
    std::vector<Work> work;
    for (int level = 1; level <= 4; ++level)
        for (int standIn = 0; standIn < static_cast<int>(StandInNames.size()); ++standIn)
            work.push_back({static_cast<Level>(level), static_cast<StandIn>(standIn), {}});
    std::mutex next;
    std::size_t taken = 0;
    const auto worker = [&] {
        for (;;) {
            std::size_t index;
            {
                const std::lock_guard lock(next);
                if (taken == work.size())
                    return;
                index = taken++;
            }
            work[index].result = play(work[index].level, work[index].standIn, games,
                                      static_cast<unsigned>(20261207 + index));
        }
    };
    std::vector<std::thread> threads;
    for (unsigned i = 0; i < std::max(1u, std::thread::hardware_concurrency()); ++i)
        threads.emplace_back(worker);
    for (std::thread& thread : threads)
        thread.join();

    std::printf(
        "| level | stand-in | games | level wins | draws | stand-in wins | stand-in's share "
        "| slowest decision | mean decision | slowest after |\n"
        "|---|---|---|---|---|---|---|---|---|---|\n");
    for (const Work& item : work) {
        const Result& r = item.result;
        std::printf("| %d | %s | %d | %d | %d | %d | %.1f %% | %.2f ms | %.3f ms | %s |\n",
                    static_cast<int>(item.level), StandInNames[static_cast<int>(item.standIn)],
                    games, r.levelWins, r.draws, r.standInWins, 100.0 * r.standInWins / games,
                    r.slowestMs, r.decisions ? r.totalMs / static_cast<double>(r.decisions) : 0.0,
                    r.slowestMoves.empty() ? "no move" : r.slowestMoves.c_str());
    }
}
